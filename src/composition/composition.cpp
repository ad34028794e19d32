#include "composition/composition.h"

#include "shell/navigation.h"

#include "platform/dialogs.h"
#include "shell/model.h"
#include "base/textfile.h"

namespace {

constexpr Colour kHeader = 0xF0F0F0;


CompositionState& State(Model& m) { return m.composition; }

bool HasGroup(const Model& m) {
    const int g = m.sel.group;
    return g >= 1 && g <= m.groups.size() && g <= m.timetables.size();
}

const ExtractLine* Line(const Model& m, int line) {
    const int g = m.sel.group;
    if (g < 1 || g > m.extracts.size()) return nullptr;
    const GroupExtract& x = m.extracts[g];
    if (line < 1 || line > x.lines.size()) return nullptr;
    return &x.lines[line];
}

const ExtractLine* SelectedLine(const Model& m) { return Line(m, m.composition.line); }

LessonCell& Slot(Model& m, int day, int lesson) { return m.timetables[m.sel.group].at(day, lesson); }
const LessonCell& Slot(const Model& m, int day, int lesson) { return m.timetables[m.sel.group].at(day, lesson); }

bool ValidSlot(int day, int lesson) { return day >= 1 && day <= kDays && lesson >= 1 && lesson <= kLessons; }

Teacher& CurrentTeacher(Model& m) { return m.departments[m.sel.department].teachers[m.sel.teacher]; }
const Teacher* CurrentTeacherOrNull(const Model& m) {
    const int d = m.sel.department, t = m.sel.teacher;
    if (d < 1 || d > m.departments.size() || t < 1 || t > m.departments[d].teachers.size()) return nullptr;
    return &m.departments[d].teachers[t];
}

char OccupancyCode(const Teacher& t, int day, int lesson) {
    const std::string& s = t.occupancy[day];
    return lesson <= static_cast<int>(s.size()) ? s[lesson - 1] : '0';
}

// Sets the current teacher's code and writes the ".zan"; a short day line is padded first.
void SetCurrentCode(Model& m, int day, int lesson, char code) {
    std::string& s = CurrentTeacher(m).occupancy[day];
    if (static_cast<int>(s.size()) < kLessons) s.resize(kLessons, '0');
    s[lesson - 1] = code;
    SaveOccupancy(m, m.sel.department, m.sel.teacher);
}

// The teacher of a removed entry gets "0" again, when found.
void FreeTeacher(Model& m, const std::string& teacher, int day, int lesson) {
    if (FindTeacher(m, teacher)) SetCurrentCode(m, day, lesson, '0');
}

bool IsPlacing(int s) { return s == kStatusPlaceGroup || s == kStatusPlaceSub1 || s == kStatusPlaceSub2; }
bool IsRoomChoice(int s) { return s == kStatusRoomForGroup || s == kStatusRoomForSub1 || s == kStatusRoomForSub2; }
bool IsRefusal(int s) {
    switch (s) {
        case 2: case 3: case 4: case 8: case 9: case 10: case 12: case 103: case 104: return true;
        default: return false;
    }
}
int RoomChoicePart(int s) {
    return s == kStatusRoomForGroup ? kPartGroup : s == kStatusRoomForSub1 ? kPartSub1 : kPartSub2;
}

// The specialisation whose group list names the current group, the last in list order; 0 when none.
int GroupSpecialisation(const Model& m) {
    const std::string& name = m.groups[m.sel.group].number;
    int found = 0;
    for (int s = 1; s <= m.specialisations.size(); ++s)
        for (const std::string& g : m.specialisations[s].groups)
            if (g == name) found = s;
    return found;
}

int FirstGroupSpecialisation(const Model& m) {
    const std::string& name = m.groups[m.sel.group].number;
    for (int s = 1; s <= m.specialisations.size(); ++s)
        for (const std::string& g : m.specialisations[s].groups)
            if (g == name) return s;
    return 0;
}

bool IsSpecialisationLesson(const Model& m, int day, int lesson) {
    const int g = m.sel.group;
    if (g > kMaxGroups || m.specialisationDay[g] != day) return false;
    const int s = GroupSpecialisation(m);
    if (s == 0) return false;
    const Specialisation& sp = m.specialisations[s];
    for (int v = 1; v <= sp.variants && v <= kMaxSpecialisationVariants; ++v)
        for (int h = 1; h <= sp.hours && h <= kMaxSpecialisationHours; ++h)
            if (sp.cell(v, h).lesson == lesson) return true;
    return false;
}

int RoomPosition(const Model& m, const std::string& name) {
    int found = 0;
    for (int r = 1; r <= m.rooms.size(); ++r)
        if (m.rooms[r].number == name) found = r;
    return found;
}

// The teacher's own room when the option is on and the room is free at that lesson;
// otherwise the entry keeps `current`. The lookups make them the current teacher and room.
std::string AutomaticRoom(Model& m, const std::string& teacher, int day, int lesson, const std::string& current) {
    if (m.composition.autoRoom != 1 || !FindTeacher(m, teacher)) return current;
    const std::string own = CurrentTeacher(m).room;
    if (own == "-" || !FindRoom(m, own)) return current;
    if (m.roomOccupancy.at(m.sel.room, day, lesson) != 0) return current;
    return m.rooms[m.sel.room].number;
}

std::string EntryText(const LessonEntry& e) { return e.discipline + " - " + e.teacher + " - ауд. " + e.room; }
std::string EntryWithRoom(const LessonEntry& e) {
    return e.discipline + " - " + e.teacher + (e.room != "-" ? " - ауд. " + e.room : "");
}

std::string NumberText(int v) { return std::to_string(v); }

}  // namespace

