#include "store/departments.h"

#include "absences/absent_groups.h"
#include "platform/dialogs.h"
#include "shell/model.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "store/orders.h"

namespace {

// A key read from a file that names another file must be a plain file name.
void CheckFileKey(const std::string& key, const std::string& path, const char* what) {
    std::string problem = FileNameProblem(key);
    if (!problem.empty()) throw FileError(std::string(what) + " «" + key + "» не годится для имени файла: " + problem, path);
}

// Occupancy strings always hold 14 codes, so every reader may index them.
std::string FourteenCodes(std::string line) {
    if (line.size() > kLessons) line.resize(kLessons);
    while (line.size() < kLessons) line += '0';
    return line;
}

void WriteFreeWeek(const std::string& path, const std::string& displayName) {
    TextWriter w;
    w.Line(displayName);
    for (int day = 1; day <= kDays; ++day) w.Line(kFreeWeekDay);
    w.Save(path);
}

double ParseRealIn(const std::string& text, const std::string& path) {
    try {
        return ParseReal(text);
    } catch (const FileError& e) {
        throw FileError(e.what(), path);
    }
}

Department& CurrentDepartment(Model& model) { return model.departments[model.sel.department]; }

}  // namespace

std::string DepartmentFilePath(const Model& model, int d) {
    return model.config.departmentsFolder + model.departments[d].fileKey + ".kaf";
}
std::string AbsenceFilePath(const Model& model, int d) {
    return model.config.absenceFolder + model.departments[d].fileKey + ".ots";
}
std::string OccupancyFilePath(const Model& model, const Teacher& teacher) {
    return model.config.occupancyFolder + teacher.fileKey + ".zan";
}

void LoadDepartments(Model& model) {
    const std::string listPath = model.config.departmentsFolder + "kafedry.set";
    TextReader list = TextReader::Open(listPath);
    long count = list.ReadInt();
    CheckCount(count, kMaxDepartments, listPath, "кафедр");
    // Entries are filled where they stay: a department holds a whole table of teachers.
    model.departments.clear();
    model.departments.resize(static_cast<int>(count));
    for (int i = 1; i <= count; ++i) {
        Department& d = model.departments[i];
        list.Skip();
        d.title = list.ReadLine();
        d.extraTitle = list.ReadLine();
        d.shortTitle = list.ReadLine();
        d.fileKey = list.ReadLine();
        CheckFileKey(d.fileKey, listPath, "Ключ кафедры");
    }
    model.lastDepartmentPrefix = model.departments.empty() ? "" : FirstChars(model.departments[count].title, 3);

    model.allTeachers = model.staffTeachers = model.partTimeTeachers = 0;
    int row = 0;
    for (int di = 1; di <= model.departments.size(); ++di) {
        Department& d = model.departments[di];
        const std::string path = DepartmentFilePath(model, di);
        TextReader r = TextReader::Open(path);
        r.Skip(2);
        long teachers = r.ReadInt();
        CheckCount(teachers, kMaxTeachers, path, "преподавателей кафедры");
        r.Skip();
        ++row;  // the department's heading row
        d.firstRow = 0;
        d.teachers.resize(static_cast<int>(teachers));
        for (Teacher& t : d.teachers) {
            t.surname = r.ReadLine();
            t.initials = r.ReadLine();
            t.nameAndPatronymic = r.ReadLine();
            t.fileKey = r.ReadLine();
            CheckFileKey(t.fileKey, path, "Ключ преподавателя");
            t.kind = static_cast<int>(r.ReadInt());
            t.room = r.ReadLine();
            t.practiceHoursBudget = r.ReadReal();
            std::string contract = r.ReadLine();
            t.practiceHoursContract = contract == kSeparator ? 0 : ParseRealIn(contract, path);
            t.homePhone = r.ReadLine();
            t.mobilePhone = r.ReadLine();
            r.Skip(2);
            t.displayName = t.surname + " " + t.initials;
            t.rowNo = ++row;
            if (d.firstRow == 0) d.firstRow = t.rowNo;
            if (t.kind == 1) ++model.staffTeachers;
            if (t.kind == 2) ++model.partTimeTeachers;
            ++model.allTeachers;
        }
    }

    for (int di = 1; di <= model.departments.size(); ++di)
        if (!FileExists(AbsenceFilePath(model, di))) SaveAbsences(model, di);
    RebuildAbsences(model);

    const FolderHandle occupancyFolder(model.config.occupancyFolder);
    for (int di = 1; di <= model.departments.size(); ++di) {
        for (Teacher& t : model.departments[di].teachers) {
            const std::string path = OccupancyFilePath(model, t);
            TextReader r = OpenOrCreate(path, [&] { WriteFreeWeek(path, t.displayName); }, &occupancyFolder);
            r.Skip();
            for (int day = 1; day <= kDays; ++day) t.occupancy[day] = FourteenCodes(r.ReadLine());
        }
    }

    LoadOrdersLists(model);
}

