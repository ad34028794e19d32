#include "composition/teacher_composition.h"

#include "platform/dialogs.h"
#include "shell/model.h"

namespace {

constexpr Colour kHeader = 0xC0DCC0;

const Teacher* CurrentTeacher(const Model& m) {
    if (!m.departments.valid(m.sel.department)) return nullptr;
    const Department& d = m.departments[m.sel.department];
    return d.teachers.valid(m.sel.teacher) ? &d.teachers[m.sel.teacher] : nullptr;
}

Teacher* CurrentTeacher(Model& m) { return const_cast<Teacher*>(CurrentTeacher(static_cast<const Model&>(m))); }

// A teacher's code at (day, lesson); a short day string counts as free there.
char CodeAt(const Teacher& t, int day, int lesson) {
    const std::string& s = t.occupancy.at(day);
    return lesson >= 1 && lesson <= static_cast<int>(s.size()) ? s[lesson - 1] : '0';
}

void SetCode(Teacher& t, int day, int lesson, char code) {
    std::string& s = t.occupancy.at(day);
    if (static_cast<int>(s.size()) < kLessons) s.resize(kLessons, '0');
    s[lesson - 1] = code;
}

bool ValidSlot(int day, int lesson) { return day >= 1 && day <= kDays && lesson >= 1 && lesson <= kLessons; }

const TeacherLine* SelectedLine(const Model& m) {
    const TeacherComposition& tc = m.teacherComposition;
    return tc.lines.valid(tc.selected) ? &tc.lines[tc.selected] : nullptr;
}

// The teacher's lesson shown in a day-table row: the last group entry with the teacher.
struct ShownLesson {
    int group = 0;
    int part = 0;  // 1 group, 2 sub1, 3 sub2
    const LessonEntry* entry = nullptr;
};

ShownLesson TeacherLessonAt(const Model& m, const std::string& surname, int day, int lesson) {
    ShownLesson shown;
    const int n = std::min(m.groups.size(), m.timetables.size());
    for (int g = 1; g <= n; ++g) {
        const LessonCell& c = m.timetables[g].at(day, lesson);
        for (int p = 1; p <= 3; ++p)
            if (c.part(p).teacher == surname) shown = {g, p, &c.part(p)};
    }
    return shown;
}

// The last specialisation on `day` with a cell of the teacher at `lesson`, 0 when none.
int SpecialisationAt(const Model& m, const std::string& surname, int day, int lesson) {
    int found = 0;
    for (int i = 1; i <= m.specialisations.size(); ++i) {
        const Specialisation& s = m.specialisations[i];
        if (s.day != day) continue;
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h)
                if (s.cell(v, h).teacher == surname && s.cell(v, h).lesson == lesson) found = i;
    }
    return found;
}

void AddLine(TeacherComposition& tc, const ExtractLine& line, int group, int part, int hours, std::string text) {
    if (tc.lines.size() >= kMaxTeacherLines) return;
    TeacherLine e;
    e.discipline = line.discipline;
    e.group = group;
    e.part = part;
    e.hours = hours;
    e.hoursText = std::move(text);
    tc.lines.push_back(std::move(e));
}

void Rebuild(Model& m) {
    BuildTeacherLineList(m);
    CountTeacherLines(m);
}

}  // namespace

std::string CurrentTeacherSurname(const Model& model) {
    const Teacher* t = CurrentTeacher(model);
    return t ? t->surname : "";
}

Colour CompleteColour(const Model& model) {
    return model.composition.completeColour == 2 ? 0xC0C0C0 : CompositionFreeColour(model);
}

// ---------------------------------------------------------------- the line list

void BuildTeacherLineList(Model& model) {
    TeacherComposition& tc = model.teacherComposition;
    tc.lines.clear();
    const std::string n = CurrentTeacherSurname(model);
    if (n.empty()) return;
    const int groups = std::min(model.groups.size(), model.extracts.size());
    for (int g = 1; g <= groups; ++g)
        for (const ExtractLine& line : model.extracts[g].lines) {
            if (line.teacherGroup == n) AddLine(tc, line, g, 0, line.hoursGroup, std::to_string(line.hoursGroup));
            if (line.teacherSub1 == n) AddLine(tc, line, g, 1, line.hoursSub1, std::to_string(line.hoursSub1) + " /");
            if (line.teacherSub2 == n) AddLine(tc, line, g, 2, line.hoursSub2, "/ " + std::to_string(line.hoursSub2));
        }
    if (!tc.lines.valid(tc.selected)) tc.selected = 0;
}

