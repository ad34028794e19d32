#include "views/large_day.h"

#include "shell/model.h"

namespace {


CanvasFont Times(int size) { return CanvasFont{"Times", size, true}; }

// One entry of a lesson band: part 1 whole group, 2 subgroup 1, 3 subgroup 2.
void DrawEntry(Canvas& c, int y0, int part, const std::string& first, const std::string& second) {
    if (part == 1) {
        c.Text(220, y0 + 1, first, Times(11), kBlack);
        c.Text(220, y0 + 22, second, Times(11), kBlack);
        return;
    }
    const int x = part == 2 ? 50 : 390;
    c.Text(x, y0 + 1, first, Times(11), kBlue);
    c.Text(x, y0 + 22, second, Times(11), kBlue);
    // Subgroup 1 keeps the band's right half for subgroup 2.
    if (part == 2) c.FillRect(377, y0 + 2, 780, y0 + 41, kWhite);
    c.Line(380, y0, 380, y0 + kLargeDayBand, kBlack);
    c.Line(381, y0, 381, y0 + kLargeDayBand, kBlack);
}

void DrawMark(Canvas& c, int y0, const std::string& text, int size, Colour colour) {
    c.Text(100, y0 + 5, text, Times(size), colour);
}

}  // namespace

void DrawLargeDay(Model& model, WeekView view, int day, Canvas& canvas) {
    canvas.FillRect(0, 0, kLargeDayWidth - 1, kLargeDayHeight - 1, kWhite);
    for (int l = 0; l <= kLessons; ++l) canvas.Line(0, l * kLargeDayBand, kLargeDayWidth, l * kLargeDayBand, kBlack);
    for (int l = 1; l <= kLessons; ++l)
        canvas.Text(10, kLargeDayBand * (l - 1) + 5, RightAligned(l, 2), CanvasFont{"Arial", 12, true}, kBlack);
    canvas.Line(40, 0, 40, kLargeDayHeight, kBlack);
    if (day < 1 || day > kDays) return;

    const Teacher* teacher = nullptr;
    std::string subject;  // the surname or the room number
    int group = 0;
    switch (view) {
        case WeekView::Teacher:
            if (!model.departments.valid(model.sel.department) ||
                !model.departments[model.sel.department].teachers.valid(model.sel.teacher))
                return;
            teacher = &model.departments[model.sel.department].teachers[model.sel.teacher];
            subject = teacher->surname;
            break;
        case WeekView::Room:
            if (!model.rooms.valid(model.sel.room)) return;
            subject = model.rooms[model.sel.room].number;
            break;
        case WeekView::Group:
            if (!model.groups.valid(model.sel.group) || !model.timetables.valid(model.sel.group)) return;
            group = model.sel.group;
            break;
    }

    for (int l = 1; l <= kLessons; ++l) {
        const int y0 = kLargeDayBand * (l - 1);
        if (view == WeekView::Group) {
            const LessonCell& cell = model.timetables[group].at(day, l);
            for (int part = 1; part <= 3; ++part) {
                const LessonEntry& e = cell.part(part);
                if (e.empty()) continue;
                DrawEntry(canvas, y0, part, e.discipline, e.teacher + "  -  ауд. " + e.room);
            }
            if (model.groups[group].practiceDay == day) DrawMark(canvas, y0, "Педпрактика", 14, kRed);
            if (model.specialisationDay[group] == day) DrawMark(canvas, y0, "Специализация", 14, kNavy);
            continue;
        }
        for (int g = 1; g <= model.timetables.size() && g <= model.groups.size(); ++g) {
            const LessonCell& cell = model.timetables[g].at(day, l);
            for (int part = 1; part <= 3; ++part) {
                const LessonEntry& e = cell.part(part);
                const std::string& number = model.groups[g].number;
                if (view == WeekView::Teacher && e.teacher == subject)
                    DrawEntry(canvas, y0, part, e.discipline,
                              number + (part == 3 ? " группа -  ауд. " : " группа  -  ауд. ") + e.room);
                if (view == WeekView::Room && e.room == subject)
                    DrawEntry(canvas, y0, part, e.discipline, number + " группа  - " + e.teacher);
            }
        }
        if (view != WeekView::Teacher) continue;
        const std::string& o = teacher->occupancy[day];
        const char code = static_cast<int>(o.size()) >= l ? o[l - 1] : '0';
        if (code == '1') DrawMark(canvas, y0, "Педпрактика", 14, kRed);
        if (code == '2') DrawMark(canvas, y0, "Методический день", 12, kGreen);
        if (code == '4') DrawMark(canvas, y0, "Лучше не ставить занятие на это время", 12, kFuchsia);
        if (code == '5') {
            const int found = FindSpecialisationLesson(model, subject, day, l);
            if (found != 0) {
                const Specialisation& s = model.specialisations[found];
                DrawMark(canvas, y0,
                         "Специализация - " + std::to_string(s.course) + " к. " + s.division + " - ауд. " +
                             SpecialisationLessonRoom(model, found, subject, l),
                         11, kNavy);
            } else {
                // The code says specialisation but no block holds the lesson.
                DrawMark(canvas, y0, "Специализация", 11, kNavy);
            }
        }
    }
}

std::string LargeDayTitle(const Model& model, WeekView view, int day) {
    const std::string dayName = day >= 1 && day <= kDays ? kDayNames[day] : "";
    switch (view) {
        case WeekView::Teacher:
            if (model.departments.valid(model.sel.department) &&
                model.departments[model.sel.department].teachers.valid(model.sel.teacher)) {
                const Teacher& t = model.departments[model.sel.department].teachers[model.sel.teacher];
                return t.surname + " " + t.nameAndPatronymic + " - " + dayName;
            }
            return dayName;
        case WeekView::Room:
            return "Аудитория " + (model.rooms.valid(model.sel.room) ? model.rooms[model.sel.room].number : "") +
                   " - " + dayName;
        case WeekView::Group:
            return (model.groups.valid(model.sel.group) ? model.groups[model.sel.group].number : "") +
                   " группа - " + dayName;
    }
    return dayName;
}
