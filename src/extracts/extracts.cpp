#include "extracts/extracts.h"

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


// Follows the file's bytes line by line while it is read, to tell whether the file
// already holds exactly what the normalised extract would write: every line as
// written (CR LF after each, nothing after the last) and no end-of-file mark.
class WrittenForm {
public:
    explicit WrittenForm(std::string_view bytes) : bytes_(bytes), same_(bytes.find('\x1A') == bytes.npos) {}
    // The next line is what would be written when `same` holds.
    void LineIf(bool same) {
        Next();
        if (!same) same_ = false;
    }
    // The next line reads exactly `written`.
    void Line(std::string_view written) {
        if (Next() != written) same_ = false;
    }
    bool Same() const { return same_ && pos_ == bytes_.size(); }

private:
    std::string_view Next() {
        if (!same_) return {};
        const size_t nl = bytes_.find('\n', pos_);
        if (nl == bytes_.npos || nl == pos_ || bytes_[nl - 1] != '\r') {
            same_ = false;
            return {};
        }
        std::string_view line = bytes_.substr(pos_, nl - 1 - pos_);
        pos_ = nl + 1;
        return line;
    }

    std::string_view bytes_;
    size_t pos_ = 0;
    bool same_;
};

// A teacher field: a known surname or "-" stays, any other name becomes "Неизвестный".
std::string ReadTeacher(const TextIndex& known, TextReader& r, const std::string& path, int record,
                        WrittenForm& form) {
    std::string teacher = ReadField(r, path, record);
    const bool kept = teacher == "-" || known.Contains(teacher);
    form.LineIf(kept || teacher == kUnknownTeacher);
    if (!kept) teacher = kUnknownTeacher;
    return teacher;
}

int ReadHoursField(TextReader& r, const std::string& path, int record, WrittenForm& form) {
    const int hours = ReadHours(r, path, record);
    form.Line(std::to_string(hours));
    return hours;
}

// Reads one group's extract into `lines` (empty) and `totalHours`; true when the
// file already holds the normalised text.
bool ReadExtract(const TextIndex& known, const std::string& number, std::string_view bytes, const std::string& path,
                 std::vector<ExtractLine>& lines, int& totalHours) {
    TextReader r(bytes, path);
    WrittenForm form(bytes);
    form.LineIf(r.ReadLine() == number);
    long count = r.ReadInt();
    CheckCount(count, kMaxExtractLines, path, "строки выписки");
    form.Line(std::to_string(count));
    r.Skip();
    form.Line(kSeparator);
    lines.reserve(static_cast<size_t>(count));
    totalHours = 0;
    for (int k = 1; k <= count; ++k) {
        ExtractLine& line = lines.emplace_back();
        line.discipline = ReadField(r, path, k);
        form.LineIf(true);
        line.hoursGroup = ReadHoursField(r, path, k, form);
        line.teacherGroup = ReadTeacher(known, r, path, k, form);
        line.hoursSub1 = ReadHoursField(r, path, k, form);
        line.teacherSub1 = ReadTeacher(known, r, path, k, form);
        line.hoursSub2 = ReadHoursField(r, path, k, form);
        line.teacherSub2 = ReadTeacher(known, r, path, k, form);
        r.Skip();
        form.Line(kSeparator);
        totalHours += line.hoursGroup + line.hoursSub1;
    }
    return form.Same();
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

}  // namespace

std::string ExtractFileBytes(const std::string& number, const GroupExtract& x) {
    return ExtractText(number, x).bytes();
}

void LoadAllExtracts(Model& model) {
    const int n = model.groups.size();
    // Every file is read and checked before the model or any file changes.
    struct Read {
        bool present = false, rewrite = false;
        std::vector<ExtractLine> lines;
        int totalHours = 0;
    };
    std::vector<Read> read(n + 1);
    const TextIndex known = TeacherSurnames(model);
    const FolderHandle folder(model.config.extractsFolder);
    std::string bytes;
    for (int g = 1; g <= n; ++g) {
        const std::string& number = model.groups[g].number;
        Read& x = read[g];
        const std::string path = ExtractPath(model, number);
        x.present = ReadFileIfPresent(path, bytes, &folder);
        // A file already in normalised form would be rewritten byte for byte; it is left as it is.
        if (x.present) x.rewrite = !ReadExtract(known, number, bytes, path, x.lines, x.totalHours);
    }
    model.extracts.resize(n);
    for (int g = 1; g <= n; ++g) {
        GroupExtract& x = model.extracts[g];
        x.totalHours = read[g].totalHours;
        // Without a file the group keeps what it had (nothing at start-up).
        if (!read[g].present) continue;
        x.lines.clear();
        for (ExtractLine& line : read[g].lines) x.lines.push_back(std::move(line));
    }
    for (int g = 1; g <= n; ++g)
        if (read[g].rewrite) SaveGroupExtract(model, g);
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
