#include "composition/specialisation_edit.h"

#include <memory>

#include "extracts/extracts.h"
#include "platform/dialogs.h"
#include "shell/model.h"
#include "base/textfile.h"
#include "timetable/specialisation.h"

namespace {


SpecialisationScreenState& St(Model& m) { return m.specScreen; }

bool HasCurrent(const Model& m) { return m.specialisations.valid(m.currentSpecialisation); }
Specialisation& Current(Model& m) { return m.specialisations[m.currentSpecialisation]; }
const Specialisation& Current(const Model& m) { return m.specialisations[m.currentSpecialisation]; }

void Idle(Model& m) {
    SpecialisationScreenState& s = St(m);
    s.state = kSpecIdle;
    s.variant = s.hour = s.lesson = 0;
}

std::string TeacherAndRoom(const SpecialisationCell& c) { return FirstChars(c.teacher, 4) + " : " + c.room; }

bool AnyPlaced(const Specialisation& s) {
    for (int v = 1; v <= s.variants; ++v)
        for (int h = 1; h <= s.hours; ++h)
            if (s.cell(v, h).placed()) return true;
    return false;
}
bool VariantPlaced(const Specialisation& s, int v) {
    for (int h = 1; h <= s.hours; ++h)
        if (s.cell(v, h).placed()) return true;
    return false;
}
bool HourPlaced(const Specialisation& s, int h) {
    for (int v = 1; v <= s.variants; ++v)
        if (s.cell(v, h).placed()) return true;
    return false;
}
// The hour of variant v placed at lesson l, 0 when none.
int HourAt(const Specialisation& s, int v, int l) {
    if (v < 1 || v > s.variants || l < 1) return 0;
    for (int h = 1; h <= s.hours; ++h)
        if (s.cell(v, h).lesson == l) return h;
    return 0;
}

std::string SpePath(const Model& m, const std::string& key) {
    const std::string problem = FileNameProblem(key);
    if (!problem.empty())
        throw FileError("Ключ специализации «" + key + "» не годится для имени файла: " + problem,
                        m.config.specialisationFolder + "spec.set");
    return m.config.specialisationFolder + key + ".spe";
}

// Writes the list and the current block, then reads everything back, which also
// recomputes the groups' specialisation days.
void Commit(Model& m) {
    SaveSpecialisationList(m);
    if (HasCurrent(m)) SaveSpecialisation(m, m.currentSpecialisation);
    LoadSpecialisations(m);
}

char CodeAt(const Teacher& t, int day, int lesson) {
    const std::string& o = t.occupancy[day];
    return static_cast<int>(o.size()) >= lesson ? o[lesson - 1] : '0';
}
void SetCode(Teacher& t, int day, int lesson, char code) {
    std::string& o = t.occupancy[day];
    if (static_cast<int>(o.size()) < kLessons) o.resize(kLessons, '0');
    o[lesson - 1] = code;
}

// The current teacher after FindTeacher.
Teacher& FoundTeacher(Model& m) { return m.departments[m.sel.department].teachers[m.sel.teacher]; }

// A teacher's name for a cell: a department's teacher, or "Н" for none. False
// for any other answer.
bool TeacherAnswer(const Model& m, const std::string& answer, SpecialisationCell& cell) {
    if (answer == "Н") {
        cell = SpecialisationCell{};
        return true;
    }
    if (answer.empty() || answer == kUnknownTeacher || !TeacherInAnyDepartment(m, answer)) return false;
    cell = SpecialisationCell{answer, "-", 0};
    return true;
}

}  // namespace

// ---------------------------------------------------------------- texts and cells

std::string SpecialisationTitle(const Model& m) {
    if (!HasCurrent(m)) return "Специализация";
    const Specialisation& s = Current(m);
    std::string groups;
    for (int g = 1; g <= s.groups.size(); ++g) groups += (g > 1 ? " - " : "") + s.groups[g];
    return "Специализация : " + std::to_string(s.course) + "  курс - " + s.division + " : Группы " + groups +
           " : " + (s.day >= 1 && s.day <= kDays ? kDayNames[s.day] : "");
}