void CountTeacherLines(Model& model) {
    const std::string n = CurrentTeacherSurname(model);
    for (TeacherLine& e : model.teacherComposition.lines) {
        const GroupTimetable& t = model.timetables[e.group];
        e.placed = 0;
        for (int d = 1; d <= kDays; ++d)
            for (int l = 1; l <= kLessons; ++l) {
                const LessonEntry& entry = t.at(d, l).part(e.part + 1);
                if (entry.teacher == n && entry.discipline == e.discipline) ++e.placed;
            }
        e.complete = e.placed == e.hours;
    }
}

bool OpenTeacherComposition(Model& model, Dialogs& dialogs) {
    Rebuild(model);
    if (!model.teacherComposition.lines.empty()) return true;
    const Teacher* t = CurrentTeacher(model);
    dialogs.Message((t ? t->displayName : std::string()) + " - нет уроков по выпискам!");
    return false;
}

std::string TeacherCompositionTitle(const Model& model) {
    const Teacher* t = CurrentTeacher(model);
    return t ? t->displayName : "";
}

int TeacherLineRows(const Model& model) { return std::max(2, model.teacherComposition.lines.size() + 1); }

Cell TeacherLineCell(const Model& model, int row, int column) {
    Cell c;
    c.font = "Times";
    c.size = 8;
    c.bold = true;
    c.background = kCream;
    static const char* const kHeads[4] = {"Группа", "Часы", "Дисциплина", "Ост."};
    if (row == 0) {
        if (column >= 0 && column < 4) c.text = kHeads[column];
        return c;
    }
    const TeacherComposition& tc = model.teacherComposition;
    if (!tc.lines.valid(row)) return c;
    const TeacherLine& e = tc.lines[row];
    switch (column) {
        case 0: c.text = model.groups[e.group].number; break;
        case 1: c.text = e.hoursText; break;
        case 2: c.text = e.discipline; break;
        case 3:
            if (e.hours != e.placed) c.text = std::to_string(e.hours - e.placed);
            break;
    }
    if (e.complete) c.background = CompleteColour(model);
    if (row == tc.selected) {
        if (tc.mode == 1) c.background = kYellow;
        if (tc.mode >= 2 && tc.mode <= 4) c.background = kAqua;
    }
    return c;
}

std::string ClickTeacherLine(Model& model, int row, int column) {
    TeacherComposition& tc = model.teacherComposition;
    if (row < 1 || !tc.lines.valid(row)) return "";
    const TeacherLine& e = tc.lines[row];
    std::string caption = model.groups[e.group].number + " - " + e.discipline;
    tc.mode = 0;
    if (column == 0) {
        tc.mode = 1;
        tc.selected = row;
    } else if (column == 2 && !e.complete) {
        tc.mode = 2 + e.part;
        tc.selected = row;
    }
    return caption;
}

void CancelTeacherComposition(Model& model) { model.teacherComposition.mode = 0; }

void ResetTeacherAndAutoComposition(Model& model) {
    model.teacherComposition.mode = 0;
    model.automat.running = false;
}

// ---------------------------------------------------------------- the day tables

Cell TeacherDayCell(const Model& model, int day, int row, int column) {
    Cell c;
    c.font = "Arial";
    c.size = 8;
    if (row == 0) {
        c.bold = true;
        c.background = kHeader;
        static const char* const kHeads[5] = {"Ур", "Груп", "", "Ауд", ""};
        if (column == 2) {
            c.text = kDayNames[day];
            c.colour = kBlue;
        } else if (column >= 0 && column < 5) {
            c.text = kHeads[column];
        }
        return c;
    }
    const int lesson = row;
    if (!ValidSlot(day, lesson)) return c;
    const Teacher* teacher = CurrentTeacher(model);
    if (!teacher) return c;
    const std::string& n = teacher->surname;
    const char code = CodeAt(*teacher, day, lesson);
    const TeacherComposition& tc = model.teacherComposition;
    const TeacherLine* selected = SelectedLine(model);

    if (column == 0) {
        c.text = std::to_string(lesson);
        if (model.options.teacherOccupancyCheck == 1) {
            switch (code) {
                case '0': c.background = kLime; break;
                case '1': c.background = kRed; break;
                case '2': c.background = kYellow; break;
                case '3': c.background = model.config.colourD; break;
                case '4': c.background = kPurple; break;
                case '5': c.background = kGrey; break;
            }
        }
        return c;
    }
    if (column == 4) {
        if (tc.mode < 2 || tc.mode > 4 || !selected) return c;
        const int g = selected->group;
        const LessonCell& cell = model.timetables[g].at(day, lesson);
        if (model.groups[g].practiceDay == day) c.background = kPurple;
        if (model.specialisationDay[g] == day) c.background = kFuchsia;
        if (!cell.group.empty() || !cell.sub1.empty() || !cell.sub2.empty()) c.background = kRed;
        if (tc.mode == 3 && cell.sub1.empty() && !cell.sub2.empty()) c.background = kLime;
        if (tc.mode == 4 && !cell.sub1.empty() && cell.sub2.empty()) c.background = kLime;
        return c;
    }

    ShownLesson shown = TeacherLessonAt(model, n, day, lesson);
    if (shown.entry) {
        const std::string& name = model.groups[shown.group].number;
        switch (column) {
            case 1: c.text = shown.part == 2 ? name + "/" : shown.part == 3 ? "/" + name : name; break;
            case 2: c.text = shown.entry->discipline; break;
            case 3: c.text = shown.entry->room; break;
        }
        if (tc.mode == 1 && selected && selected->group == shown.group &&
            selected->discipline == shown.entry->discipline)
            c.background = kYellow;
        return c;
    }
    if (code == '5') {
        if (int s = SpecialisationAt(model, n, day, lesson)) {
            const Specialisation& block = model.specialisations[s];
            if (column == 2)
                c.text = "Специализация - " + std::to_string(block.course) + " к. " + block.division;
            else if (column == 3)
                c.text = SpecialisationLessonRoom(model, s, n, lesson);
        }
    } else if (column == 2) {
        if (code == '1') c.text = " Педпрактика";
        if (code == '2') c.text = " Методический день";
        if (code == '4') c.text = " -------";
    }
    return c;
}