bool IsCompositionMode(int s) {
    switch (s) {
        case 0: case 1: case 5: case 6: case 7: case 101: case 102: case 105: case 106: return true;
        default: return false;
    }
}

// ---------------------------------------------------------------- line selection

int SelectExtractLine(Model& m, int line, int column) {
    CompositionState& st = State(m);
    st.status = kStatusIdle;
    const ExtractLine* x = Line(m, line);
    if (!HasGroup(m) || x == nullptr) return 0;
    st.line = line;
    if (IsAdditionalTraining(x->discipline)) {
        const int s = FirstGroupSpecialisation(m);
        if (s != 0) {
            m.currentSpecialisation = s;
            return 51;
        }
    }
    if (IsTeachingPractice(x->discipline)) return 0;

    // Codes 1, 6 and 7 need a teacher that is assigned and can be found.
    auto placing = [&](CompositionStatus code, const std::string& teacher) {
        for (const std::string* t : {&x->teacherGroup, &x->teacherSub1, &x->teacherSub2})
            if (*t == kUnknownTeacher) return;
        if (x->teacherGroup.empty() && x->teacherSub1.empty() && x->teacherSub2.empty()) return;
        st.status = code;
        if (!FindTeacher(m, teacher)) st.status = kStatusIdle;
    };
    switch (column) {
        case 2:  // whole group
            if (x->hoursGroup == 0)
                st.status = kStatusOnlySubgroups;
            else if (x->placed[kPartGroup] < x->hoursGroup)
                placing(kStatusPlaceGroup, x->teacherGroup);
            else if (x->placed[kPartGroup] == x->hoursGroup)
                st.status = kStatusGroupComplete;
            break;
        case 1:
            if (x->hoursSub1 == 0)
                st.status = kStatusOnlyWholeGroup;
            else if (x->placed[kPartSub1] < x->hoursSub1)
                placing(kStatusPlaceSub1, x->teacherSub1);
            else if (x->placed[kPartSub1] == x->hoursSub1)
                st.status = kStatusSub1Complete;
            break;
        case 3:
            if (x->hoursSub2 == 0)
                st.status = kStatusOnlyWholeGroup;
            else if (x->placed[kPartSub2] < x->hoursSub2)
                placing(kStatusPlaceSub2, x->teacherSub2);
            else if (x->placed[kPartSub2] == x->hoursSub2)
                st.status = kStatusSub2Complete;
            break;
        case 0:
            st.status = kStatusLineInfo;
            break;
        default:
            break;
    }
    return 0;
}

// ---------------------------------------------------------------- placing and removing