void SetSpecialisationCaption(Model& m) {
    CaptionTexts& t = m.shell.caption;
    if (!HasCurrent(m)) {
        t.specialisationCourse = t.specialisationName = t.specialisationGroups = "";
        return;
    }
    const Specialisation& s = Current(m);
    t.specialisationCourse = std::to_string(s.course);
    t.specialisationName = s.division;
    t.specialisationGroups.clear();
    for (int g = 1; g <= s.groups.size(); ++g) t.specialisationGroups += (g > 1 ? " - " : "") + s.groups[g];
}

Cell SpecialisationListCell(const Model& m, int row, int column) {
    static const char* const kHeader[4] = {"Курс", "Отдел.", "Часы", "День"};
    Cell c;
    c.font = "Arial";
    c.size = 9;
    if (column < 0 || column > 3) return c;
    if (row == 0) {
        c.text = kHeader[column];
        c.background = kSkyBlue;
        c.bold = true;
        return c;
    }
    if (!m.specialisations.valid(row)) return c;
    const Specialisation& s = m.specialisations[row];
    switch (column) {
        case 0: c.text = "   " + std::to_string(s.course); break;
        case 1: c.text = s.division; break;
        case 2: c.text = " " + std::to_string(s.hours); break;
        case 3: c.text = s.day >= 1 && s.day <= 7 ? kShortDayNames[s.day] : ""; break;
    }
    if (row == m.currentSpecialisation) {
        c.background = 0x000080;
        c.colour = kWhite;
    }
    return c;
}

namespace {

// A cell of the cell or lesson table: Arial 9; the heading row (variants) and the
// heading column (hours or lessons) are bold on sky blue. False for a data cell.
bool VariantTableHeading(Cell& c, int row, int column, const char* corner, const std::string& rowHeading) {
    c.font = "Arial";
    c.size = 9;
    if (row != 0 && column != 0) return false;
    c.background = kSkyBlue;
    c.bold = true;
    if (row == 0 && column == 0) c.text = corner;
    else if (row == 0) c.text = " " + std::to_string(column) + " вариант";
    else c.text = rowHeading;
    return true;
}

}  // namespace

Cell SpecialisationCellTableCell(const Model& m, int row, int column) {
    Cell c;
    if (VariantTableHeading(c, row, column, "Час", " " + std::to_string(row))) return c;
    if (!HasCurrent(m)) return c;
    const Specialisation& s = Current(m);
    if (column > s.variants || row > s.hours) return c;
    const SpecialisationCell& cell = s.cell(column, row);
    const SpecialisationScreenState& st = m.specScreen;
    c.text = st.display == 1 ? cell.teacher : st.display == 2 ? cell.room : TeacherAndRoom(cell);
    c.background = cell.placed() ? m.config.colourC : kWhite;
    const bool chosen = st.variant == column && st.hour == row;
    if (chosen && st.editing && st.state == kSpecEditCell) c.background = kYellow;
    if (chosen && st.state == kSpecPlacingCell) c.background = kAqua;
    if (chosen && st.state == kSpecTypingRoom) c.background = m.config.colourD;
    return c;
}

Cell SpecialisationLessonTableCell(const Model& m, int row, int column) {
    Cell c;
    if (VariantTableHeading(c, row, column, "Ур.", RightAligned(row, 2))) return c;
    if (!HasCurrent(m)) return c;
    const Specialisation& s = Current(m);
    const int h = HourAt(s, column, row);
    if (h != 0) {
        c.text = TeacherAndRoom(s.cell(column, h));
        c.background = m.config.colourC;
    }
    const SpecialisationScreenState& st = m.specScreen;
    if (st.state == kSpecRoomLesson && st.variant == column && st.lesson == row) c.background = m.config.colourD;
    return c;
}

Cell SpecialisationGroupCell(const Model& m, int row) {
    Cell c;
    c.font = "Arial";
    c.size = 9;
    c.colour = kBlue;
    if (!HasCurrent(m)) return c;
    const Specialisation& s = Current(m);
    if (!s.groups.valid(row + 1)) return c;
    c.text = s.groups[row + 1] + " группа";
    if (m.specScreen.editing && m.specScreen.group == row + 1) c.background = kYellow;
    return c;
}

