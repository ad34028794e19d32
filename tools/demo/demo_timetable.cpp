// The demo college's timetable data: extracts of every group, specialisations, a
// partly composed timetable that keeps to the teachers' and rooms' occupancy,
// lesson limits, bells, pseudonyms and written-work rules.
#include <algorithm>
#include <set>
#include <unordered_map>
#include <vector>

#include "demo/demo.h"
#include "extracts/extracts.h"
#include "store/pseudonyms.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include "timetable/specialisation.h"
#include "timetable/timetable.h"
#include "store/written_work.h"

namespace {

enum LineKind { kGroupLine, kSplitLine, kPractice, kAdditional, kUnassigned };

struct LinePlan {
    const char* name;
    int hours;
    LineKind kind;
};

const LinePlan kLines[] = {
    {"Сольфеджио", 2, kGroupLine},
    {"Музыкальная литература (зарубежная и отечественная)", 2, kGroupLine},
    {"История мировой культуры", 1, kGroupLine},
    {"Русский язык", 2, kGroupLine},
    {"Литература", 2, kGroupLine},
    {"Математика", 1, kGroupLine},
    {"Физическая культура", 2, kGroupLine},
    {"Иностранный язык", 2, kSplitLine},
    {"Информатика", 1, kSplitLine},
    {"Хоровой класс", 2, kGroupLine},
    {"Педагогическая практика", 2, kPractice},
    {"Дисциплины дополнительной подготовки", 2, kAdditional},
    {"Элементарная теория музыки", 1, kGroupLine},
    {"Гармония", 1, kUnassigned},
    {"Методика преподавания специальных дисциплин", 1, kGroupLine},
    {"Основы психологии и педагогики", 1, kGroupLine},
};

struct Abbreviation {
    const char* name;
    const char* group;
    const char* subgroup;
};

// The discipline "Методика преподавания специальных дисциплин" is left without
// one, so that the check for missing abbreviations has something to list.
const Abbreviation kAbbreviations[] = {
    {"Музыкальная литература (зарубежная и отечественная)", "Музыкальная литература", "Муз.лит."},
    {"История мировой культуры", "История мировой культуры", "ИМК"},
    {"Иностранный язык", "Иностранный язык", "Ин. яз."},
    {"Физическая культура", "Физическая культура", "Физ-ра"},
    {"Элементарная теория музыки", "Элементарная теория музыки", "ЭТМ"},
    {"Основы психологии и педагогики", "Основы психологии и педаг.", "Психология"},
    {"Педагогическая практика", "Педагогическая практика", "Педпр."},
    {"Дисциплины дополнительной подготовки", "Дисц. доп. подготовки", "Допподг."},
    {"Хоровой класс", "Хоровой класс", "Хор"},
};

struct TeacherRef {
    int d = 0, t = 0;
};

// Places lessons by the composition rules: a lesson only where the teacher's code
// is "0", the group's cells are free and the room is free (and big enough for a
// whole group).
class Composer {
public:
    explicit Composer(Model& m) : m_(m) {
        for (int d = 1; d <= m.departments.size(); ++d)
            for (int t = 1; t <= m.departments[d].teachers.size(); ++t) {
                Teacher& teacher = m.departments[d].teachers[t];
                // Start from a week without lessons and specialisations; keep the
                // practice, methodical and "better not" codes.
                for (int day = 1; day <= kDays; ++day) {
                    std::string& o = teacher.occupancy[day];
                    o.resize(kLessons, '0');
                    for (char& c : o)
                        if (c == '3' || c == '5' || c < '0' || c > '5') c = '0';
                }
                refs_[teacher.surname] = {d, t};
                all_.push_back({d, t});
            }
        ComputeRoomOccupancy(m_);
    }

    int TeacherCount() const { return static_cast<int>(all_.size()); }
    // The k-th teacher of the college in department order, wrapping around.
    const std::string& TeacherAt(int k) const {
        const TeacherRef& r = all_[static_cast<size_t>(k) % all_.size()];
        return m_.departments[r.d].teachers[r.t].surname;
    }