void RebuildAbsences(Model& model) {
    model.absentTeachers.clear();
    for (int di = 1; di <= model.departments.size(); ++di) {
        Department& d = model.departments[di];
        TextReader r = TextReader::Open(AbsenceFilePath(model, di));
        d.absentCount = 0;
        for (Teacher& t : d.teachers) {
            r.Skip();
            // Marks belong to positions; a missing or unknown mark counts as present.
            t.presence = r.ReadInt() == 2 ? 2 : 1;
            if (t.presence != 2) continue;
            ++d.absentCount;
            if (!model.absentTeachers.full())
                model.absentTeachers.push_back({t.surname, t.displayName + (t.kind == 2 ? " - совм." : "")});
        }
    }
    ComputeAbsentTeacherGroups(model);  // in the same pass: the groups these teachers teach
}

void SaveDepartmentList(const Model& model) {
    TextWriter w;
    w.Int(model.departments.size());
    for (const Department& d : model.departments) w.Separator().Line(d.title).Line(d.extraTitle).Line(d.shortTitle).Line(d.fileKey);
    w.Save(model.config.departmentsFolder + "kafedry.set");
}

void SaveDepartment(const Model& model, int di) {
    const Department& d = model.departments[di];
    TextWriter w;
    w.Line(d.fileKey).Line(d.title).Int(d.teachers.size()).Separator();
    for (const Teacher& t : d.teachers) {
        w.Line(t.surname).Line(t.initials).Line(t.nameAndPatronymic).Line(t.fileKey).Int(t.kind).Line(t.room);
        w.Real(t.practiceHoursBudget).Real(t.practiceHoursContract).Line(t.homePhone).Line(t.mobilePhone);
        w.Line("").Separator();
    }
    w.Save(DepartmentFilePath(model, di));
}

void SaveAbsences(const Model& model, int di) {
    TextWriter w;
    for (const Teacher& t : model.departments[di].teachers) w.Line(t.surname).Int(t.presence);
    w.Save(AbsenceFilePath(model, di));
}

void SaveOccupancy(const Model& model, int di, int ti) {
    const Teacher& t = model.departments[di].teachers[ti];
    TextWriter w;
    w.Line(t.displayName);
    for (int day = 1; day <= kDays; ++day) w.Line(t.occupancy[day]);
    w.Save(OccupancyFilePath(model, t));
}

// ---------------------------------------------------------------- lookups

TextIndex TeacherSurnames(const Model& model) {
    TextIndex surnames(static_cast<size_t>(model.allTeachers));
    for (const Department& d : model.departments)
        for (const Teacher& t : d.teachers) surnames.Insert(t.surname);
    return surnames;
}

namespace {

// Department and position of the last teacher with exactly this surname; {0, 0} without one.
std::pair<int, int> LastTeacher(const Model& model, const std::string& surname) {
    std::pair<int, int> found{0, 0};
    for (int d = 1; d <= model.departments.size(); ++d)
        for (int t = 1; t <= model.departments[d].teachers.size(); ++t)
            if (model.departments[d].teachers[t].surname == surname) found = {d, t};
    return found;
}

}  // namespace

bool FindTeacher(Model& model, const std::string& surname) {
    auto [d, t] = LastTeacher(model, surname);
    if (d == 0) return false;
    model.sel.department = d;
    model.sel.teacher = t;
    return true;
}