Cell SpecialisationRoomCell(const Model& m, const RoomLayoutPart& part, int column) {
    Cell c;
    c.font = "Arial";
    c.size = 8;
    c.left = 5;
    const int room = part.firstRoom + column;
    if (column < 0 || column >= part.roomCount || !m.rooms.valid(room)) return c;
    c.text = m.rooms[room].number;
    const SpecialisationScreenState& st = m.specScreen;
    if (st.state != kSpecRoomLesson || !HasCurrent(m)) return c;
    const int day = Current(m).day;
    if (m.roomOccupancy.at(room, day, st.lesson) == 0) {
        const RoomNotes& n = m.rooms[room].notes;
        const bool noted = (n.note1[day][st.lesson] != "-" && !n.note1[day][st.lesson].empty()) ||
                           (n.note2[day][st.lesson] != "-" && !n.note2[day][st.lesson].empty());
        c.background = noted ? kSilver : m.config.colourC;
    } else {
        c.background = kRed;
        c.colour = kWhite;
    }
    return c;
}

SpecialisationStatus SpecialisationStatusTexts(const Model& m) {
    SpecialisationStatus out;
    const SpecialisationScreenState& st = m.specScreen;
    if (st.editing || !HasCurrent(m)) return out;
    const Specialisation& s = Current(m);
    if (st.state == kSpecPlacingCell && st.variant >= 1 && st.variant <= s.variants && st.hour >= 1 &&
        st.hour <= s.hours) {
        out.mode = "   Постановка!";
        out.placing = true;
        out.variant = " " + std::to_string(st.variant) + " вариант";
        out.hour = " " + std::to_string(st.hour) + " час";
        out.cell = TeacherAndRoom(s.cell(st.variant, st.hour));
    } else if (st.state == kSpecRoomLesson) {
        out.mode = "   Аудитория!";
    }
    return out;
}

// ---------------------------------------------------------------- clicks and modes

void SelectSpecialisation(Model& m, int index) {
    if (!m.specialisations.valid(index)) return;
    m.currentSpecialisation = index;
    m.specScreen.warning.clear();
    m.specScreen.group = 1;
    Idle(m);
}

void SwitchSpecialisationDisplay(Model& m) { m.specScreen.display = m.specScreen.display % 3 + 1; }

void SwitchSpecialisationEditing(Model& m) {
    m.specScreen.editing = !m.specScreen.editing;
    Idle(m);
}

void EnterSpecialisationEditing(Model& m) {
    m.specScreen.editing = true;
    Idle(m);
}

void SwitchSpecialisationRoomMode(Model& m) {
    m.specScreen.roomMode = !m.specScreen.roomMode;
    Idle(m);
}

void CancelSpecialisation(Model& m) {
    m.specScreen.warning.clear();
    Idle(m);
}

void SpecialisationCellClick(Model& m, Dialogs& dialogs, int v, int h) {
    if (!HasCurrent(m)) return;
    Specialisation& s = Current(m);
    if (v < 1 || v > s.variants || h < 1 || h > s.hours) return;
    SpecialisationScreenState& st = St(m);
    SpecialisationCell& cell = s.cell(v, h);
    if (st.editing) {
        st.variant = v;
        st.hour = h;
        st.state = cell.placed() ? kSpecIdle : kSpecEditCell;
        return;
    }
    if (cell.placed()) return;  // a placed cell cannot be chosen
    if (!st.roomMode) {
        if (st.state != kSpecIdle && st.state != kSpecPlacingCell) return;
        st.variant = v;
        st.hour = h;
        st.state = kSpecPlacingCell;
        return;
    }
    if (st.state != kSpecIdle || st.display == 1) return;
    st.variant = v;
    st.hour = h;
    st.state = kSpecTypingRoom;
    std::string answer = dialogs.Input("Изменение аудитории", "Аудитория?", cell.room);
    Idle(m);
    if (!AcceptText(dialogs, answer)) return;
    cell.room = answer.empty() ? "-" : answer;
    Commit(m);
}

