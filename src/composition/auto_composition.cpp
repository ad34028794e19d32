#include "composition/auto_composition.h"

#include <algorithm>
#include <unordered_map>

#include "platform/dialogs.h"
#include "shell/model.h"
#include "shell/navigation.h"
#include "base/textfile.h"

namespace {

Teacher* CurrentTeacher(Model& m) {
    if (!m.departments.valid(m.sel.department)) return nullptr;
    Department& d = m.departments[m.sel.department];
    return d.teachers.valid(m.sel.teacher) ? &d.teachers[m.sel.teacher] : nullptr;
}

void SetCode(Teacher& t, int day, int lesson, char code) {
    std::string& s = t.occupancy.at(day);
    if (static_cast<int>(s.size()) < kLessons) s.resize(kLessons, '0');
    s[lesson - 1] = code;
}

// Whole-group lessons of `discipline` on one day of the timetable.
int LessonsOnDay(const GroupTimetable& t, int day, const std::string& discipline) {
    int count = 0;
    for (int l = 1; l <= kLessons; ++l) count += t.at(day, l).group.discipline == discipline ? 1 : 0;
    return count;
}

// The room kept by a teacher: the last room of the list whose keeper text begins
// with the teacher's name and that is free at (day, lesson); "" when none.
std::string KeeperRoom(const Model& m, const std::string& teacher, int day, int lesson) {
    std::string room;
    for (int r = 1; r <= m.rooms.size(); ++r) {
        const std::string& keeper = m.rooms[r].keeper;
        if (keeper.empty() || teacher.size() > keeper.size()) continue;
        if (keeper.compare(0, teacher.size(), teacher) != 0) continue;
        if (m.roomOccupancy.at(r, day, lesson) == 0) room = m.rooms[r].number;
    }
    return room;
}

// The placed counts of one group's extract. Only this group's timetable changes
// while its lines are placed, so the other groups' counts stay as they are.
void CountGroupLines(Model& m, int group) {
    const GroupTimetable& t = m.timetables[group];
    for (ExtractLine& line : m.extracts[group].lines) {
        line.placed = {};
        for (int d = 1; d <= kDays; ++d)
            for (int l = 1; l <= kLessons; ++l)
                for (int p = 1; p <= 3; ++p) line.placed[p] += t.at(d, l).part(p).discipline == line.discipline;
    }
}

// Room name -> position of its last match in the room list.
using RoomPositions = std::unordered_map<std::string, int>;

RoomPositions RoomPositionsOf(const Model& m) {
    RoomPositions positions;
    for (int r = 1; r <= m.rooms.size(); ++r) positions[m.rooms[r].number] = r;
    return positions;
}

// The room occupancy of one (day, lesson) computed afresh, as ComputeRoomOccupancy()
// computes it. Placing a lesson changes only that slot, so the whole table is then
// as a full recomputation would leave it.
void RecomputeRoomOccupancyAt(Model& m, const RoomPositions& positions, int day, int lesson) {
    for (int r = 1; r <= m.rooms.size(); ++r) m.roomOccupancy.cells[r][day][lesson] = 0;
    auto mark = [&](const std::string& room) {
        if (room == "-") return;
        auto it = positions.find(room);
        if (it != positions.end()) m.roomOccupancy.cells[it->second][day][lesson] = 1;
    };
    for (int g = 1; g <= m.timetables.size(); ++g) {
        const LessonCell& c = m.timetables[g].at(day, lesson);
        mark(c.group.room);
        mark(c.sub1.room);
        mark(c.sub2.room);
    }
    for (const Specialisation& s : m.specialisations) {
        if (s.day != day) continue;
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h)
                if (s.cell(v, h).lesson == lesson) mark(s.cell(v, h).room);
    }
}

bool IsNoTeacher(const std::string& teacher) { return teacher == "-" || teacher == kUnknownTeacher; }

// One limit for all six days from an input box; an answer equal to the
// default (which is also what Cancel returns) changes nothing.
bool LimitForAllDays(Model& m, Dialogs& dialogs, const char* caption, const char* prompt, bool first) {
    if (m.sel.screen != ScreenId::kGroupComposition || !m.lessonLimits.valid(m.sel.group)) return false;
    LessonLimits& limits = m.lessonLimits[m.sel.group];
    std::array<int, kDays + 1>& days = first ? limits.first : limits.last;
    const std::string def = std::to_string(days[1]);
    const std::string answer = dialogs.Input(caption, prompt, def);
    if (answer.empty() || answer == def) return false;
    const long value = ParseInteger(answer);
    if (value < 1 || value > kLessons) return false;
    for (int d = 1; d <= kDays; ++d) days[d] = static_cast<int>(value);
    SaveLessonLimits(m, m.sel.group);
    return true;
}

// Clears the current group's entries of the given parts (1 group, 2 sub1, 3 sub2),
// freeing each teacher's lesson; the timetable file is written once.
void ClearParts(Model& m, std::initializer_list<int> parts) {
    const int g = m.sel.group;
    for (int d = 1; d <= kDays; ++d)
        for (int l = 1; l <= kLessons; ++l)
            for (int p : parts) {
                LessonEntry& entry = m.timetables[g].at(d, l).part(p);
                if (entry.empty()) continue;
                if (FindTeacher(m, entry.teacher)) {
                    SetCode(*CurrentTeacher(m), d, l, '0');
                    SaveOccupancy(m, m.sel.department, m.sel.teacher);
                }
                entry = LessonEntry{};
            }
    SaveGroupTimetable(m, g);
}

}  // namespace

