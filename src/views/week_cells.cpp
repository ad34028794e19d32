#include "views/week_cells.h"

#include "shell/model.h"

std::string WeekHeader(WeekView view, int column) {
    static const char* const kTeacher[4] = {"Ур", "Группа", "Дисциплина", "Аудитория"};
    static const char* const kRoom[4] = {"Ур", "Группа", "Дисциплина", "Преподаватель"};
    static const char* const kGroup[4] = {"Ур", "Дисциплина", "Аудит", "Преподаватель"};
    if (column < 0 || column > 3) return "";
    switch (view) {
        case WeekView::Teacher: return kTeacher[column];
        case WeekView::Room: return kRoom[column];
        case WeekView::Group: return kGroup[column];
    }
    return "";
}

namespace {

bool OutsideWeek(int day, int row) { return day < 1 || day > kDays || row < 1 || row > kLessons; }

}  // namespace

WeekCell TeacherWeekCell(Model& model, int department, int teacher, int day, int row, int column) {
    WeekCell cell;
    if (row == 0) {
        cell.text = WeekHeader(WeekView::Teacher, column);
        return cell;
    }
    if (column == 0) cell.text = RightAligned(row, 2);
    if (OutsideWeek(day, row) || !model.departments.valid(department) ||
        !model.departments[department].teachers.valid(teacher))
        return cell;
    const Teacher& t = model.departments[department].teachers[teacher];
    const std::string& s = t.surname;
    const int l = row;
    const std::string& o = t.occupancy[day];
    const char code = static_cast<int>(o.size()) >= l ? o[l - 1] : '0';

    if (column == 0) {
        if (model.options.teacherOccupancyCheck == 1) {
            switch (code) {
                case '0': cell.background = 0x00FF00; break;
                case '1': cell.background = 0xFF0000; break;
                case '2': cell.background = 0xFFFF00; break;
                case '3': cell.background = model.config.colourD; break;
                case '4': cell.background = 0x800080; break;
                case '5': cell.background = 0x808080; break;
                default: break;
            }
        }
        return cell;
    }
    std::string group, discipline, room;
    if (code == '1') discipline = " Педпрактика";
    if (code == '2') discipline = " Методический день";
    if (code == '4') discipline = " -------";
    for (int g = 1; g <= model.timetables.size(); ++g) {
        const LessonCell& c = model.timetables[g].at(day, l);
        for (const LessonEntry* e : {&c.group, &c.sub1, &c.sub2})
            if (e->teacher == s) {
                group = model.groups[g].number;
                discipline = e->discipline;
                room = e->room;
            }
    }
    if (code == '5') {
        int found = FindSpecialisationLesson(model, s, day, l);
        if (found != 0) {
            const Specialisation& sp = model.specialisations[found];
            discipline = "Специализация - " + std::to_string(sp.course) + " к. " + sp.division;
            room = SpecialisationLessonRoom(model, found, s, l);
        } else {
            // The code says specialisation but no block holds the lesson.
            discipline = "Специализация";
        }
    }
    cell.text = column == 1 ? group : column == 2 ? discipline : room;
    return cell;
}

WeekCell RoomWeekCell(const Model& model, int room, int day, int row, int column) {
    WeekCell cell;
    if (row == 0) {
        cell.text = WeekHeader(WeekView::Room, column);
        return cell;
    }
    if (column == 0) cell.text = RightAligned(row, 2);
    if (OutsideWeek(day, row) || !model.rooms.valid(room)) return cell;
    const Room& r = model.rooms[room];
    const std::string& n = r.number;
    const int l = row;
    std::string cols[4];
    for (int g = 1; g <= model.timetables.size(); ++g) {
        const LessonCell& c = model.timetables[g].at(day, l);
        for (const LessonEntry* e : {&c.group, &c.sub1, &c.sub2})
            if (e->room == n) {
                cols[1] = model.groups[g].number;
                cols[2] = e->discipline;
                cols[3] = e->teacher;
            }
    }
    for (const Specialisation& s : model.specialisations) {
        if (s.day != day) continue;
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h) {
                const SpecialisationCell& sc = s.cell(v, h);
                if (sc.room == n && sc.lesson == l) {
                    cols[1] = std::to_string(s.course) + "-" + s.division;
                    cols[2] = " Специализация";
                    cols[3] = sc.teacher;
                }
            }
    }
    const std::string& note1 = r.notes.note1[day][l];
    const std::string& note2 = r.notes.note2[day][l];
    bool has1 = !note1.empty() && note1 != "-", has2 = !note2.empty() && note2 != "-";
    if (has1 || has2) cell.background = model.config.colourA;
    if (column == 2 && cols[2].empty() && has1) {
        cols[2] = note1;
        cell.textColour = model.config.colourD;
    }
    if (column == 3 && cols[3].empty() && has2) {
        cols[3] = note2;
        cell.textColour = model.config.colourD;
    }
    if (column >= 1 && column <= 3) cell.text = cols[column];
    return cell;
}

WeekCell GroupWeekCell(const Model& model, int group, int day, int row, int column) {
    WeekCell cell;
    if (row == 0) {
        cell.text = WeekHeader(WeekView::Group, column);
        return cell;
    }
    if (column == 0) {
        cell.text = RightAligned(row, 2);
        return cell;
    }
    if (OutsideWeek(day, row) || !model.groups.valid(group) || !model.timetables.valid(group) || column > 3)
        return cell;
    const LessonCell& c = model.timetables[group].at(day, row);
    auto field = [column](const LessonEntry& e) -> const std::string& {
        return column == 1 ? e.discipline : column == 2 ? e.room : e.teacher;
    };
    std::string text;
    if (column == 1) {
        if (model.groups[group].practiceDay == day) text = " Педпрактика";
        if (model.specialisationDay[group] == day) text = " Специализация";
    }
    if (field(c.group) != "-") text = field(c.group);
    const std::string& a = field(c.sub1);
    const std::string& b = field(c.sub2);
    const bool hasA = a != "-", hasB = b != "-";
    const int width = column == 1 ? 6 : 5;
    const std::string sep = column == 1 ? " / " : "/";
    if (hasA && !hasB) text = FirstChars(a, width) + " /";
    if (!hasA && hasB) {
        const char* lead = column == 1 ? "            / " : column == 2 ? " / " : "         / ";
        text = lead + FirstChars(b, width);
    }
    if (hasA && hasB) text = FirstChars(a, width) + sep + FirstChars(b, width);
    cell.text = text;
    return cell;
}