void SpecialisationLessonClick(Model& m, int v, int l) {
    if (!HasCurrent(m) || l < 1 || l > kLessons) return;
    SpecialisationScreenState& st = St(m);
    if (st.editing) return;
    Specialisation& s = Current(m);
    if (v < 1 || v > s.variants) return;
    if (st.roomMode) {
        if (st.state != kSpecIdle || HourAt(s, v, l) == 0) return;
        st.state = kSpecRoomLesson;
        st.variant = v;
        st.lesson = l;
        ComputeRoomOccupancy(m);
        return;
    }
    if (st.state != kSpecPlacingCell || v != st.variant || st.hour < 1 || st.hour > s.hours) return;
    const int day = s.day;
    const int hour = st.hour;
    Idle(m);
    // 1. Within one variant two hours never share a lesson.
    if (HourAt(s, v, l) != 0) return;
    // 2. Every group of the block must be free at that lesson.
    bool taken = false;
    for (const std::string& name : s.groups) {
        const int g = GroupPosition(m, name);
        if (g == 0 || !m.timetables.valid(g)) continue;
        const LessonCell& lc = m.timetables[g].at(day, l);
        for (const LessonEntry* e : {&lc.group, &lc.sub1, &lc.sub2})
            if (!e->empty()) {
                st.warning = "У " + name + " группы " + std::to_string(l) + " урок уже занят: " + e->discipline;
                taken = true;
                break;
            }
    }
    if (taken) return;
    SpecialisationCell& cell = s.cell(v, hour);
    // 3. A cell without a teacher is not placed.
    if (cell.teacher == kUnknownTeacher) return;
    // 4. The teacher must be free. One who is in no list cannot be marked busy,
    // so the lesson is not placed either.
    if (!FindTeacher(m, cell.teacher)) return;
    if (CodeAt(FoundTeacher(m), day, l) != '0') {
        st.warning = "Преподаватель " + cell.teacher + " занят(а) на " + std::to_string(l) + " уроке!";
        return;
    }
    // 5. The room must be free.
    if (cell.room != "-") {
        ComputeRoomOccupancy(m);
        for (int r = 1; r <= m.rooms.size(); ++r)
            if (m.rooms[r].number == cell.room && m.roomOccupancy.at(r, day, l) != 0) {
                st.warning = "Аудитория " + cell.room + " занята на " + std::to_string(l) + " уроке!";
                return;
            }
    }
    // 6. Placed: the teacher's code and the block are written.
    SetCode(FoundTeacher(m), day, l, '5');
    SaveOccupancy(m, m.sel.department, m.sel.teacher);
    cell.lesson = l;
    Commit(m);
}

void SpecialisationLessonDoubleClick(Model& m, int v, int l) {
    if (!HasCurrent(m) || l < 1 || l > kLessons) return;
    SpecialisationScreenState& st = St(m);
    if (st.editing || st.roomMode || st.state != kSpecIdle) return;
    Specialisation& s = Current(m);
    if (v < 1 || v > s.variants || HourAt(s, v, l) == 0) return;
    for (int h = 1; h <= s.hours; ++h) {
        SpecialisationCell& cell = s.cell(v, h);
        if (cell.lesson != l) continue;
        if (FindTeacher(m, cell.teacher)) {
            SetCode(FoundTeacher(m), s.day, l, '0');
            SaveOccupancy(m, m.sel.department, m.sel.teacher);
        }
        cell.lesson = 0;
    }
    Commit(m);
}

namespace {

// The cell of the lesson chosen in room mode, or nullptr.
SpecialisationCell* ChosenLessonCell(Model& m) {
    SpecialisationScreenState& st = St(m);
    if (!HasCurrent(m) || st.state != kSpecRoomLesson) return nullptr;
    Specialisation& s = Current(m);
    const int h = HourAt(s, st.variant, st.lesson);
    return h == 0 ? nullptr : &s.cell(st.variant, h);
}

}  // namespace

void SpecialisationRoomClick(Model& m, int room) {
    SpecialisationCell* cell = ChosenLessonCell(m);
    if (!cell || !m.rooms.valid(room)) return;
    ComputeRoomOccupancy(m);
    if (m.roomOccupancy.at(room, Current(m).day, m.specScreen.lesson) == 1) return;
    cell->room = m.rooms[room].number;
    Idle(m);
    Commit(m);
}

void RemoveSpecialisationRoom(Model& m) {
    SpecialisationCell* cell = ChosenLessonCell(m);
    if (!cell) return;
    cell->room = "-";
    Idle(m);
    Commit(m);
}

void OtherSpecialisationRoom(Model& m, Dialogs& dialogs) {
    SpecialisationCell* cell = ChosenLessonCell(m);
    if (!cell) return;
    const std::string answer = dialogs.Input("За пределами аудиторного фонда", "Для группы", cell->room);
    Idle(m);
    if (answer.empty() || answer == "-") return;
    for (const Room& r : m.rooms)
        if (r.number == answer) return;
    if (!AcceptText(dialogs, answer)) return;
    cell->room = answer;
    Commit(m);
}

