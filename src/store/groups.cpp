#include "store/groups.h"

#include "platform/dialogs.h"
#include "shell/model.h"
#include "store/departments.h"
#include "base/textfile.h"

namespace {

std::string GroupsFile(const Model& model, const char* name) { return model.config.groupsFolder + name; }
std::string PracticePath(const Model& model) { return model.config.practiceFolder + "praktika.gru"; }

int Int(TextReader& r) { return static_cast<int>(r.ReadInt()); }

// A stored position that names no group counts as none.
int GroupPositionOrNone(const Model& model, long position) {
    return position >= 1 && position <= model.groups.size() ? static_cast<int>(position) : 0;
}

void ResolveSheets(Model& model) {
    for (TimetableSheet& s : model.sheets)
        for (int c = 1; c <= 4; ++c) s.positions[c] = GroupPosition(model, s.groups[c]);
}

}  // namespace

int CourseFromStored(int course, int base) {
    if (course <= 2000) return course;
    return (base == 11 ? 2008 : 2007) - course;
}

void LoadGroups(Model& model) {
    {
        const std::string path = GroupsFile(model, "kody.set");
        TextReader r = TextReader::Open(path);
        long count = r.ReadInt();
        CheckCount(count, kMaxSpecialtyCodes, path, "кодов специальностей");
        model.specialtyCodes.clear();
        for (long i = 0; i < count; ++i) {
            SpecialtyCode c;
            c.code = r.ReadLine();
            c.specialty = r.ReadLine();
            model.specialtyCodes.push_back(c);
        }
    }
    {
        const std::string path = GroupsFile(model, "otdel.set");
        TextReader r = TextReader::Open(path);
        long count = r.ReadInt();
        CheckCount(count, kMaxDivisions, path, "отделений");
        model.divisions.clear();
        for (long i = 0; i < count; ++i) {
            model.divisions.resize(static_cast<int>(i) + 1);  // filled where it stays
            Division& d = model.divisions[static_cast<int>(i) + 1];
            d.name = r.ReadLine();
            d.columns = Int(r);
            for (int course = 1; course <= kCourses; ++course) {
                long cells = r.ReadInt();
                CheckCount(cells, kMaxCellsPerCourse, path, "групп " + std::to_string(course) + " курса отделения «" + d.name + "»");
                for (long k = 0; k < cells; ++k) {
                    DivisionCell c;
                    c.group = r.ReadLine();
                    c.caption = r.ReadLine();
                    c.financingMark = r.ReadLine();
                    c.students = Int(r);
                    d.courses[course].push_back(std::move(c));
                }
            }
            r.Skip();
        }
    }
    {
        const std::string path = GroupsFile(model, "gruppy.set");
        TextReader r = TextReader::Open(path);
        long count = r.ReadInt();
        CheckCount(count, kMaxGroups, path, "групп");
        r.Skip();
        model.groups.clear();
        model.budgetGroups = model.contractGroups = 0;
        model.groups.resize(static_cast<int>(count));  // filled where they stay
        for (Group& g : model.groups) {
            g.number = r.ReadLine();
            if (std::string problem = FileNameProblem(g.number); !problem.empty())
                throw FileError("Номер группы «" + g.number + "» не годится для имени файла: " + problem, path);
            g.division = r.ReadLine();
            g.base = Int(r);
            g.course = CourseFromStored(Int(r), g.base);
            g.specialty = r.ReadLine();
            g.code = r.ReadLine();
            g.financing = Int(r);
            g.classTutor = r.ReadLine();
            r.Skip();
            if (g.financing == 2)
                ++model.contractGroups;
            else
                ++model.budgetGroups;
        }
    }
    {
        const std::string path = GroupsFile(model, "gruprasp.set");
        TextReader r = TextReader::Open(path);
        model.sheetPlanValue = r.ReadInt();
        long count = r.ReadInt();
        CheckCount(count, kMaxSheets, path, "листов расписания");
        r.Skip();
        model.sheets.clear();
        for (long i = 0; i < count; ++i) {
            TimetableSheet& s = model.sheets.push_back(TimetableSheet{});
            for (int c = 1; c <= 4; ++c) s.groups[c] = r.ReadLine();
            r.Skip();
        }
        ResolveSheets(model);
    }
    {
        // Positional: the n-th record belongs to the n-th group, whatever number it names.
        const std::string path = PracticePath(model);
        TextReader r = TextReader::Open(path);
        long count = r.ReadInt();
        CheckCount(count, kMaxGroups, path, "групп");
        r.Skip();
        for (long i = 1; i <= count; ++i) {
            r.Skip();
            long day = r.ReadInt();
            r.Skip();
            if (i <= model.groups.size()) model.groups[static_cast<int>(i)].practiceDay = day >= 0 && day <= kDays ? static_cast<int>(day) : 0;
        }
    }
    model.dutyGroup = 0;
    if (std::string path = GroupsFile(model, "dezur.gr"); FileExists(path)) {
        TextReader r = TextReader::Open(path);
        model.dutyGroup = GroupPositionOrNone(model, r.ReadInt());
    }
    model.statePracticeGroups.fill(0);
    if (std::string path = GroupsFile(model, "gosprakt.gr"); FileExists(path)) {
        TextReader r = TextReader::Open(path);
        for (int k = 1; k <= 6; ++k) model.statePracticeGroups[k] = GroupPositionOrNone(model, r.ReadInt());
    }
}