void PlaceAt(Model& m, int day, int lesson, int column) {
    CompositionState& st = State(m);
    if (!HasGroup(m) || !ValidSlot(day, lesson)) return;
    if (column == 0) {
        st.status = kStatusIdle;
        return;
    }
    if (IsSpecialisationLesson(m, day, lesson)) {
        st.status = kStatusIdle;
        return;
    }
    if (column == 1 && !IsPlacing(st.status)) {
        st.status = kStatusLessonChosen;
        st.day = day;
        st.lesson = lesson;
        return;
    }
    if (!IsPlacing(st.status)) return;
    const ExtractLine* x = SelectedLine(m);
    if (x == nullptr) {
        st.status = kStatusIdle;
        return;
    }
    const int part = st.status == kStatusPlaceGroup ? kPartGroup : st.status == kStatusPlaceSub1 ? kPartSub1 : kPartSub2;
    const std::string& teacher =
        part == kPartGroup ? x->teacherGroup : part == kPartSub1 ? x->teacherSub1 : x->teacherSub2;
    LessonCell& cell = Slot(m, day, lesson);
    const bool taken = part == kPartGroup ? !cell.group.empty() || !cell.sub1.empty() || !cell.sub2.empty()
                                          : !cell.group.empty() || !cell.part(part).empty();
    if (taken) {
        st.status = kStatusLessonTaken;
        return;
    }
    // The current teacher is the line's teacher of this part (found when the line was selected).
    if (!FindTeacher(m, teacher)) {
        st.status = kStatusIdle;
        return;
    }
    if (OccupancyCode(CurrentTeacher(m), day, lesson) != '0') {
        st.status = kStatusTeacherBusy;
        return;
    }
    const std::string discipline = x->discipline;
    const std::string teacherName = teacher;
    LessonEntry& e = cell.part(part);
    const std::string room = AutomaticRoom(m, teacherName, day, lesson, e.room);
    e = LessonEntry{discipline, teacherName, room};
    SaveGroupTimetable(m, m.sel.group);
    FindTeacher(m, teacherName);
    SetCurrentCode(m, day, lesson, '3');
    st.status = kStatusPlaced;
}

void RemoveAt(Model& m, int day, int lesson, int column) {
    CompositionState& st = State(m);
    if (!HasGroup(m) || !ValidSlot(day, lesson) || st.status != kStatusIdle) return;
    const int part = column == 2 ? kPartSub1 : column == 3 ? kPartGroup : column == 4 ? kPartSub2 : 0;
    if (part == 0) return;
    LessonEntry& e = Slot(m, day, lesson).part(part);
    if (e.empty()) return;
    const std::string teacher = e.teacher;
    e = LessonEntry{};
    SaveGroupTimetable(m, m.sel.group);
    FreeTeacher(m, teacher, day, lesson);
    st.status = kStatusRemoved;
}

// ---------------------------------------------------------------- rooms

void BeginRoomChoice(Model& m, int part) {
    CompositionState& st = State(m);
    if (st.status != kStatusLessonChosen || !HasGroup(m) || !ValidSlot(st.day, st.lesson)) return;
    if (part < kPartGroup || part > kPartSub2 || Slot(m, st.day, st.lesson).part(part).empty()) return;
    st.status = part == kPartGroup ? kStatusRoomForGroup : part == kPartSub1 ? kStatusRoomForSub1 : kStatusRoomForSub2;
}

void RemoveRoom(Model& m, int part) {
    CompositionState& st = State(m);
    if (st.status != kStatusLessonChosen || !HasGroup(m) || !ValidSlot(st.day, st.lesson)) return;
    if (part < kPartGroup || part > kPartSub2) return;
    LessonEntry& e = Slot(m, st.day, st.lesson).part(part);
    if (e.empty()) return;
    e.room = "-";
    SaveGroupTimetable(m, m.sel.group);
}

void AssignRoom(Model& m, Dialogs& dialogs, int room) {
    CompositionState& st = State(m);
    if (!HasGroup(m) || !ValidSlot(st.day, st.lesson) || room < 1 || room > m.rooms.size()) return;
    m.sel.room = room;
    const bool occupied = m.roomOccupancy.at(room, st.day, st.lesson) != 0;
    const std::string& name = m.rooms[room].number;
    if (st.status == kStatusLessonChosen) {
        if (!occupied) return;
        dialogs.Message("Аудитория " + name + " занята на " + NumberText(st.lesson) + " уроке! - " +
                        RoomOccupantText(m, name, st.day, st.lesson));
        st.status = kStatusIdle;
        return;
    }
    if (!IsRoomChoice(st.status)) return;
    const int part = RoomChoicePart(st.status);
    LessonEntry& e = Slot(m, st.day, st.lesson).part(part);
    if (e.empty()) return;
    if (occupied) {
        st.status = kStatusRoomOccupied;
        return;
    }
    if (part == kPartGroup && m.rooms[room].small == 1) {
        st.status = kStatusRoomTooSmall;
        return;
    }
    e.room = name;
    SaveGroupTimetable(m, m.sel.group);
    st.status = kStatusIdle;
}

