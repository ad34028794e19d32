#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <memory>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "platform/qt/qt_dialogs.h"
#include "shell/navigation.h"
#include "shell/ui/hints.h"
#include "shell/ui/main_menu_screen.h"
#include "shell/ui/main_window.h"
#include "shell/ui/screens.h"
#include "ui/demo_window.h"

// Qt's own entry for shortcut handling, the one its test library uses for a key press.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

namespace {

bool PressShortcut(QWidget* target, const QKeySequence& keys) {
    QKeyCombination combo = keys[0];
    return qt_sendShortcutOverrideEvent(target, 0, combo.key(), combo.keyboardModifiers(), QString(), false, 1);
}

// The demo college with the window started on it; optionally every screen stubbed.
struct Started : DemoWindow {
    explicit Started(bool allScreens) : DemoWindow({.stubs = allScreens}) {}
};

TEST(MainWindow, StartsOnTheDemoCollegeWithTitleAndCheckMarks) {
    Started s(false);
    MainWindow& w = *s.window;
    EXPECT_EQ(w.windowTitle().toStdString(),
              "Приозёрский колледж музыки и педагогики : Урокосет : 1-е полугодие : Главное меню : Сейчас идёт 2 урок");
    EXPECT_EQ(s.model->sel.screen, 1);
    const char* captions[] = {"", "1-е полугодие", "2-е полугодие", "НОВЫЙ СЕМЕСТР (ТРЕНИРОВКА)", "Еще один семестр"};
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(w.catalogAction(n)->text().toStdString(), captions[n]);
        EXPECT_EQ(w.catalogAction(n)->isChecked(), n == 1) << n;
    }
    EXPECT_TRUE(w.actionFor(MenuCommand::Hints)->isChecked());
    EXPECT_FALSE(w.actionFor(MenuCommand::UnknownTeacher)->isChecked());

    // The bar in order, "Главное Меню" an item of the bar itself.
    QStringList bar;
    for (QAction* a : w.menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar.join(",").toStdString(),
              "Файл,Вид,Неделя,День,Таблицы,Печать,Настройки,Изменения,Автомат,Приказы,Анализ,Главное Меню");
    EXPECT_EQ(w.menuBar()->actions().last()->menu(), nullptr);

    // Items whose screens are not built are present and disabled; the registered ones are enabled.
    EXPECT_TRUE(w.actionFor(MenuCommand::MainMenu)->isEnabled());
    EXPECT_FALSE(w.actionForScreen(ScreenId::kDepartment)->isEnabled());
    EXPECT_FALSE(w.actionFor(MenuCommand::Orders1)->isEnabled());
    EXPECT_FALSE(w.actionFor(MenuCommand::TeacherSheet1)->isEnabled());
    EXPECT_FALSE(w.actionFor(MenuCommand::RoomSet1)->isEnabled());
    ASSERT_GE(s.model->roomSets.size(), 1);
    EXPECT_EQ(w.actionFor(MenuCommand::RoomSet1)->text().toStdString(), s.model->roomSets[1].name);
    EXPECT_FALSE(w.menuFor("Автомат")->menuAction()->isEnabled());
    w.AddScreen({ScreenId::kDepartment}, new StubScreen(w.app()));
    EXPECT_TRUE(w.actionForScreen(ScreenId::kDepartment)->isEnabled());
}

TEST(MainWindow, ShortcutsOpenTheirScreens) {
    Started s(true);
    MainWindow& w = *s.window;
    ASSERT_TRUE(w.isActiveWindow());
    struct Case {
        const char* keys;
        int screen;
    };
    // The teacher composition screen stays open only for a teacher with extract lines.
    for (int d = 1; d <= s.model->departments.size() && s.model->teacherComposition.lines.empty(); ++d)
        for (int t = 1; t <= s.model->departments[d].teachers.size(); ++t) {
            s.model->sel.department = d, s.model->sel.teacher = t;
            BuildTeacherLineList(*s.model);
            if (!s.model->teacherComposition.lines.empty()) break;
        }
    const Case cases[] = {
        {"F2", 2},         {"F10", 201},      {"F6", 6},         {"F7", 7},         {"F3", 77},
        {"F8", 8},         {"F9", 51},        {"F12", 400},      {"Shift+F2", 102}, {"Shift+F3", 103},
        {"Shift+F4", 104}, {"F11", 202},      {"Ctrl+F3", 203},  {"Ctrl+F4", 204},  {"F4", 301},
        {"Shift+Ctrl+F4", 302}, {"F1", 1},
    };
    for (const Case& c : cases) {
        s.model->sel.screen = 3;
        EXPECT_TRUE(PressShortcut(&w, QKeySequence(c.keys))) << c.keys;
        EXPECT_EQ(s.model->sel.screen, c.screen) << c.keys;
        EXPECT_EQ(w.windowTitle().toStdString(), CurrentCaption(*s.model, s.clock)) << c.keys;
    }
    // F5 belongs to the "now" screen's own command: without it nothing happens.
    s.model->sel.screen = 1;
    PressShortcut(&w, QKeySequence("F5"));
    EXPECT_EQ(s.model->sel.screen, 1);
    int nowMode = 0;
    w.AddCommand(MenuCommand::NowPresent, [&] { nowMode = 1; w.ShowScreen(ScreenId::kNow); });
    EXPECT_TRUE(PressShortcut(&w, QKeySequence("F5")));
    EXPECT_EQ(nowMode, 1);
    EXPECT_EQ(s.model->sel.screen, 5);

    // Ctrl+F12 asks before it closes.
    s.dialogs.ConfirmWith(false);
    EXPECT_TRUE(PressShortcut(&w, QKeySequence("Ctrl+F12")));
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0].caption, "Завершение работы с программой");
    EXPECT_TRUE(w.isVisible());
}