void SaveGroups(const Model& model) {
    TextWriter o;
    o.Int(model.divisions.size());
    for (const Division& d : model.divisions) {
        o.Line(d.name).Int(d.columns);
        for (int course = 1; course <= kCourses; ++course) {
            o.Int(d.courses[course].size());
            for (const DivisionCell& c : d.courses[course]) o.Line(c.group).Line(c.caption).Line(c.financingMark).Int(c.students);
        }
        o.Separator();
    }
    TextWriter g;
    g.Int(model.groups.size()).Separator();
    for (const Group& x : model.groups)
        g.Line(x.number).Line(x.division).Int(x.base).Int(x.course).Line(x.specialty).Line(x.code).Int(x.financing)
            .Line(x.classTutor).Separator();
    o.Save(GroupsFile(model, "otdel.set"));
    g.Save(GroupsFile(model, "gruppy.set"));
}

void SaveSheets(const Model& model) {
    TextWriter w;
    w.Int(model.sheetPlanValue).Int(model.sheets.size()).Separator();
    for (const TimetableSheet& s : model.sheets) {
        for (int c = 1; c <= 4; ++c) w.Line(s.groups[c]);
        w.Separator();
    }
    w.Save(GroupsFile(model, "gruprasp.set"));
}

void SavePracticeDays(const Model& model) {
    TextWriter w;
    w.Int(model.groups.size()).Separator();
    for (const Group& g : model.groups) w.Line(g.number).Int(g.practiceDay).Separator();
    w.Save(PracticePath(model));
}

void SaveDutyGroup(const Model& model) {
    TextWriter w;
    w.Int(model.dutyGroup);
    w.Save(GroupsFile(model, "dezur.gr"));
}

void SaveStatePractice(const Model& model) {
    TextWriter w;
    for (int k = 1; k <= 6; ++k) w.Int(model.statePracticeGroups[k]);
    w.Save(GroupsFile(model, "gosprakt.gr"));
}

void SaveSpecialtyCodes(const Model& model) {
    TextWriter w;
    w.Int(model.specialtyCodes.size());
    for (const SpecialtyCode& c : model.specialtyCodes) w.Line(c.code).Line(c.specialty);
    w.Save(GroupsFile(model, "kody.set"));
}

void LoadSpecialGroupLines(Model& model) {
    const std::string path = model.config.listsFolder + "gruppoi.set";
    TextReader r = TextReader::Open(path);
    std::vector<std::string> lines;
    while (!r.AtEnd()) lines.push_back(r.ReadLine());
    CheckCount(static_cast<long>(lines.size()), kMaxSpecialGroupLines, path, "строк");
    model.specialGroupLines.clear();
    for (const std::string& l : lines) model.specialGroupLines.push_back(l);
}

void SaveSpecialGroupLines(const Model& model) {
    TextWriter w;
    for (const std::string& l : model.specialGroupLines) w.Line(l);
    w.Save(model.config.listsFolder + "gruppoi.set");
}

int GroupPosition(const Model& model, const std::string& number) {
    int found = 0;
    for (int i = 1; i <= model.groups.size(); ++i)
        if (model.groups[i].number == number) found = i;
    return found;
}

bool FindGroup(Model& model, const std::string& number) {
    int found = GroupPosition(model, number);
    if (found == 0) return false;
    model.sel.group = found;
    return true;
}

// ---------------------------------------------------------------- edits

bool EditDivisionCell(Model& model, Dialogs& dialogs, int division, int course, int cell, int field) {
    DivisionCell& c = model.divisions[division].courses[course][cell];
    int position = GroupPosition(model, c.group);
    if (position == 0) return false;
    model.sel.group = position;
    Group& g = model.groups[position];
    const std::string& number = g.number;
    switch (field) {
        case 1: {
            std::string answer = dialogs.Input("Смена классного руководителя!",
                                               "Введите ФИО нового классного руководителя для группы " + number,
                                               g.classTutor);
            if (answer.empty() || !AcceptText(dialogs, answer)) return false;
            g.classTutor = answer;
            break;
        }
        case 2: {
            std::string answer = dialogs.Input("Смена количества студентов!",
                                               "Введите количество студентов для группы " + number,
                                               std::to_string(c.students));
            if (answer.empty() || answer == "0") return false;
            c.students = static_cast<int>(ParseInteger(answer));
            break;
        }
        case 3: {
            std::string answer =
                dialogs.Input("Смена базы!", "Введите новую базу для группы " + number, std::to_string(g.base));
            if (answer != "9" && answer != "11") return false;
            g.base = answer == "9" ? 9 : 11;
            break;
        }
        case 4: {
            std::string answer = dialogs.Input("Смена кода специальности!", "Введите новый код для группы " + number, g.code);
            if (answer.empty() || !AcceptText(dialogs, answer)) return false;
            g.code = answer;
            break;
        }
        case 5: {
            std::string answer = dialogs.Input("Смена Бюдж/Дог!",
                                               "Если группа " + number + " договорная, введите дог", c.financingMark);
            bool contract = answer == "дог";
            g.financing = contract ? 2 : 1;
            c.financingMark = contract ? "дог" : "б";
            break;
        }
        default:
            return false;
    }
    SaveGroups(model);
    LoadGroups(model);
    return true;
}

bool EditSheetCell(Model& model, Dialogs& dialogs, int sheet, int column) {
    TimetableSheet& s = model.sheets[sheet];
    std::string answer = dialogs.Input("Изменение листа расписания", "Номер группы?", s.groups[column]);
    if (!AcceptText(dialogs, answer)) return false;
    s.groups[column] = answer;
    SaveSheets(model);
    LoadGroups(model);
    return true;
}
