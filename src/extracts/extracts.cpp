#include "extracts/extracts.h"

#include <memory>
#include <unordered_set>
#include <vector>

#include "shell/model.h"
#include "store/textfile.h"
#include "store/textutil.h"
#include "timetable/timetable.h"

const char* const kOverviewDisciplines[6] = {"Иностранный язык", "Физкультура", "Физическая культура",
                                             "Информатика",      "Русский язык", "Математика"};

bool IsTeachingPractice(const std::string& d) { return d == "Педпрактика" || d == "Педагогическая практика"; }
bool CountsAsPracticeLoad(const std::string& d) { return IsTeachingPractice(d) || d == "Практика"; }
bool IsAdditionalTraining(const std::string& d) {
    return d == "Дисциплины допподготовки" || d == "Дисциплины дополнительной подготовки" ||
           d == "Дисциплины доп.подготовки";
}
bool IsOverviewDiscipline(const std::string& d) {
    for (const char* name : kOverviewDisciplines)
        if (d == name) return true;
    return false;
}

bool TeacherInAnyDepartment(const Model& model, const std::string& surname) {
    for (const Department& d : model.departments)
        for (const Teacher& t : d.teachers)
            if (t.surname == surname) return true;
    return false;
}

std::string NormalisedTeacher(const Model& model, const std::string& teacher) {
    if (teacher == "-" || TeacherInAnyDepartment(model, teacher)) return teacher;
    return kUnknownTeacher;
}

namespace {

std::string ExtractPath(const Model& model, const std::string& number) {
    return GroupFilePath(model.config.extractsFolder, number, ".vyp");
}

// An hours field: "-" is 0, else a non-negative decimal integer (blanks around it allowed).
int ReadHours(TextReader& r, const std::string& path, int record) {
    if (r.AtEnd())
        throw FileError("Файл выписки обрывается в строке выписки " + std::to_string(record), path);
    std::string text = r.ReadLine();
    size_t from = text.find_first_not_of(" \t"), to = text.find_last_not_of(" \t");
    std::string t = from == std::string::npos ? "" : text.substr(from, to - from + 1);
    if (t == "-") return 0;
    bool digits = !t.empty() && t.size() <= 9 && t.find_first_not_of("0123456789") == std::string::npos;
    if (!digits)
        throw FileError("Недопустимое число часов «" + text + "» в строке выписки " + std::to_string(record), path);
    int hours = 0;  // at most nine digits: no overflow
    for (char c : t) hours = hours * 10 + (c - '0');
    return hours;
}

std::string ReadField(TextReader& r, const std::string& path, int record) {
    if (r.AtEnd())
        throw FileError("Файл выписки обрывается в строке выписки " + std::to_string(record), path);
    return r.ReadLine();
}

using Surnames = std::unordered_set<std::string>;

std::string Normalised(const Surnames& known, std::string teacher) {
    if (teacher == "-" || known.count(teacher)) return teacher;
    return kUnknownTeacher;
}

// `x` is an entry of a freshly made table, still empty.
void ReadExtract(const Surnames& known, TextReader r, GroupExtract& x) {
    const std::string path = r.path();
    r.Skip();
    long count = r.ReadInt();
    CheckCount(count, kMaxExtractLines, path, "строки выписки");
    r.Skip();
    for (int k = 1; k <= count; ++k) {
        ExtractLine line;
        line.discipline = ReadField(r, path, k);
        line.hoursGroup = ReadHours(r, path, k);
        line.teacherGroup = Normalised(known, ReadField(r, path, k));
        line.hoursSub1 = ReadHours(r, path, k);
        line.teacherSub1 = Normalised(known, ReadField(r, path, k));
        line.hoursSub2 = ReadHours(r, path, k);
        line.teacherSub2 = Normalised(known, ReadField(r, path, k));
        r.Skip();
        x.totalHours += line.hoursGroup + line.hoursSub1;
        x.lines.push_back(std::move(line));
    }
}

TextWriter ExtractText(const std::string& number, const GroupExtract& x, size_t sizeHint = 0) {
    TextWriter w;
    w.Reserve(sizeHint);
    w.Line(number).Int(x.lines.size()).Separator();
    for (const ExtractLine& l : x.lines) {
        w.Line(l.discipline).Int(l.hoursGroup).Line(l.teacherGroup);
        w.Int(l.hoursSub1).Line(l.teacherSub1).Int(l.hoursSub2).Line(l.teacherSub2);
        w.Separator();
    }
    return w;
}

// The file's text as UTF-8 with CR LF line ends, to compare with what a file holds.
std::string ExtractUtf8(const std::string& number, const GroupExtract& x, size_t sizeHint) {
    std::string t;
    t.reserve(sizeHint);
    auto line = [&t](const std::string& s) { t += s, t += "\r\n"; };
    line(number);
    line(std::to_string(x.lines.size()));
    line(kSeparator);
    for (const ExtractLine& l : x.lines) {
        line(l.discipline), line(std::to_string(l.hoursGroup)), line(l.teacherGroup);
        line(std::to_string(l.hoursSub1)), line(l.teacherSub1), line(std::to_string(l.hoursSub2)), line(l.teacherSub2);
        line(kSeparator);
    }
    return t;
}

}  // namespace