    bool TeacherFree(const std::string& surname, int day, int lesson) const {
        auto it = refs_.find(surname);
        if (it == refs_.end()) return false;
        return Occupancy(it->second, day)[lesson - 1] == '0';
    }
    void MarkTeacher(const std::string& surname, int day, int lesson, char code) {
        auto it = refs_.find(surname);
        if (it != refs_.end()) Occupancy(it->second, day)[lesson - 1] = code;
    }
    // A free room at (day, lesson), searching the room list from `from`; 0 when none.
    int FreeRoom(int day, int lesson, bool wholeGroup, int from) const {
        const int n = m_.rooms.size();
        for (int k = 0; k < n; ++k) {
            int r = (from + k) % n + 1;
            if (wholeGroup && m_.rooms[r].small == 1) continue;
            if (!m_.roomOccupancy.at(r, day, lesson)) return r;
        }
        return 0;
    }
    void MarkRoom(int room, int day, int lesson) { m_.roomOccupancy.cells[room][day][lesson] = 1; }

    // Places one lesson of `part` (1 whole group, 2/3 a subgroup) of group g at (day, lesson).
    bool TryPlace(int g, int part, int day, int lesson, const std::string& discipline, const std::string& teacher,
                  int roomFrom) {
        if (day == m_.groups[g].practiceDay || day == m_.specialisationDay[g]) return false;
        LessonCell& cell = m_.timetables[g].at(day, lesson);
        if (!cell.group.empty()) return false;
        if (part == 1 && (!cell.sub1.empty() || !cell.sub2.empty())) return false;
        if (part != 1 && !cell.part(part).empty()) return false;
        if (!TeacherFree(teacher, day, lesson)) return false;
        int room = FreeRoom(day, lesson, part == 1, roomFrom);
        if (room == 0) return false;
        cell.part(part) = LessonEntry{discipline, teacher, m_.rooms[room].number};
        MarkTeacher(teacher, day, lesson, '3');
        MarkRoom(room, day, lesson);
        return true;
    }