void AssignOtherRoom(Model& m, Dialogs& dialogs) {
    CompositionState& st = State(m);
    if (!IsRoomChoice(st.status) || !HasGroup(m) || !ValidSlot(st.day, st.lesson)) return;
    const int part = RoomChoicePart(st.status);
    LessonEntry& e = Slot(m, st.day, st.lesson).part(part);
    if (e.empty()) return;
    const char* prompt = part == kPartGroup ? "Для группы" : part == kPartSub1 ? "Для 1 подгруппы" : "Для 2 подгруппы";
    const std::string answer = dialogs.Input("За пределами аудиторного фонда", prompt, e.room);
    st.status = kStatusIdle;
    if (answer.empty() || answer == "-" || RoomPosition(m, answer) != 0) return;
    // A line break would shift every later line of the positional ".ras" file.
    if (answer.find_first_of("\r\n") != std::string::npos) return;
    if (!AcceptText(dialogs, answer)) return;
    e.room = answer;
    SaveGroupTimetable(m, m.sel.group);
}

void CancelComposition(Model& m) { State(m).status = kStatusIdle; }

// ---------------------------------------------------------------- day tables' menus

void SetPracticeDay(Model& m, int day) {
    if (!HasGroup(m) || day < 0 || day > kDays) return;
    m.groups[m.sel.group].practiceDay = day;
    SavePracticeDays(m);
}

void SetFirstLesson(Model& m, int day, int lesson) {
    if (!HasGroup(m) || !ValidSlot(day, lesson) || m.sel.group > m.lessonLimits.size()) return;
    m.lessonLimits[m.sel.group].first[day] = lesson;
    State(m).status = kStatusIdle;
    SaveLessonLimits(m, m.sel.group);
}

void SetLastLesson(Model& m, int day, int lesson) {
    if (!HasGroup(m) || !ValidSlot(day, lesson) || m.sel.group > m.lessonLimits.size()) return;
    m.lessonLimits[m.sel.group].last[day] = lesson;
    State(m).status = kStatusIdle;
    SaveLessonLimits(m, m.sel.group);
}

bool ClearDay(Model& m, Dialogs& dialogs, int day) {
    static const char* const kWhat[kDays + 1] = {"", "с понедельника", "со вторника", "со среды",
                                                 "с четверга", "с пятницы", "с субботы"};
    static const char* const kOn[kDays + 1] = {"", "понедельник", "вторник", "среду", "четверг", "пятницу", "субботу"};
    if (!HasGroup(m) || day < 1 || day > kDays) return false;
    if (!dialogs.Confirm(std::string("Очистка расписания на ") + kOn[day],
                         std::string("Снять все уроки ") + kWhat[day] + "?"))
        return false;
    for (int l = 1; l <= kLessons; ++l)
        for (int p = kPartGroup; p <= kPartSub2; ++p) {
            LessonEntry& e = Slot(m, day, l).part(p);
            if (e.empty()) continue;
            const std::string teacher = e.teacher;
            e = LessonEntry{};
            FreeTeacher(m, teacher, day, l);
        }
    SaveGroupTimetable(m, m.sel.group);
    State(m).status = kStatusIdle;
    return true;
}

// ---------------------------------------------------------------- switches and redraw

void ChooseCompositionGroup(Model& m, int group) {
    if (group < 1 || group > m.groups.size()) return;
    m.sel.group = group;
    State(m).status = kStatusIdle;
}
void ToggleChooserMode(Model& m) { State(m).chooserMode = State(m).chooserMode == 1 ? 2 : 1; }
void ToggleCompleteColour(Model& m) { State(m).completeColour = State(m).completeColour == 1 ? 2 : 1; }
void ToggleAutoRoom(Model& m) { State(m).autoRoom = Toggled(State(m).autoRoom); }
void ToggleLimitsDisplay(Model& m) { State(m).limitsDisplay = Toggled(State(m).limitsDisplay); }
void ToggleLimitsForm(Model& m) { State(m).limitsForm = State(m).limitsForm == 1 ? 2 : 1; }
void ResetGroupComposition(Model& m) { State(m).status = kStatusIdle; }