std::string ExtractFileBytes(const std::string& number, const GroupExtract& x) {
    return ExtractText(number, x).bytes();
}

void LoadAllExtracts(Model& model) {
    const int n = model.groups.size();
    // Every file is read and checked before the model or any file changes.
    auto fresh = std::make_unique<Table<GroupExtract, kMaxGroups>>();
    fresh->resize(n);
    std::vector<bool> read(n + 1, false);
    std::vector<TextWriter> texts(n + 1);
    Surnames known;
    for (const Department& d : model.departments)
        for (const Teacher& t : d.teachers) known.insert(t.surname);
    const FolderHandle folder(model.config.extractsFolder);
    for (int g = 1; g <= n; ++g) {
        const std::string& number = model.groups[g].number;
        std::string path = ExtractPath(model, number);
        std::string bytes;
        if (!ReadFileIfPresent(path, bytes, &folder)) {
            // Without a file the group keeps what it had (nothing at start-up).
            if (model.extracts.valid(g)) (*fresh)[g] = model.extracts[g];
            (*fresh)[g].totalHours = 0;
            continue;
        }
        ReadExtract(known, TextReader(std::string_view(bytes), path), (*fresh)[g]);
        // A file already in normalised form would be rewritten byte for byte; it is left as it is.
        const std::string text = Cp1251ToUtf8(bytes);
        read[g] = ExtractUtf8(number, (*fresh)[g], text.size() + 64) != text;
        if (read[g]) texts[g] = ExtractText(number, (*fresh)[g], bytes.size() + 64);
    }
    model.extracts = std::move(*fresh);
    for (int g = 1; g <= n; ++g)
        if (read[g]) texts[g].Save(ExtractPath(model, model.groups[g].number));
}

void SaveGroupExtract(const Model& model, int g) {
    ExtractText(model.groups[g].number, model.extracts[g]).Save(ExtractPath(model, model.groups[g].number));
}

void SaveCurrentExtract(Model& model) {
    SaveGroupExtract(model, model.sel.group);
    LoadAllExtracts(model);
    ComputePlacedCounts(model);
}

void SaveExtractAs(Model& model, const std::string& groupNumber) {
    const int g = model.sel.group;
    ExtractText(groupNumber, model.extracts[g]).Save(ExtractPath(model, groupNumber));
    LoadAllExtracts(model);
    ComputePlacedCounts(model);
}

std::string RemainingText(const ExtractLine& line) {
    if (line.hoursSub1 == 0 && line.hoursSub2 == 0) {
        int left = line.hoursGroup - line.placed[1];
        return line.placed[1] < line.hoursGroup ? RightAligned(left, 3) : "";
    }
    if (line.hoursSub1 != 0 && line.hoursSub2 != 0) {
        int a = line.hoursSub1 - line.placed[2], b = line.hoursSub2 - line.placed[3];
        std::string left = a > 0 ? std::to_string(a) : "", right = b > 0 ? std::to_string(b) : "";
        if (left.empty() && right.empty()) return "";
        return left + " / " + right;
    }
    return "";
}

int ExtractLineCount(const Model& model) {
    int count = 0;
    for (const GroupExtract& x : model.extracts) count += x.lines.size();
    return count;
}