TEST(MainWindow, AutomatMenuFollowsTheScreen) {
    Started s(true);
    MainWindow& w = *s.window;
    QAction* automat = w.menuFor("Автомат")->menuAction();
    w.ShowScreen(ScreenId::kGroupComposition);
    EXPECT_TRUE(automat->isEnabled());
    EXPECT_FALSE(w.actionFor(MenuCommand::ComposeSubgroups)->isEnabled());
    w.ShowScreen(ScreenId::kTeacherComposition);
    EXPECT_FALSE(automat->isEnabled());
}

TEST(MainWindow, MenuOptionsAndWeekTableSubmenus) {
    Started s(true);
    MainWindow& w = *s.window;
    w.ShowScreen(ScreenId::kGroupComposition);
    w.actionFor(MenuCommand::UnknownTeacher)->trigger();
    EXPECT_TRUE(w.actionFor(MenuCommand::UnknownTeacher)->isChecked());
    EXPECT_EQ(s.model->options.showUnknownTeacher, 1);
    EXPECT_EQ(s.model->sel.screen, 1) << "ends on the main menu";
    w.actionFor(MenuCommand::GroupSheetSize)->trigger();
    EXPECT_EQ(s.model->options.groupSheetSize, 2);
    EXPECT_FALSE(w.actionFor(MenuCommand::GroupSheetSize)->isChecked());

    // A stand-in for the group week counts its redraws.
    auto* week = new StubScreen(w.app());
    w.AddScreen({ScreenId::kWeekGroup}, week);
    w.ShowScreen(ScreenId::kWeekGroup);
    int fills = week->fills;
    w.actionFor(MenuCommand::TeacherWeekArial)->trigger();
    EXPECT_EQ(s.model->shell.teacherWeek.fontName, "Times");
    EXPECT_EQ(week->fills, fills);
    s.dialogs.ColourWith(std::nullopt);
    w.actionFor(MenuCommand::GroupWeekBackground)->trigger();
    EXPECT_EQ(s.model->shell.groupWeek.background, 0xFFFBF0u);
    EXPECT_EQ(week->fills, fills + 1);
    EXPECT_EQ(w.menuFor("Настройки|Настройка таблиц недельного расписания группы...|Шрифт...|Тип шрифта...")
                  ->actions()
                  .size(),
              2);
}

TEST(MainMenuScreen, LayoutHintsAndButtons) {
    Started s(true);
    MainWindow& w = *s.window;
    auto* menu = dynamic_cast<MainMenuScreen*>(w.ScreenFor(1));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->palette().color(QPalette::Window), QColor("#A6CAF0"));
    EXPECT_EQ(menu->findChildren<QLabel*>().size(), 8);
    EXPECT_EQ(menu->findChildren<QPushButton*>().size(), 29);

    QPushButton* groups = menu->button("Группы");
    ASSERT_NE(groups, nullptr);
    EXPECT_TRUE(groups->isVisible()) << "laid out after the window was shown";
    EXPECT_EQ(groups->geometry(), QRect(5, 120, 213, 30));
    EXPECT_EQ(groups->font().family(), "Arial");
    EXPECT_EQ(groups->font().pointSize(), 9);
    EXPECT_TRUE(groups->font().bold());
    QPushButton* print = menu->button("Печать - F12");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->geometry(), QRect(880, 5, 130, 40));
    EXPECT_EQ(print->font().pointSize(), 10);
    EXPECT_EQ(print->toolTip().toStdString(), "Переход в меню \"Печать\" (выбор отчёта)");
    EXPECT_EQ(menu->button("Расписание по преп. - F3")->toolTip(), "");

    // "Подсказки" hides every hint and brings them back.
    w.actionFor(MenuCommand::Hints)->trigger();
    EXPECT_FALSE(w.actionFor(MenuCommand::Hints)->isChecked());
    EXPECT_EQ(groups->toolTip(), "");
    EXPECT_EQ(HintOf(groups).toStdString(), "Группы");
    w.actionFor(MenuCommand::Hints)->trigger();
    EXPECT_EQ(groups->toolTip().toStdString(), "Группы");

    groups->click();
    EXPECT_EQ(s.model->sel.screen, ScreenId::kGroupList);
    w.ShowScreen(1);
    s.model->absentTeachers.clear();
    menu->button("Замещение")->click();
    EXPECT_EQ(s.model->sel.screen, 1) << "nobody is absent";
    s.model->absentTeachers.push_back(AbsentTeacher{"Петров", "Петров П.П."});
    menu->button("Замещение")->click();
    EXPECT_EQ(s.model->sel.screen, ScreenId::kSubstitution);

    if (qEnvironmentVariableIsSet("URK_SCREENSHOTS")) {
        w.ShowScreen(1);
        SaveShot(menu, "main_menu");
        SaveShot(&w, "window");
        int n = 0;
        for (QAction* a : w.menuBar()->actions())
            if (QMenu* m = a->menu()) {
                m->ensurePolished();
                m->adjustSize();
                SaveShot(m, QString("menu%1").arg(++n));
            }
    }
}

}  // namespace