bool PlaceTeacherLesson(Model& model, int day, int lesson) {
    TeacherComposition& tc = model.teacherComposition;
    const TeacherLine* selected = SelectedLine(model);
    Teacher* teacher = CurrentTeacher(model);
    if (tc.mode < 2 || tc.mode > 4 || !selected || !teacher || !ValidSlot(day, lesson)) return false;
    const int g = selected->group;
    if (model.groups[g].practiceDay == day || model.specialisationDay[g] == day) return false;
    LessonCell& cell = model.timetables[g].at(day, lesson);
    const bool free = tc.mode == 2   ? cell.group.empty() && cell.sub1.empty() && cell.sub2.empty()
                      : tc.mode == 3 ? cell.group.empty() && cell.sub1.empty()
                                     : cell.group.empty() && cell.sub2.empty();
    if (!free || CodeAt(*teacher, day, lesson) != '0') return false;

    LessonEntry& entry = cell.part(tc.mode - 1);
    entry.discipline = selected->discipline;
    entry.teacher = teacher->surname;
    if (model.composition.autoRoom == 1 && teacher->room != "-") {
        // The occupancy is recomputed here so that a room taken since the last
        // redraw of another screen is never given twice.
        ComputeRoomOccupancy(model);
        if (FindRoom(model, teacher->room) && model.roomOccupancy.at(model.sel.room, day, lesson) == 0)
            entry.room = model.rooms[model.sel.room].number;
    }
    SaveGroupTimetable(model, g);
    SetCode(*teacher, day, lesson, '3');
    SaveOccupancy(model, model.sel.department, model.sel.teacher);
    tc.mode = 0;
    Rebuild(model);
    return true;
}

bool RemoveTeacherLesson(Model& model, int day, int lesson) {
    TeacherComposition& tc = model.teacherComposition;
    Teacher* teacher = CurrentTeacher(model);
    if (tc.mode != 0 || !teacher || !ValidSlot(day, lesson)) return false;
    const int n = std::min(model.groups.size(), model.timetables.size());
    for (int g = 1; g <= n; ++g) {
        LessonCell& cell = model.timetables[g].at(day, lesson);
        for (int p = 1; p <= 3; ++p) {
            LessonEntry& entry = cell.part(p);
            if (entry.teacher != teacher->surname) continue;
            entry = LessonEntry{};
            SaveGroupTimetable(model, g);
            SetCode(*teacher, day, lesson, '0');
            SaveOccupancy(model, model.sel.department, model.sel.teacher);
            Rebuild(model);
            return true;
        }
    }
    return false;
}

bool MarkTeacherDay(Model& model, int day, DayMark mark, int lesson) {
    Teacher* teacher = CurrentTeacher(model);
    if (!teacher || day < 1 || day > kDays) return false;
    std::string& s = teacher->occupancy.at(day);
    if (mark == DayMark::Unavailable) {
        if (!ValidSlot(day, lesson)) return false;
        const char code = CodeAt(*teacher, day, lesson);
        if (code != '0' && code != '4') return false;
        SetCode(*teacher, day, lesson, code == '0' ? '4' : '0');
    } else {
        // A day holding a placed lesson keeps its codes.
        if (s.find('3') != std::string::npos) return false;
        const char fill = mark == DayMark::Ordinary ? '0' : mark == DayMark::Practice ? '1' : '2';
        s = std::string(kLessons, fill);
    }
    SaveOccupancy(model, model.sel.department, model.sel.teacher);
    return true;
}