void RedrawGroupComposition(Model& m) {
    ComputePlacedCounts(m);
    ComputeRoomOccupancy(m);
    CompositionState& st = State(m);
    StatusTexts t = CompositionStatusTexts(m, st.status);
    st.shownStatus = st.status;
    st.lines = t.lines;
    st.caption = t.caption;
    if (!IsCompositionMode(st.status)) st.status = kStatusIdle;
}

// ---------------------------------------------------------------- texts

StatusTexts CompositionStatusTexts(const Model& m, int status) {
    StatusTexts t;
    auto& L = t.lines;
    if (!HasGroup(m)) return t;
    const CompositionState& st = m.composition;
    if (status >= 100) {
        if (!ValidSlot(st.day, st.lesson)) return t;
        const LessonCell& c = Slot(m, st.day, st.lesson);
        switch (status) {
            case kStatusLessonChosen:
                L[0] = std::string(kDayNames[st.day]) + " - " + NumberText(st.lesson) + " урок";
                if (!c.group.empty()) L[1] = EntryText(c.group);
                if (!c.sub1.empty()) L[1] = "1 : " + EntryText(c.sub1);
                if (!c.sub2.empty()) L[2] = "2 : " + EntryText(c.sub2);
                break;
            case kStatusRoomForGroup:
                L = {EntryWithRoom(c.group), "Постановка аудитории для группы",
                     "Сейчас нужно щёлкнуть по свободной (зелёной) аудитории"};
                break;
            case kStatusRoomForSub1:
                L = {"1: " + EntryWithRoom(c.sub1), "Постановка аудитории для 1-й ПОДгруппы",
                     "Сейчас нужно щёлкнуть по свободной (зелёной) аудитории"};
                break;
            case kStatusRoomForSub2:
                L = {"2 : " + EntryWithRoom(c.sub2), "Постановка аудитории для 2-й ПОДгруппы",
                     "Сейчас нужно щёлкнуть по свободной (зелёной) аудитории"};
                break;
            case kStatusRoomOccupied: L[2] = "Аудитория занята!"; break;
            case kStatusRoomTooSmall: L[2] = "Группа не поместится в эту аудиторию!"; break;
            default: break;
        }
        return t;
    }
    const ExtractLine* x = SelectedLine(m);
    if (x == nullptr || status == 0 || status == kStatusPlaced || status == kStatusRemoved) return t;
    const std::string& D = x->discipline;
    const std::string DT = D + " - " + x->teacherGroup;
    const std::string DT12 = D + " - " + x->teacherSub1 + " / " + x->teacherSub2;
    const char* hint = "Сейчас нужно щёлкнуть мышью в нужном месте в таблице расписания";
    const char* complete = "Все часы этой дисциплины уже поставлены в расписание!";
    switch (status) {
        case 1: L = {DT, "Постановка дисциплины в расписание", hint}; break;
        case 2: L = {DT, "Попытка постановки дисциплины в расписание", complete}; break;
        case 3:
            L = {DT12, "Попытка постановки дисциплины в расписание для группы",
                 "Эта дисциплина ставится в расписание только по подгруппам!"};
            break;
        case 4:
            L = {DT, "Попытка постановки дисциплины в расписание для подгруппы",
                 "Эта дисциплина ставится в расписание только по группам!"};
            break;
        case 5:
            L[0] = x->hoursGroup > 0 ? DT : DT12;
            L[2] = x->hoursGroup > 0 ? "В расписание ставить по группам." : "В расписание ставить по ПОДгруппам.";
            if (x->teacherGroup != "-") t.caption = DT;
            if (x->teacherSub1 != "-" && x->teacherSub2 != "-") t.caption = DT12;
            break;
        case 6: L = {D + " - " + x->teacherSub1, "Постановка дисциплины в расписание (1-я подгруппа)", hint}; break;
        case 7: L = {D + " - " + x->teacherSub2, "Постановка дисциплины в расписание (2-я подгруппа)", hint}; break;
        case 8:
            L = {D + " - " + x->teacherSub1, "Попытка постановки дисциплины в расписание (1-я подгруппа)", complete};
            break;
        case 9:
            L = {D + " - " + x->teacherSub2, "Попытка постановки дисциплины в расписание (2-я подгруппа)", complete};
            break;
        case 10: L = {DT, "Попытка постановки дисциплины в расписание", "Этот урок уже занят!"}; break;
        case 12: L = {DT, "Попытка постановки дисциплины в расписание", "Преподаватель в это время занят!"}; break;
        default: break;
    }
    if (status == 1 || status == 2 || status == 4 || status == 10 || status == 12) t.caption = L[0];
    if (status == 3 || (status >= 6 && status <= 9)) t.caption = DT12;
    return t;
}