    void SaveAllOccupancy() const {
        for (const TeacherRef& r : all_) SaveOccupancy(m_, r.d, r.t);
    }

private:
    std::string& Occupancy(const TeacherRef& r, int day) const {
        return m_.departments[r.d].teachers[r.t].occupancy[day];
    }
    Model& m_;
    std::unordered_map<std::string, TeacherRef> refs_;
    std::vector<TeacherRef> all_;
};

// ---------------------------------------------------------------- extracts

void BuildExtracts(Model& m, const Composer& c, bool full) {
    m.extracts.clear();
    m.extracts.resize(m.groups.size());
    const int perLine = std::max(1, c.TeacherCount() / 20);  // teachers sharing one discipline
    for (int g = 1; g <= m.groups.size(); ++g) {
        GroupExtract& x = m.extracts[g];
        int k = 0;
        auto teacherFor = [&](int line, int offset) {
            return c.TeacherCount() == 0 ? std::string(kUnknownTeacher)
                                         : c.TeacherAt(line * perLine + (g + offset) % perLine);
        };
        for (const LinePlan& plan : kLines) {
            ++k;
            ExtractLine line;
            line.discipline = plan.name;
            if (k == 7 && g % 3 == 0) line.discipline = "Ф. Физическая культура";
            switch (plan.kind) {
                case kGroupLine:
                    line.hoursGroup = plan.hours;
                    line.teacherGroup = teacherFor(k, 0);
                    break;
                case kSplitLine:  // English for subgroup 1, German for subgroup 2
                    line.hoursSub1 = line.hoursSub2 = plan.hours;
                    line.teacherSub1 = teacherFor(k, 0);
                    line.teacherSub2 = teacherFor(k, 1);
                    break;
                case kPractice:
                case kAdditional: line.hoursGroup = plan.hours; break;
                case kUnassigned:
                    line.hoursGroup = plan.hours;
                    line.teacherGroup = g % 4 == 1 ? std::string(kUnknownTeacher) : teacherFor(k, 0);
                    break;
            }
            x.lines.push_back(line);
        }
        for (int extra = 1; full && !x.lines.full(); ++extra) {
            ExtractLine line;
            line.discipline = "Спецкурс " + std::to_string(extra);
            line.hoursGroup = 1;
            line.teacherGroup = teacherFor(static_cast<int>(std::size(kLines)) + extra, 0);
            x.lines.push_back(line);
        }
        for (const ExtractLine& l : x.lines) x.totalHours += l.hoursGroup + l.hoursSub1;
    }
}

// ---------------------------------------------------------------- specialisations

void BuildSpecialisations(Model& m, Composer& c, bool full) {
    m.specialisations.clear();
    m.currentSpecialisation = 1;
    // One block per division and course, in group order.
    std::vector<std::pair<std::string, int>> keys;
    for (const Group& g : m.groups) {
        std::pair<std::string, int> key{g.division, g.course};
        std::string name = g.division + "-" + std::to_string(g.course);
        if (g.division.empty() || !FileNameProblem(name).empty()) continue;
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    }
    const int wanted = std::min<int>(static_cast<int>(keys.size()), full ? kMaxSpecialisations : 4);
    for (int i = 0; i < wanted && c.TeacherCount() > 0 && m.rooms.size() > 0; ++i) {
        Specialisation s;
        s.division = keys[i].first;
        s.course = keys[i].second;
        s.key = s.division + "-" + std::to_string(s.course);
        s.day = full ? i % kDays + 1 : 2 + i % 4;
        s.hours = full ? kMaxSpecialisationHours : 3;
        s.variants = full ? kMaxSpecialisationVariants : 3 + i % 2;
        for (const Group& g : m.groups)
            if (g.division == s.division && g.course == s.course && !s.groups.full()) s.groups.push_back(g.number);
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h) {
                SpecialisationCell& cell = s.cell(v, h);
                cell.teacher = c.TeacherAt(c.TeacherCount() / 2 + i * 11 + v * 3 + h % 2);
                cell.room = h == s.hours && v % 2 == 0 ? "-" : m.rooms[(i * 7 + v * 2 + h) % m.rooms.size() + 1].number;
                cell.lesson = 0;
            }
        if (!full) s.cell(s.variants, s.hours) = SpecialisationCell{};  // "Неизвестный", no room, not placed
        // Place every variant but the last at lessons 2.. (all of them in the full college).
        const int placedVariants = full ? s.variants : s.variants - 1;
        for (int v = 1; v <= placedVariants; ++v)
            for (int h = 1; h <= s.hours; ++h) {
                SpecialisationCell& cell = s.cell(v, h);
                const int lesson = full ? h : h + 1;
                if (cell.teacher == kUnknownTeacher || !c.TeacherFree(cell.teacher, s.day, lesson)) continue;
                int room = 0;
                for (int r = 1; r <= m.rooms.size(); ++r)
                    if (m.rooms[r].number == cell.room) room = r;
                if (room != 0 && m.roomOccupancy.at(room, s.day, lesson)) continue;
                cell.lesson = lesson;
                c.MarkTeacher(cell.teacher, s.day, lesson, '5');
                if (room != 0) c.MarkRoom(room, s.day, lesson);
            }
        m.specialisations.push_back(s);
    }
    ComputeSpecialisationDays(m);
}

// ---------------------------------------------------------------- timetable

void ComposeTimetables(Model& m, Composer& c, bool full) {
    const int lessonsPerDay = full ? 8 : 6;
    for (int g = 1; g <= m.groups.size(); ++g) {
        GroupExtract& x = m.extracts[g];
        for (int k = 1; k <= x.lines.size(); ++k) {
            const ExtractLine& line = x.lines[k];
            if (IsTeachingPractice(line.discipline) || IsAdditionalTraining(line.discipline)) continue;
            // Leave open hours for composing by hand: one hour of every line stays
            // open, and single-hour lines are placed in every other group only.
            auto target = [&](int hours) { return full ? hours : hours >= 2 ? hours - 1 : (g % 2 == 0 ? hours : 0); };
            for (int p = 1; p <= 3; ++p) {
                const int hours = p == 1 ? line.hoursGroup : p == 2 ? line.hoursSub1 : line.hoursSub2;
                const std::string& teacher = p == 1 ? line.teacherGroup : p == 2 ? line.teacherSub1 : line.teacherSub2;
                if (hours == 0 || teacher == "-" || teacher == kUnknownTeacher) continue;
                int placed = 0;
                for (int n = 0; n < kDays * lessonsPerDay && placed < target(hours); ++n) {
                    const int day = (g + k + n / lessonsPerDay) % kDays + 1;
                    const int lesson = (k + n) % lessonsPerDay + 1;
                    if (day == kDays && lesson > 4) continue;
                    if (c.TryPlace(g, p, day, lesson, line.discipline, teacher, g * 3 + k)) ++placed;
                }
            }
        }
    }
}