WeekMarks OccupiedLessons(const Model& model, int group) {
    WeekMarks marks{};
    const GroupTimetable& t = model.timetables[group];
    for (int d = 1; d <= kDays; ++d)
        for (int l = 1; l <= kLessons; ++l) {
            const LessonCell& c = t.at(d, l);
            marks[d][l] = !c.group.empty() || !c.sub1.empty() || !c.sub2.empty();
        }
    return marks;
}

WeekMarks BusyLessons(const Teacher& teacher) {
    WeekMarks marks{};
    for (int d = 1; d <= kDays; ++d) {
        const std::string& s = teacher.occupancy[d];
        for (int l = 1; l <= kLessons; ++l) marks[d][l] = l <= static_cast<int>(s.size()) && s[l - 1] != '0';
    }
    return marks;
}

void PlaceLine(Model& model, int line, const WeekMarks& occupied, const WeekMarks& busy,
               std::vector<PlacedLesson>* placed) {
    const int g = model.sel.group;
    const RoomPositions positions = RoomPositionsOf(model);
    ComputeRoomOccupancy(model);
    Teacher* teacher = CurrentTeacher(model);
    if (!teacher) return;
    const ExtractLine& x = model.extracts[g].lines[line];
    const std::string discipline = x.discipline;
    const std::string name = x.teacherGroup;
    GroupTimetable& t = model.timetables[g];
    const LessonLimits& limits = model.lessonLimits[g];
    for (int d = 1; d <= kDays; ++d) {
        if (model.specialisationDay[g] == d || model.groups[g].practiceDay == d) continue;
        const int first = std::max(1, limits.first[d]), last = std::min(kLessons, limits.last[d]);
        for (int l = first; l <= last; ++l) {
            if (occupied[d][l] || busy[d][l]) continue;
            // At most two lessons a day, and none on the day after a day that has it.
            if (LessonsOnDay(t, d, discipline) >= 2 || (d > 1 && LessonsOnDay(t, d - 1, discipline) > 0)) continue;
            LessonEntry& entry = t.at(d, l).group;
            entry.discipline = discipline;
            entry.teacher = name;
            RecomputeRoomOccupancyAt(model, positions, d, l);
            std::string room = KeeperRoom(model, name, d, l);
            if (!room.empty()) {
                entry.room = room;
                RecomputeRoomOccupancyAt(model, positions, d, l);
            }
            SaveGroupTimetable(model, g);
            SetCode(*teacher, d, l, '3');
            SaveOccupancy(model, model.sel.department, model.sel.teacher);
            CountGroupLines(model, g);
            if (placed) placed->push_back({d, l, discipline, name, entry.room});
            if (x.placed[1] >= x.hoursGroup) return;
        }
    }
}

std::vector<PlacedLesson> ComposeWholeGroupLines(Model& model, const CaptionFunction& caption) {
    std::vector<PlacedLesson> placed;
    const int g = model.sel.group;
    if (!model.groups.valid(g) || !model.extracts.valid(g) || !model.timetables.valid(g)) return placed;
    auto show = [&](const std::string& text) {
        if (caption) caption(text);
    };
    struct Running {
        bool& flag;
        ~Running() { flag = false; }
    } running{model.automat.running};
    model.automat.running = true;
    show(kAutoCompositionCaption);
    for (int i = 1; i <= model.extracts[g].lines.size(); ++i) {
        const ExtractLine& line = model.extracts[g].lines[i];
        if (IsNoTeacher(line.teacherGroup)) continue;
        CountGroupLines(model, g);
        if (line.hoursGroup == 0 || line.placed[1] >= line.hoursGroup) continue;
        show(line.discipline);
        WeekMarks occupied = OccupiedLessons(model, g);
        // A teacher missing from every department list has no week to respect:
        // the line is left alone rather than placed against another teacher's week.
        if (!FindTeacher(model, line.teacherGroup)) continue;
        WeekMarks busy = BusyLessons(*CurrentTeacher(model));
        PlaceLine(model, i, occupied, busy, &placed);
    }
    ComputePlacedCounts(model);
    return placed;
}

bool FirstLessonAllDays(Model& model, Dialogs& dialogs) {
    return LimitForAllDays(model, dialogs, "Начало уроков на все дни недели", "1-й урок?", true);
}

bool LastLessonAllDays(Model& model, Dialogs& dialogs) {
    return LimitForAllDays(model, dialogs, "Конец уроков на все дни недели", "Последний урок?", false);
}

bool ClearWholeGroupLessons(Model& model, Dialogs& dialogs) {
    if (!model.timetables.valid(model.sel.group)) return false;
    if (!dialogs.Confirm("Очистка расписания от дисциплин \"по групе\"", "Уверены, что хотите очистить расписание?"))
        return false;
    ClearParts(model, {1});
    return true;
}

bool ClearSubgroupLessons(Model& model, Dialogs& dialogs) {
    if (!model.timetables.valid(model.sel.group)) return false;
    if (!dialogs.Confirm("Очистка расписания от дисциплин \"по подгруппам\"",
                         "Уверены, что хотите очистить расписание?"))
        return false;
    ClearParts(model, {2, 3});
    return true;
}