Colour StatusLineColour(int status, int line) {
    if (line == 1) return status == kStatusLessonChosen ? kFuchsia : kBlack;
    if (IsRefusal(status)) return kRed;
    if (line == 2 && (IsPlacing(status) || IsRoomChoice(status))) return kBlue;
    return kBlack;
}

std::string CompositionWindowCaption(const Model& m) {
    if (m.composition.caption.empty()) return CaptionFor(m, ScreenId::kGroupComposition, NowMoment{});
    return m.config.training() ? "ТРЕНИРОВКА : " + m.composition.caption : m.composition.caption;
}

// ---------------------------------------------------------------- cell functions

Colour CompositionFreeColour(const Model& m) { return m.config.colourC; }

int ExtractGridRows(const Model& m) {
    const int g = m.sel.group;
    const int lines = g >= 1 && g <= m.extracts.size() ? m.extracts[g].lines.size() : 0;
    return std::max(2, lines + 1);
}

namespace {

bool WholeGroupLine(const ExtractLine& x) { return x.hoursSub1 == 0 && x.hoursSub2 == 0; }
bool SplitLine(const ExtractLine& x) { return x.hoursSub1 != 0 && x.hoursSub2 != 0; }
std::string Positive(int v) { return v > 0 ? std::to_string(v) : std::string(); }

std::string TeacherColumn(const Model& m, const ExtractLine& x) {
    const bool hide = m.options.showUnknownTeacher == 2;
    if (WholeGroupLine(x)) return hide && x.teacherGroup == kUnknownTeacher ? std::string() : x.teacherGroup;
    if (!SplitLine(x)) return {};
    const std::string a = hide && x.teacherSub1 == kUnknownTeacher ? std::string() : FirstChars(x.teacherSub1, 3);
    const std::string b = hide && x.teacherSub2 == kUnknownTeacher ? std::string() : FirstChars(x.teacherSub2, 3);
    return a + "/" + b;
}

std::string DayName(int day) { return day >= 1 && day <= kDays ? kDayNames[day] : ""; }

}  // namespace

Cell ExtractGridCell(const Model& m, int row, int column) {
    Cell c;
    c.font = "Times";
    c.size = 9;
    c.bold = true;
    c.background = kCream;
    if (row == 0) {
        c.background = kHeader;
        static const char* const kHeads[4] = {"", "Час", "Препод.", "Ост."};
        if (column == 0) {
            if (HasGroup(m)) c.text = m.groups[m.sel.group].number + " гр.";
            c.colour = kBlue;
        } else if (column < 4) {
            c.text = kHeads[column];
        }
        return c;
    }
    const ExtractLine* x = Line(m, row);
    if (x == nullptr) return c;
    const bool practice = IsTeachingPractice(x->discipline);
    const bool training = IsAdditionalTraining(x->discipline);
    switch (column) {
        case 0: c.text = x->discipline; break;
        case 1:
            if (WholeGroupLine(*x))
                c.text = std::to_string(x->hoursGroup);
            else if (SplitLine(*x))
                c.text = std::to_string(x->hoursSub1) + "/" + std::to_string(x->hoursSub2);
            break;
        case 2:
            if (practice)
                c.text = DayName(m.groups[m.sel.group].practiceDay);
            else if (training)
                c.text = m.sel.group <= kMaxGroups ? DayName(m.specialisationDay[m.sel.group]) : "";
            else
                c.text = TeacherColumn(m, *x);
            break;
        case 3:
            if (practice || training) break;
            if (WholeGroupLine(*x)) {
                c.text = Positive(x->hoursGroup - x->placed[kPartGroup]);
            } else if (SplitLine(*x)) {
                const std::string a = Positive(x->hoursSub1 - x->placed[kPartSub1]);
                const std::string b = Positive(x->hoursSub2 - x->placed[kPartSub2]);
                if (!a.empty() || !b.empty()) c.text = a + "/" + b;
            }
            break;
        default: break;
    }
    // Colours: later rules override earlier ones.
    if (training) c.background = kSkyBlue;
    if (practice) {
        c.background = kSkyBlue;
        c.colour = kRed;
    }
    const CompositionState& st = m.composition;
    const bool selected = row == st.line;
    if (selected && st.status == kStatusPlaceGroup) c.background = kAqua;
    if (selected && st.status == kStatusPlaceSub1 && column <= 1) c.background = kAqua;
    if (selected && st.status == kStatusPlaceSub2 && column >= 2) c.background = kAqua;
    const Colour complete = st.completeColour == 1 ? CompositionFreeColour(m) : kSilver;
    if (WholeGroupLine(*x) && x->placed[kPartGroup] == x->hoursGroup) c.background = complete;
    if (SplitLine(*x)) {
        if (column <= 1 && x->placed[kPartSub1] == x->hoursSub1) c.background = complete;
        if (column >= 2 && x->placed[kPartSub2] == x->hoursSub2) c.background = complete;
    }
    if (selected && st.status == kStatusLineInfo) c.background = kYellow;
    return c;
}

