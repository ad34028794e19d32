#include "views/week_views.h"

#include "platform/dialogs.h"
#include "shell/model.h"
#include "shell/navigation.h"

namespace {

const Teacher* CurrentTeacherOf(const Model& model) {
    if (!model.departments.valid(model.sel.department)) return nullptr;
    const Department& d = model.departments[model.sel.department];
    return d.teachers.valid(model.sel.teacher) ? &d.teachers[model.sel.teacher] : nullptr;
}

}  // namespace

std::string WeekTitle(const Model& model, WeekView view) {
    switch (view) {
        case WeekView::Teacher: {
            const Teacher* t = CurrentTeacherOf(model);
            return t ? t->surname + " " + t->nameAndPatronymic : "";
        }
        case WeekView::Room: {
            if (!model.rooms.valid(model.sel.room)) return "";
            const Room& r = model.rooms[model.sel.room];
            std::string title = "Аудитория " + r.number;
            if (model.weeks.roomTitleOption == 1) title += " : " + r.name + " : " + r.keeper;
            return title;
        }
        case WeekView::Group: {
            if (!model.groups.valid(model.sel.group)) return "";
            const Group& g = model.groups[model.sel.group];
            if (g.base == 11)
                return "Группа " + g.number + " - " + g.division + " - " + std::to_string(g.course + 1) +
                       " курс (" + std::to_string(g.course) + " год обучения) : " + g.specialty;
            return "Группа " + g.number + " - " + g.division + " - " + std::to_string(g.course) + " курс : " +
                   g.specialty;
        }
    }
    return "";
}

int WeekScreenId(WeekView view) {
    return view == WeekView::Teacher ? ScreenId::kWeekTeacher
           : view == WeekView::Room  ? ScreenId::kWeekRoom
                                     : ScreenId::kWeekGroup;
}

int LargeDayScreenId(WeekView view) {
    return view == WeekView::Teacher ? ScreenId::kLargeTeacher
           : view == WeekView::Room  ? ScreenId::kLargeRoom
                                     : ScreenId::kLargeGroup;
}

const int* WeekColumnWidths(WeekView view) {
    static const int kTeacher[4] = {24, 30, 232, 40};
    static const int kRoom[4] = {24, 40, 165, 97};
    static const int kGroup[4] = {22, 158, 42, 102};
    return view == WeekView::Teacher ? kTeacher : view == WeekView::Room ? kRoom : kGroup;
}

Cell WeekTableCell(Model& model, WeekView view, int day, int row, int column) {
    const WeekTableStyle& style = view == WeekView::Teacher ? model.shell.teacherWeek : model.shell.groupWeek;
    WeekCell w;
    switch (view) {
        case WeekView::Teacher:
            w = TeacherWeekCell(model, model.sel.department, model.sel.teacher, day, row, column);
            break;
        case WeekView::Room: w = RoomWeekCell(model, model.sel.room, day, row, column); break;
        case WeekView::Group: w = GroupWeekCell(model, model.sel.group, day, row, column); break;
    }
    Cell c;
    c.text = w.text;
    c.font = style.fontName;
    c.size = style.fontSize;
    if (row == 0) {
        c.background = 0xA6CAF0;
        c.colour = 0x000000;
        c.bold = true;
        c.left = 2;
        return c;
    }
    c.background = w.background.value_or(style.background);
    c.colour = w.textColour.value_or(style.fontColour);
    c.bold = style.fontStyle == 2;
    c.left = 0;
    return c;
}

void ChooseOtherTeacher(Model& model, Dialogs& dialogs) {
    const Teacher* current = CurrentTeacherOf(model);
    const std::string def = current ? current->surname : "";
    const std::string answer =
        dialogs.Input("Переход к другому преподавателю", "Введите фамилию преподавателя", def);
    if (answer.empty()) return;
    // Each department with a matching teacher makes its first match current, so
    // the last such department wins.
    for (int d = 1; d <= model.departments.size(); ++d) {
        const Department& dep = model.departments[d];
        for (int t = 1; t <= dep.teachers.size(); ++t) {
            const std::string& s = dep.teachers[t].surname;
            if (answer.size() <= s.size() && s.compare(0, answer.size(), answer) == 0) {
                model.sel.department = d;
                model.sel.teacher = t;
                break;
            }
        }
    }
}

void ChooseOtherRoom(Model& model, Dialogs& dialogs) {
    const std::string def = model.rooms.valid(model.sel.room) ? model.rooms[model.sel.room].number : "";
    const std::string answer = dialogs.Input("Занятость другой аудитории", "Другая аудитория?", def);
    if (answer.empty()) return;
    for (int r = 1; r <= model.rooms.size(); ++r)
        if (model.rooms[r].number == answer) model.sel.room = r;
}

void ChooseOtherGroup(Model& model, Dialogs& dialogs) {
    const std::string def = model.groups.valid(model.sel.group) ? model.groups[model.sel.group].number : "";
    const std::string answer = dialogs.Input("Расписание другой группы", "Номер другой группы?", def);
    if (answer.empty()) return;
    for (int g = 1; g <= model.groups.size(); ++g)
        if (model.groups[g].number == answer) model.sel.group = g;
}

void ChooseOtherSubject(Model& model, Dialogs& dialogs, WeekView view) {
    switch (view) {
        case WeekView::Teacher: ChooseOtherTeacher(model, dialogs); break;
        case WeekView::Room: ChooseOtherRoom(model, dialogs); break;
        case WeekView::Group: ChooseOtherGroup(model, dialogs); break;
    }
}

std::string SwitchButtonText(WeekView view) {
    return view == WeekView::Teacher ? "Преподаватель..." : view == WeekView::Room ? "Аудитория..." : "Группа...";
}

std::string SwitchButtonHint(WeekView view) {
    return view == WeekView::Teacher ? "Переход к другому преподавателю"
           : view == WeekView::Room  ? "Переход к другой аудитории"
                                     : "Переход к другой группе";
}

bool EditRoomNote(Model& model, Dialogs& dialogs, int day, int lesson, int column) {
    if (!model.rooms.valid(model.sel.room) || day < 1 || day > kDays || lesson < 1 || lesson > kLessons) return false;
    Room& room = model.rooms[model.sel.room];
    std::string& note1 = room.notes.note1[day][lesson];
    std::string& note2 = room.notes.note2[day][lesson];
    if (column == 1) {
        note1 = "-";
        note2 = "-";
    } else if (column == 2 || column == 3) {
        std::string& note = column == 2 ? note1 : note2;
        std::string answer = dialogs.Input("Изменение примечания " + std::to_string(column - 1),
                                           "Новое примечание?", note);
        if (!AcceptText(dialogs, answer)) return false;
        note = answer.empty() ? "-" : answer;
    } else {
        return false;
    }
    SaveRoomNotes(model, model.sel.room);
    return true;
}