// ---------------------------------------------------------------- lists and bells

void BuildPseudonyms(Model& m, bool full) {
    std::vector<Pseudonym> list;
    for (const Abbreviation& a : kAbbreviations) list.push_back({a.name, a.group, a.subgroup});
    for (int k = 1; full && static_cast<int>(list.size()) < kMaxPseudonyms; ++k) {
        std::string n = "Спецкурс " + std::to_string(k);
        list.push_back({n + " (по выбору студента)", n, "Спк." + std::to_string(k)});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Pseudonym& a, const Pseudonym& b) { return PseudonymNameLess(a.fullName, b.fullName); });
    m.pseudonyms.clear();
    for (const Pseudonym& p : list) m.pseudonyms.push_back(p);
}

void WriteWrittenWorkRules(Model& m, bool full) {
    m.writtenWorkRules.clear();
    const WrittenWorkRule rules[] = {
        {"Русский язык", 1, 15}, {"Литература", 1, 10},  {"Математика", 1, 15},
        {"Иностранный язык", 1, 10}, {"Музыкальная литература", 2, 10}, {"Гармония", 1, 20},
        {"Сольфеджио", 1, 10},
    };
    for (const WrittenWorkRule& r : rules) m.writtenWorkRules.push_back(r);
    for (int k = 1; full && !m.writtenWorkRules.full(); ++k)
        m.writtenWorkRules.push_back({"Спецкурс " + std::to_string(k), 1, 10 + 5 * (k % 3)});
    TextWriter w;
    w.Line("Дисциплины с проверкой письменных работ").Int(m.writtenWorkRules.size());
    for (const WrittenWorkRule& r : m.writtenWorkRules) w.Line(r.pattern).Int(r.match).Int(r.percent);
    w.Save(m.config.listsFolder + "pismen.set");
}

// Lessons of 45 minutes from 8.30; `breaks` after each lesson.
void WriteBells(const std::string& path, int count, const std::vector<int>& breaks) {
    TextWriter w;
    w.Int(count).Line("Расписание звонков");
    int t = 8 * 60 + 30;
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    for (int k = 1; k <= count; ++k) {
        int end = t + 45;
        int brk = k < count ? breaks[static_cast<size_t>(k - 1)] : 0;
        w.Line(std::to_string(k) + " урок");
        w.Line(std::to_string(t / 60)).Line(two(t % 60)).Int(t / 60).Int(t % 60);
        w.Line(std::to_string(end / 60)).Line(two(end % 60)).Int(end / 60).Int(end % 60);
        w.Int(brk).Separator();
        t = end + brk;
    }
    w.Save(path);
}

}  // namespace

void WriteDemoTimetable(Model& m, const DemoOptions& options) {
    const bool full = options.full;
    m.timetables.clear();
    m.timetables.resize(m.groups.size());
    m.lessonLimits.clear();
    m.lessonLimits.resize(m.groups.size());
    Composer composer(m);

    BuildExtracts(m, composer, full);
    BuildSpecialisations(m, composer, full);
    ComposeTimetables(m, composer, full);
    ComputePlacedCounts(m);

    for (int g = 1; g <= m.groups.size(); ++g) {
        LessonLimits& lim = m.lessonLimits[g];
        if (g % 3 == 0)
            for (int d = 1; d <= 5; ++d) lim.first[d] = 2, lim.last[d] = 9;
        lim.last[6] = 5;
        SaveGroupTimetable(m, g);
        SaveLessonLimits(m, g);
        SaveGroupExtract(m, g);
    }
    composer.SaveAllOccupancy();
    SaveSpecialisationList(m);
    for (int i = 1; i <= m.specialisations.size(); ++i) SaveSpecialisation(m, i);

    BuildPseudonyms(m, full);
    SavePseudonyms(m);
    WriteWrittenWorkRules(m, full);
    WriteBells(m.config.bellsFolder + "1.uro", kMaxBellLessons, {10, 20, 10, 30, 10, 10, 10, 10, 10, 10, 10, 10, 10});
    WriteBells(m.config.bellsFolder + "2.uro", kSaturdayBellLessons, {10, 10, 10, 20, 10, 10, 10, 10, 10, 10, 10});
    LoadBellSchedules(m);
}