namespace {

// "first / second" of the subgroup texts of an empty whole-group entry.
std::string SubgroupText(const LessonCell& cell, int width, const std::string LessonEntry::*field,
                         const char* onlyFirst, const char* onlySecond, const char* both) {
    const bool a = !cell.sub1.empty(), b = !cell.sub2.empty();
    const std::string s1 = FirstChars(cell.sub1.*field, width), s2 = FirstChars(cell.sub2.*field, width);
    if (a && b) return s1 + both + s2;
    if (a) return s1 + onlyFirst;
    if (b) return onlySecond + s2;
    return {};
}

}  // namespace

Cell DayTableCell(const Model& m, int day, int row, int column) {
    Cell c;
    c.font = "Arial";
    c.size = 8;
    if (row == 0) {
        c.background = kHeader;
        c.bold = true;
        if (column == 1) {
            c.text = DayName(day);
            c.colour = kBlue;
        } else if (column == 2) {
            c.text = "Ауд";
        } else if (column == 3) {
            c.text = "Преподаватель";
        }
        return c;
    }
    if (!HasGroup(m) || !ValidSlot(day, row)) return c;
    const int g = m.sel.group;
    const LessonCell& cell = Slot(m, day, row);
    const CompositionState& st = m.composition;
    switch (column) {
        case 0: c.text = std::to_string(row); break;
        case 1:
            if (!cell.group.empty())
                c.text = cell.group.discipline;
            else
                c.text = SubgroupText(cell, 6, &LessonEntry::discipline, " /", "            / ", " / ");
            if (cell.group.empty() && cell.sub1.empty() && cell.sub2.empty()) {
                if (m.groups[g].practiceDay == day) c.text = "  Педпрактика";
                if (g <= kMaxGroups && m.specialisationDay[g] == day) c.text = "  Специализация";
            }
            break;
        case 2:
            c.text = !cell.group.empty() ? cell.group.room
                                         : SubgroupText(cell, 5, &LessonEntry::room, " /", " / ", "/");
            break;
        case 3:
            c.text = !cell.group.empty() ? cell.group.teacher
                                         : SubgroupText(cell, 5, &LessonEntry::teacher, " /", "         / ", "/");
            break;
        default: break;
    }
    if (column <= 3 && st.status > 100 && st.day == day && st.lesson == row) c.background = kAqua;
    if (column == 0 && st.limitsDisplay == 1 && g <= m.lessonLimits.size()) {
        const LessonLimits& lim = m.lessonLimits[g];
        Colour mark = 0;
        bool marked = false;
        if (lim.first[day] == row) mark = kBlue, marked = true;
        if (lim.last[day] == row) mark = kMaroon, marked = true;
        if (marked) {
            if (st.limitsForm == 1) {
                c.background = mark;
                c.colour = kWhite;
            } else {
                c.background = kWhite;
                c.colour = kBlack;
            }
        }
    }
    if (column == 4) {
        if (st.status == kStatusIdle) {
            for (int p = kPartGroup; p <= kPartSub2; ++p) {
                const LessonEntry& e = cell.part(p);
                if (!e.empty() && e.room == "-") {
                    c.background = m.config.colourD;
                    c.colour = kWhite;
                    c.text = "?";
                }
            }
        } else if (IsPlacing(st.status)) {
            if (const Teacher* t = CurrentTeacherOrNull(m)) {
                const char code = OccupancyCode(*t, day, row);
                if (code != '0') c.background = kRed;
                if (code == '4') c.background = kFuchsia;
                if (code == '5') c.background = kPurple;
            }
        } else if (st.status == kStatusLineInfo) {
            if (const ExtractLine* x = SelectedLine(m))
                for (int p = kPartGroup; p <= kPartSub2; ++p)
                    if (cell.part(p).discipline == x->discipline) c.background = kYellow;
        }
    }
    return c;
}

