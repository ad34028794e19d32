#include "extracts/extracts.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "shell/model.h"
#include "base/textfile.h"
#include "base/textutil.h"
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

[[noreturn]] void ThrowCutShort(const std::string& path, int record) {
    throw FileError("Файл выписки обрывается в строке выписки " + std::to_string(record), path);
}

// An hours field: "-" is 0, else a non-negative decimal integer (blanks around it allowed).
int ReadHours(TextReader& r, const std::string& path, int record) {
    if (r.AtEnd()) ThrowCutShort(path, record);
    const std::string text = r.ReadLine();
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    if (t == "-") return 0;
    bool digits = !t.empty() && t.size() <= 9;
    for (char c : t) digits = digits && c >= '0' && c <= '9';
    if (!digits)
        throw FileError("Недопустимое число часов «" + text + "» в строке выписки " + std::to_string(record), path);
    int hours = 0;  // at most nine digits: no overflow
    for (char c : t) hours = hours * 10 + (c - '0');
    return hours;
}

// Follows the file's bytes while it is read, to tell whether the file already holds
// exactly what the normalised extract would write: every line as written, CR LF after
// each, nothing after the last (an end-of-file mark included). Each step takes the
// bytes read since the step before, up to the reader's offset.
class WrittenForm {
public:
    explicit WrittenForm(std::string_view bytes) : bytes_(bytes) {}
    // What was read is one line, and would be written the same when `same` holds.
    void LineIf(bool same, size_t to) {
        if (!Take(to).has_value() || !same) same_ = false;
    }
    // What was read is the line `written`.
    void Line(std::string_view written, size_t to) {
        if (Take(to) != written) same_ = false;
    }
    bool Same() const { return same_ && pos_ == bytes_.size(); }

private:
    // The text of the bytes up to `to` without their CR LF; none when they do not end so.
    std::optional<std::string_view> Take(size_t to) {
        std::string_view read = bytes_.substr(pos_, to - pos_);
        pos_ = to;
        if (read.size() < 2 || read[read.size() - 2] != '\r' || read.back() != '\n') return std::nullopt;
        return read.substr(0, read.size() - 2);
    }

    std::string_view bytes_;
    size_t pos_ = 0;
    bool same_ = true;
};

// A teacher field into `teacher` (still "-"): a known surname or "-" stays, any other
// name becomes "Неизвестный".
void ReadTeacher(const TextIndex& known, TextReader& r, const std::string& path, int record, WrittenForm& form,
                 std::string& teacher) {
    if (r.AtEnd()) ThrowCutShort(path, record);
    r.ReadEntry(teacher);
    const bool kept = (teacher.size() == 1 && teacher[0] == '-') || known.Contains(teacher);
    form.LineIf(kept || teacher == kUnknownTeacher, r.Offset());
    if (!kept) teacher = kUnknownTeacher;
}

int ReadHoursField(TextReader& r, const std::string& path, int record, WrittenForm& form) {
    const int hours = ReadHours(r, path, record);
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, hours).ptr;
    form.Line(std::string_view(digits, static_cast<size_t>(end - digits)), r.Offset());
    return hours;
}

// Reads one group's extract into `lines` (empty) and `totalHours`; true when the
// file already holds the normalised text.
bool ReadExtract(const TextIndex& known, const std::string& number, std::string_view bytes, const std::string& path,
                 std::vector<ExtractLine>& lines, int& totalHours) {
    TextReader r(bytes, path);
    WrittenForm form(bytes);
    const bool numbered = r.ReadLine() == number;
    form.LineIf(numbered, r.Offset());
    long count = r.ReadInt();
    CheckCount(count, kMaxExtractLines, path, "строки выписки");
    form.Line(std::to_string(count), r.Offset());
    r.Skip();
    form.Line(kSeparator, r.Offset());
    lines.reserve(static_cast<size_t>(count));
    totalHours = 0;
    for (int k = 1; k <= count; ++k) {
        ExtractLine& line = lines.emplace_back();
        if (r.AtEnd()) ThrowCutShort(path, k);
        line.discipline = r.ReadLine();
        form.LineIf(true, r.Offset());
        line.hoursGroup = ReadHoursField(r, path, k, form);
        ReadTeacher(known, r, path, k, form, line.teacherGroup);
        line.hoursSub1 = ReadHoursField(r, path, k, form);
        ReadTeacher(known, r, path, k, form, line.teacherSub1);
        line.hoursSub2 = ReadHoursField(r, path, k, form);
        ReadTeacher(known, r, path, k, form, line.teacherSub2);
        r.Skip();
        form.Line(kSeparator, r.Offset());
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