bool FindTeacherDepartment(Model& model, const std::string& surname) {
    auto [d, t] = LastTeacher(model, surname);
    if (d == 0) return false;
    model.sel.department = d;
    return true;
}

std::string NameAndPatronymicOf(const Model& model, const std::string& surname, const std::string& previous) {
    auto [d, t] = LastTeacher(model, surname);
    return d == 0 ? previous : model.departments[d].teachers[t].nameAndPatronymic;
}

// ---------------------------------------------------------------- teacher list commands

bool AcceptText(Dialogs& dialogs, const std::string& text) {
    if (IsCp1251Encodable(text)) return true;
    dialogs.Message("Текст «" + text + "» содержит знаки, которых нет в кодировке Windows-1251. Ничего не изменено.");
    return false;
}

std::optional<TeacherRemovalRefusal> TeacherRemovalRefusalFor(const std::string& surname,
                                                                const std::vector<ExtractTeacherNames>& extracts,
                                                                const std::vector<SpecialisationTeacherNames>& specialisations) {
    auto names = [&](const std::vector<std::string>& list) {
        for (const std::string& s : list)
            if (s == surname) return true;
        return false;
    };
    const ExtractTeacherNames* lastGroup = nullptr;
    for (const ExtractTeacherNames& e : extracts)
        if (names(e.teachers)) lastGroup = &e;
    if (lastGroup) return TeacherRemovalRefusal{"У преподавателя нагрузка!", surname + " - " + lastGroup->group + " гр."};
    const SpecialisationTeacherNames* lastSpec = nullptr;
    for (const SpecialisationTeacherNames& s : specialisations)
        if (names(s.teachers)) lastSpec = &s;
    if (lastSpec)
        return TeacherRemovalRefusal{"У преподавателя - специализация!",
                                     surname + " - " + lastSpec->name + " - " + std::to_string(lastSpec->course) + " курс"};
    return std::nullopt;
}

namespace {

// Steps shared by adding and inserting: asks the surname and the fields, places the
// teacher at `position` (moving the later ones down), writes the files and reloads.
bool EnterNewTeacher(Model& model, Dialogs& dialogs, const char* caption, const char* question, int position) {
    if (!dialogs.Confirm(caption, question)) return false;
    Department& d = CurrentDepartment(model);
    if (d.teachers.full()) {
        dialogs.Message("В списке кафедры уже " + std::to_string(kMaxTeachers) +
                        " преподавателей: больше добавить нельзя.");
        return false;
    }
    std::string surname = dialogs.Input("Фамилия", "Фамилия нового преподавателя?", "");
    if (surname.empty()) return false;
    if (std::string problem = FileNameProblem(surname); !problem.empty()) {
        dialogs.Message("Фамилия «" + surname + "» не годится для имени файла: " + problem + ". Ничего не изменено.");
        return false;
    }
    if (LastTeacher(model, surname).first != 0) {
        dialogs.Confirm("Уже есть такой преподаватель!", "Уже есть такой преподаватель!");
        return false;
    }
    std::string initials = dialogs.Input("Инициалы", "Инициалы нового преподавателя?", "А.А.");
    std::string nameAndPatronymic = dialogs.Input("Имя и отчество", "Имя и отчество нового преподавателя?", "");
    std::string partTime = dialogs.Input("Совместитель", "Введите 0, если это совместитель!", "");
    if (!AcceptText(dialogs, initials) || !AcceptText(dialogs, nameAndPatronymic)) return false;

    Teacher t;
    t.surname = surname;
    t.room = "-";
    t.initials = initials;
    t.nameAndPatronymic = nameAndPatronymic;
    t.fileKey = surname;
    t.kind = partTime == "0" ? 2 : 1;
    t.displayName = t.surname + " " + t.initials;
    t.presence = 1;
    for (int day = 1; day <= kDays; ++day) t.occupancy[day] = kFreeWeekDay;

    int last = d.teachers.size() + 1;
    d.teachers.resize(last);
    for (int i = last; i > position; --i) d.teachers[i] = d.teachers[i - 1];
    d.teachers[position] = t;

    SaveAbsences(model, model.sel.department);
    SaveDepartment(model, model.sel.department);
    WriteFreeWeek(OccupancyFilePath(model, t), t.displayName);
    LoadDepartments(model);
    return true;
}

}  // namespace