bool LimitsCircle(const Model& m, int day, int lesson, Colour& colour) {
    const CompositionState& st = m.composition;
    if (st.limitsDisplay != 1 || st.limitsForm != 2 || !HasGroup(m) || m.sel.group > m.lessonLimits.size()) return false;
    if (day < 1 || day > kDays) return false;
    const LessonLimits& lim = m.lessonLimits[m.sel.group];
    bool marked = false;
    if (lim.first[day] == lesson) colour = kBlue, marked = true;
    if (lim.last[day] == lesson) colour = kMaroon, marked = true;
    return marked;
}

Cell RoomTableCell(const Model& m, int room) {
    Cell c;
    c.font = "Arial";
    c.size = 8;
    c.left = 5;
    if (room < 1 || room > m.rooms.size()) return c;
    const Room& r = m.rooms[room];
    c.text = r.number;
    const CompositionState& st = m.composition;
    if (st.status > 100 && ValidSlot(st.day, st.lesson)) {
        if (m.roomOccupancy.at(room, st.day, st.lesson) == 0) {
            const bool note = r.notes.note1[st.day][st.lesson] != "-" || r.notes.note2[st.day][st.lesson] != "-";
            c.background = note ? kSilver : CompositionFreeColour(m);
        } else {
            c.background = kRed;
            c.colour = kWhite;
        }
    }
    return c;
}

int CompactChooserGroup(const Model& m, int row, int column) {
    if (row < 0 || row >= 4 || column < 0 || column >= 13) return 0;
    const int g = row * 13 + column + 1;
    return g <= m.groups.size() ? g : 0;
}

namespace {

Cell ChooserCell(const Model& m, int group, int size) {
    Cell c;
    c.font = "Arial";
    c.size = size;
    c.background = m.config.colourA;
    if (group == 0) return c;
    c.text = m.groups[group].number;
    if (group == m.sel.group) {
        c.background = kBlue;
        c.colour = kYellow;
        c.bold = true;
    }
    return c;
}

}  // namespace

Cell CompactChooserCell(const Model& m, int row, int column) {
    return ChooserCell(m, CompactChooserGroup(m, row, column), 7);
}

int DivisionTableGroup(const Model& m, int division, int row, int column) {
    if (division < 1 || division > m.divisions.size() || row < 0 || row >= kCourses) return 0;
    const auto& course = m.divisions[division].courses[kCourses - row];
    if (column < 0 || column >= course.size()) return 0;
    return GroupPosition(m, course[column + 1].group);
}

Cell DivisionTableCell(const Model& m, int division, int row, int column) {
    Cell c = ChooserCell(m, DivisionTableGroup(m, division, row, column), 7);
    // A cell naming no group still shows its number.
    if (c.text.empty() && division >= 1 && division <= m.divisions.size() && row >= 0 && row < kCourses) {
        const auto& course = m.divisions[division].courses[kCourses - row];
        if (column >= 0 && column < course.size()) c.text = course[column + 1].group;
    }
    return c;
}

Colour OtherRoomColour(const Model& m) {
    return m.composition.status == kStatusLessonChosen ? CompositionFreeColour(m) : kWhite;
}

Colour RoomCommandColour(const Model& m, int part) {
    const int s = m.composition.status;
    const bool active = (part == kPartGroup && s == kStatusRoomForGroup) ||
                        (part == kPartSub1 && s == kStatusRoomForSub1) || (part == kPartSub2 && s == kStatusRoomForSub2);
    return active ? kAqua : kSkyBlue;
}