int SpecialisationGroupClick(Model& m, int row) {
    if (!HasCurrent(m) || !Current(m).groups.valid(row + 1)) return 0;
    m.specScreen.group = row + 1;
    if (m.specScreen.editing) return 0;
    return GroupPosition(m, Current(m).groups[row + 1]);
}

// ---------------------------------------------------------------- editing menu

const char* SpecialisationCommandText(SpecialisationCommand c) {
    using C = SpecialisationCommand;
    switch (c) {
        case C::AddVariant: return "Добавить ещё один вариант (столбец) специализации";
        case C::RemoveVariant: return "Убрать вариант (столбец) специализации";
        case C::AddHour: return "Добавить ещё один час (строку) специализации";
        case C::RemoveHour: return "Убрать один час (строку) специализации";
        case C::TeacherForCell: return "Преподаватель - на 1 урок";
        case C::TeacherForVariant: return "Преподаватель - на весь вариант (столбец)";
        case C::ChangeDay: return "День недели для специализации";
        case C::AddGroup: return "Добавить группу по специализации";
        case C::RemoveGroup: return "Снять группу со специализации";
        case C::AddSpecialisation: return "Добавить ещё одну специализацию";
        case C::DeleteSpecialisation: return "Ликвидировать специализацию";
    }
    return "";
}

namespace {

bool AddSpecialisation(Model& m, Dialogs& dialogs) {
    if (m.specialisations.size() >= kMaxSpecialisations) return false;
    if (!dialogs.Confirm("Добавление ещё одной специализации", "Добавить ещё одну специализацию?")) return false;
    const std::string division = dialogs.Input("Отделение для новой специализации", "Отделение?", "");
    const std::string course = dialogs.Input("Курс для новой специализации", "Курс?", "1");
    const std::string group = dialogs.Input("Группа для новой специализации", "Группа?", "101");
    if (division.empty() || group.empty()) return false;
    if (course.size() != 1 || course[0] < '1' || course[0] > '5') return false;
    const std::string key = division + "-" + course;
    for (const Specialisation& s : m.specialisations)
        if (s.key == key) return false;
    if (!AcceptText(dialogs, division) || !AcceptText(dialogs, group)) return false;
    const std::string problem = FileNameProblem(key);
    if (!problem.empty()) {
        dialogs.Message("Специализация «" + key + "» не может быть добавлена: " + problem);
        return false;
    }
    Specialisation s;
    s.key = key;
    s.division = division;
    s.course = course[0] - '0';
    s.day = 1;
    s.hours = 2;
    s.variants = 1;
    s.groups.push_back(group);
    m.specialisations.push_back(s);
    m.currentSpecialisation = m.specialisations.size();
    return true;
}

bool DeleteSpecialisation(Model& m, Dialogs& dialogs) {
    if (m.specialisations.size() <= 1 || AnyPlaced(Current(m))) return false;
    if (!dialogs.Confirm("Ликвидация специализации!", "Ликвидировать эту специализацию?")) return false;
    const std::string path = SpePath(m, Current(m).key);
    auto rest = std::make_unique<Table<Specialisation, kMaxSpecialisations>>();
    for (int i = 1; i <= m.specialisations.size(); ++i)
        if (i != m.currentSpecialisation) rest->push_back(m.specialisations[i]);
    m.specialisations = *rest;
    m.currentSpecialisation = 1;
    // The list first: a list that still named a deleted file could not be read.
    SaveSpecialisationList(m);
    RemoveFile(path);
    return true;
}

}  // namespace

