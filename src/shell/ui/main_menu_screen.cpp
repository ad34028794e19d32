#include "shell/ui/main_menu_screen.h"

#include <QLabel>

#include "platform/qt/qt_dialogs.h"
#include "shell/navigation.h"
#include "shell/ui/hints.h"
#include "shell/ui/main_window.h"

namespace {

struct Heading {
    const char* text;
    int left, top;
};

const Heading kHeadings[] = {{"Вид", 10, 10},     {"Уроки", 10, 190},      {"Выписки", 10, 360},
                             {"Неделя", 220, 10}, {"Крупно", 220, 190},    {"Расписание", 220, 360},
                             {"День", 435, 10},   {"Таблицы", 650, 10}};

struct Button {
    const char* caption;
    int left, top;
    const char* hint;  // "" for none
    int screen;
    MenuCommand command;
};

using C = MenuCommand;
using S = ScreenId;

const Button kButtons[] = {
    {"Преподаватели - F2", 5, 50, "Преподаватели", S::kDepartment, C::ShowScreen},
    {"Аудитории", 5, 85, "Аудитории", S::kRoomList, C::ShowScreen},
    {"Группы", 5, 120, "Группы", S::kGroupList, C::ShowScreen},
    {"Отделение F10", 5, 155, "Структура отделения", S::kDivision, C::ShowScreen},
    {"Сейчас - F5", 5, 225, "Состояние учебного процесса в настоящий момент", S::kNow, C::NowPresent},
    {"Выписка по группе - F6", 5, 400, "Выписка по группе (дисциплины, часы, преподаватели)", S::kExtract,
     C::ShowScreen},
    {"Выписка по группе...", 5, 435, "Выписка по ... группе (дисциплины, часы, преподаватели)", S::kExtract,
     C::ExtractPrompt},
    {"Тарификация преп. - F8", 5, 505, "Тарификация преподавателя", S::kTarification, C::ShowScreen},
    {"Преподаватель... - Shift+F2", 220, 50, "Недельное расписание преподавателя", S::kWeekTeacher, C::ShowScreen},
    {"Аудитория... - Shift+F3", 220, 85, "Недельная занятость аудитории", S::kWeekRoom, C::ShowScreen},
    {"Группа... - Shift+F4", 220, 120, "Недельное расписание группы", S::kWeekGroup, C::ShowScreen},
    {"Крупно - Преподаватель", 220, 225, "Крупномасштабное отображение расписания преподавателя", S::kLargeTeacher,
     C::ShowScreen},
    {"Крупно - Аудитория", 220, 260, "Крупномасштабное отображение занятости аудитории", S::kLargeRoom,
     C::ShowScreen},
    {"Крупно - Группа", 220, 295, "Крупномасштабное отображение расписания группы", S::kLargeGroup, C::ShowScreen},
    {"Расписание по преп. - F3", 220, 400, "", S::kTeacherComposition, C::ShowScreen},
    {"Расписание по группе - F7", 220, 435, "Основная форма для составления и корректировки расписания",
     S::kGroupComposition, C::ShowScreen},
    {"Специализация - F9", 220, 470, "Составление и корректировка расписания специализации", S::kSpecialisation,
     C::ShowScreen},
    {"Преподаватели - F11", 435, 50, "Расписание преподавателей по кафедрам", S::kDayTeachers, C::ShowScreen},
    {"Аудитории - Ctrl+F3", 435, 85, "Занятость аудиторий по дням недели", S::kDayRooms, C::ShowScreen},
    {"Группы - Ctrl+F4", 435, 120, "Местонахождение групп по дням недели", S::kDayGroups, C::ShowScreen},
    {"Приказы (тарификация)", 435, 225, "", S::kOrders, C::ShowScreen},
    {"Табл : Аудитории - F4", 650, 85, "Таблица \"Аудитории / Группы\"", S::kTableRooms, C::ShowScreen},
    {"Табл : Группы", 650, 120, "Таблица \"Группы / Аудитории\"", S::kTableGroups, C::ShowScreen},
    {"Осн.Дисциплины", 650, 225, "Распределение преподавателей по дисциплинам", S::kMainDisciplines, C::ShowScreen},
    {"Замещение", 650, 295, "Различные режимы замещения отсутствующих преподавателей", S::kSubstitution,
     C::ShowScreen},
    {"Нет аудиторий", 650, 400, "Проверка непроставленности аудиторий", S::kPrintNoRooms, C::ShowScreen},
    {"Нужны сокращения названий", 650, 470, "Список названий дисциплин, которые не вмещаются в строчку при печати",
     S::kPrintNeedAbbreviations, C::ShowScreen},
    {"Сокращение названий", 650, 540, "Работа над сокращением названий дисциплин для печати расписания",
     S::kAbbreviations, C::ShowScreen},
};

}  // namespace

MainMenuScreen::MainMenuScreen(AppContext& app, QWidget* parent) : Screen(app, parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xA6, 0xCA, 0xF0));
    setPalette(p);
}

void MainMenuScreen::LayOut() {
    QFont headingFont("Arial", 12, QFont::Bold);
    for (const Heading& h : kHeadings) {
        auto* label = new QLabel(Q(h.text), this);
        label->setFont(headingFont);
        label->setStyleSheet("color: #FF0000;");
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(h.left, h.top, 200, 40);
    }
    QFont buttonFont("Arial", 9, QFont::Bold);
    auto add = [this](const char* caption, int left, int top, int w, int h, const QFont& font, const char* hint,
                      int screen, MenuCommand command) {
        auto* button = new QPushButton(Q(caption), this);
        button->setFont(font);
        button->setGeometry(left, top, w, h);
        if (*hint) SetHint(button, hint);
        connect(button, &QPushButton::clicked, this, [this, command, screen] {
            if (app_.window) app_.window->Trigger(command, screen);
        });
    };
    for (const Button& b : kButtons) add(b.caption, b.left, b.top, 213, 30, buttonFont, b.hint, b.screen, b.command);
    add("Печать - F12", 880, 5, 130, 40, QFont("Arial", 10, QFont::Bold),
        "Переход в меню \"Печать\" (выбор отчёта)", S::kPrintMenu, C::ShowScreen);
}

QPushButton* MainMenuScreen::button(const QString& caption) const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}