bool AddTeacher(Model& model, Dialogs& dialogs) {
    int position = CurrentDepartment(model).teachers.size() + 1;
    return EnterNewTeacher(model, dialogs, "Добавление нового преподавателя в конец списка кафедры",
                           "Добавляем в конец списка нового преподавателя?", position);
}

bool InsertTeacher(Model& model, Dialogs& dialogs, int position) {
    int size = CurrentDepartment(model).teachers.size();
    if (position < 1 || position > size) position = size + 1;
    return EnterNewTeacher(model, dialogs, "Вставка нового преподавателя в список кафедры",
                           "Включаем в список нового преподавателя?", position);
}

bool RemoveTeacher(Model& model, Dialogs& dialogs, int position) {
    if (!dialogs.Confirm("Исключение преподавателя из списка кафедры", "Исключаем из списка преподавателя?")) return false;
    Department& d = CurrentDepartment(model);
    if (d.teachers.size() == 1 || !d.teachers.valid(position)) return false;
    const std::string surname = d.teachers[position].surname;
    if (auto refusal = TeacherRemovalRefusalFor(surname, ExtractTeacherLists(model), SpecialisationTeacherLists(model))) {
        dialogs.Input("Нельзя исключить из списка!", refusal->prompt, refusal->text);
        return false;
    }
    RemoveFile(OccupancyFilePath(model, d.teachers[position]));
    int last = d.teachers.size();
    for (int i = position; i < last; ++i) d.teachers[i] = d.teachers[i + 1];
    d.teachers.resize(last - 1);
    SaveAbsences(model, model.sel.department);
    SaveDepartment(model, model.sel.department);
    LoadDepartments(model);
    return true;
}

// ---------------------------------------------------------------- field edits

namespace {

Teacher& CurrentTeacher(Model& model) { return CurrentDepartment(model).teachers[model.sel.teacher]; }

void EditText(Model& model, Dialogs& dialogs, const char* prompt, std::string Teacher::*field, bool dashWhenEmpty) {
    Teacher& t = CurrentTeacher(model);
    std::string answer = dialogs.Input(t.surname, prompt, t.*field);
    if (!AcceptText(dialogs, answer)) return;
    t.*field = (answer.empty() && dashWhenEmpty) ? "-" : answer;
    SaveDepartment(model, model.sel.department);
}

double HoursAnswer(const std::string& answer) { return answer.empty() ? 0 : ParseReal(answer); }

}  // namespace

void EditTeacherRoom(Model& model, Dialogs& dialogs) {
    EditText(model, dialogs, "Изменение аудитории", &Teacher::room, true);
}
void EditHomePhone(Model& model, Dialogs& dialogs) {
    EditText(model, dialogs, "Изменение домашнего телефона", &Teacher::homePhone, false);
}
void EditMobilePhone(Model& model, Dialogs& dialogs) {
    EditText(model, dialogs, "Изменение мобильного телефона", &Teacher::mobilePhone, false);
}

void EditPracticeHours(Model& model, Dialogs& dialogs) {
    Teacher& t = CurrentTeacher(model);
    // Both answers are converted before either is stored, so a bad one changes nothing.
    double budget =
        HoursAnswer(dialogs.Input(t.surname, "Изменение бюджетной педпрактики", FormatReal2(t.practiceHoursBudget)));
    double contract =
        HoursAnswer(dialogs.Input(t.surname, "Изменение договор.педпрактики", FormatReal2(t.practiceHoursContract)));
    t.practiceHoursBudget = budget;
    t.practiceHoursContract = contract;
    SaveDepartment(model, model.sel.department);
}

// ---------------------------------------------------------------- presence

void TogglePresence(Model& model, int d, int t) {
    Teacher& teacher = model.departments[d].teachers[t];
    teacher.presence = Toggled(teacher.presence);
    SaveAbsences(model, d);
    RebuildAbsences(model);
}

void MarkEverybodyPresent(Model& model) {
    for (int d = 1; d <= model.departments.size(); ++d) {
        for (Teacher& t : model.departments[d].teachers) t.presence = 1;
        SaveAbsences(model, d);
    }
    RebuildAbsences(model);
}