bool RunSpecialisationCommand(Model& m, Dialogs& dialogs, SpecialisationCommand command) {
    using C = SpecialisationCommand;
    SpecialisationScreenState& st = St(m);
    if (!st.editing || !HasCurrent(m)) return false;
    Specialisation& s = Current(m);
    const bool cellChosen = st.variant >= 1 && st.variant <= s.variants && st.hour >= 1 && st.hour <= s.hours;
    bool changed = false;
    switch (command) {
        case C::AddVariant:
            if (s.variants >= kMaxSpecialisationVariants) return false;
            ++s.variants;
            for (int h = 1; h <= kMaxSpecialisationHours; ++h) s.cell(s.variants, h) = SpecialisationCell{};
            changed = true;
            break;
        case C::RemoveVariant: {
            if (s.variants < 2 || !cellChosen || VariantPlaced(s, st.variant)) return false;
            if (!dialogs.Confirm("Ликвидация варианта специализации (столбца)",
                                 "Убрать вариант специализации (столбец)?"))
                return false;
            for (int v = st.variant; v < s.variants; ++v) s.cells[v] = s.cells[v + 1];
            s.cells[s.variants] = {};
            --s.variants;
            changed = true;
            break;
        }
        case C::AddHour:
            if (s.hours >= kMaxSpecialisationHours) return false;
            ++s.hours;
            for (int v = 1; v <= kMaxSpecialisationVariants; ++v) s.cell(v, s.hours) = SpecialisationCell{};
            changed = true;
            break;
        case C::RemoveHour:
            if (s.hours < 2 || !cellChosen || HourPlaced(s, st.hour)) return false;
            if (!dialogs.Confirm("Ликвидация часа специализации (строки)", "Убрать один час специализации (строку)?"))
                return false;
            for (int v = 1; v <= kMaxSpecialisationVariants; ++v) {
                for (int h = st.hour; h < s.hours; ++h) s.cell(v, h) = s.cell(v, h + 1);
                s.cell(v, s.hours) = SpecialisationCell{};
            }
            --s.hours;
            changed = true;
            break;
        case C::TeacherForCell: {
            if (!cellChosen || s.cell(st.variant, st.hour).placed()) return false;
            SpecialisationCell& cell = s.cell(st.variant, st.hour);
            const std::string answer = dialogs.Input("Замена преподавателя", "Новый преподаватель?", cell.teacher);
            changed = TeacherAnswer(m, answer, cell);
            break;
        }
        case C::TeacherForVariant: {
            if (!cellChosen || VariantPlaced(s, st.variant)) return false;
            if (!dialogs.Confirm("Постановка одного преподавателя на весь вариант (столбец)",
                                 "Поставить одного преподавателя на весь вариант (столбец)?"))
                return false;
            // The default is the variant's first named teacher.
            std::string def = kUnknownTeacher;
            for (int h = s.hours; h >= 1; --h)
                if (s.cell(st.variant, h).teacher != kUnknownTeacher) def = s.cell(st.variant, h).teacher;
            const std::string answer = dialogs.Input("Преподаватель на весь столбец", "Новый преподаватель?", def);
            SpecialisationCell cell;
            if (!TeacherAnswer(m, answer, cell)) return false;
            for (int h = 1; h <= s.hours; ++h) s.cell(st.variant, h) = cell;
            changed = true;
            break;
        }
        case C::ChangeDay: {
            if (AnyPlaced(s)) return false;
            if (!dialogs.Confirm("Изменение дня недели для специализации", "Изменить день недели для специализации?"))
                return false;
            const std::string answer =
                dialogs.Input("Изменение дня недели", "День для специализации?", std::to_string(s.day));
            if (answer.size() != 1 || answer[0] < '1' || answer[0] > '6') return false;
            s.day = answer[0] - '0';
            changed = true;
            break;
        }
        case C::AddGroup: {
            if (AnyPlaced(s) || s.groups.size() >= kMaxSpecialisationGroups) return false;
            const std::string answer = dialogs.Input("Добавление группы по специализации", "Номер группы?", "");
            if (answer.empty() || GroupPosition(m, answer) == 0) return false;
            s.groups.push_back(answer);
            changed = true;
            break;
        }
        case C::RemoveGroup: {
            if (s.groups.size() < 2 || AnyPlaced(s) || !s.groups.valid(st.group)) return false;
            if (!dialogs.Confirm("Снятие группы со специализации", "Снять группу со специализации?")) return false;
            for (int g = st.group; g < s.groups.size(); ++g) s.groups[g] = s.groups[g + 1];
            s.groups.resize(s.groups.size() - 1);
            if (!s.groups.valid(st.group)) st.group = s.groups.size();
            changed = true;
            break;
        }
        case C::AddSpecialisation: changed = AddSpecialisation(m, dialogs); break;
        case C::DeleteSpecialisation: changed = DeleteSpecialisation(m, dialogs); break;
    }
    if (!changed) return false;
    Idle(m);
    Commit(m);
    return true;
}
