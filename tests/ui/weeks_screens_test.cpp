#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "shell/navigation.h"
#include "shell/ui/main_window.h"
#include "shell/ui/screens.h"
#include "composition/specialisation_edit.h"
#include "composition/ui/specialisation_screen.h"
#include "views/large_day.h"
#include "views/ui/large_day_screen.h"
#include "views/ui/week_screen.h"
#include "ui/demo_window.h"

namespace {

struct Demo : DemoWindow {
    template <class S>
    S* Show(int id) {
        window->ShowScreen(id);
        QApplication::processEvents();
        return dynamic_cast<S*>(window->ScreenFor(id));
    }
    void Shot(QWidget* w, const char* name) { SaveShot(w, name); }
    std::string Caption() const { return window->windowTitle().toStdString(); }
};

// The first (department, teacher) holding a lesson, or the first with a code "5".
bool FindTeacherWith(Model& m, char code) {
    for (int d = 1; d <= m.departments.size(); ++d)
        for (int t = 1; t <= m.departments[d].teachers.size(); ++t)
            for (int day = 1; day <= 6; ++day)
                if (m.departments[d].teachers[t].occupancy[day].find(code) != std::string::npos) {
                    m.sel.department = d;
                    m.sel.teacher = t;
                    m.sel.day = day;
                    return true;
                }
    return false;
}

TEST(WeekScreens, DemoWeeksShowTheirTablesAndSwitch) {
    Demo s;
    Model& m = *s.model;
    FindTeacherWith(m, '3');
    auto* teacher = s.Show<WeekScreen>(ScreenId::kWeekTeacher);
    ASSERT_NE(teacher, nullptr);
    EXPECT_EQ(m.sel.screen, ScreenId::kWeekTeacher);
    EXPECT_EQ(teacher->dayTable(6)->rowCount(), 15);
    EXPECT_EQ(teacher->switchButton()->text().toStdString(), "Преподаватель...");
    EXPECT_FALSE(teacher->wordButton()->isEnabled());
    EXPECT_EQ(teacher->title()->text().toStdString(), WeekTitle(m, WeekView::Teacher));
    s.Shot(teacher, "teacher_week");

    // The switch button asks and shows the week again; Cancel keeps the teacher.
    const int department = m.sel.department, position = m.sel.teacher;
    s.dialogs.Cancel();
    teacher->switchButton()->click();
    EXPECT_EQ(m.sel.department, department);
    EXPECT_EQ(m.sel.teacher, position);
    EXPECT_EQ(s.dialogs.shown.back().caption, "Переход к другому преподавателю");

    // A day caption opens the large view of that day; its title leads back.
    teacher->DayCaptionClicked(2);
    EXPECT_EQ(m.sel.screen, ScreenId::kLargeTeacher);
    EXPECT_EQ(m.sel.day, 2);
    auto* large = dynamic_cast<LargeDayScreen*>(s.window->ScreenFor(ScreenId::kLargeTeacher));
    EXPECT_EQ(large->title()->text().toStdString(), LargeDayTitle(m, WeekView::Teacher, 2));
    s.Shot(large, "large_teacher");
    large->DayClicked(3);
    EXPECT_EQ(m.sel.day, 3);
    EXPECT_EQ(large->dayCaption(3)->styleSheet().toStdString(), "color: #FF0000;");
    EXPECT_EQ(large->dayCaption(2)->styleSheet().toStdString(), "color: #0000FF;");
    emit large->title()->clicked();
    EXPECT_EQ(m.sel.screen, ScreenId::kWeekTeacher);

    // The room title toggles its option.
    auto* room = s.Show<WeekScreen>(ScreenId::kWeekRoom);
    const std::string withTexts = room->title()->text().toStdString();
    emit room->title()->clicked();
    EXPECT_EQ(m.weeks.roomTitleOption, 2);
    EXPECT_EQ(room->title()->text().toStdString(), "Аудитория " + m.rooms[m.sel.room].number);
    emit room->title()->clicked();
    EXPECT_EQ(room->title()->text().toStdString(), withTexts);
    // A note typed by double-click shows and is written.
    s.dialogs.Answer("Ремонт рояля");
    room->CellDoubleClicked(1, 14, 2);
    EXPECT_EQ(m.rooms[m.sel.room].notes.note1[1][14], "Ремонт рояля");
    s.Shot(room, "room_week");

    auto* group = s.Show<WeekScreen>(ScreenId::kWeekGroup);
    EXPECT_NE(s.Caption().find("Неделя : Расписание группы " + m.groups[m.sel.group].number), std::string::npos);
    s.Shot(group, "group_week");
    s.Shot(s.Show<LargeDayScreen>(ScreenId::kLargeGroup), "large_group");
}

TEST(SpecialisationScreenWidget, PlacedLessonShowsOnTheTeachersWeek) {
    Demo s;
    Model& m = *s.model;
    ASSERT_GT(m.specialisations.size(), 0);
    auto* screen = s.Show<SpecialisationScreen>(ScreenId::kSpecialisation);
    ASSERT_NE(screen, nullptr);
    EXPECT_NE(s.Caption().find("Специализация : "), std::string::npos) << s.Caption();
    s.Shot(screen, "specialisation");

    // Give hour 1 of variant 1 a known teacher and an unlisted room, then place it
    // at a lesson where no group of the block has a lesson.
    SwitchSpecialisationEditing(m);
    Specialisation& sp = m.specialisations[m.currentSpecialisation];
    int v = 0, h = 0;
    for (int vv = 1; vv <= sp.variants && !v; ++vv)
        for (int hh = 1; hh <= sp.hours && !v; ++hh)
            if (!sp.cell(vv, hh).placed()) v = vv, h = hh;
    ASSERT_NE(v, 0);
    const Teacher& t = m.departments[1].teachers[1];
    const std::string surname = t.surname;
    SpecialisationCellClick(m, s.dialogs, v, h);
    s.dialogs.Answer(surname);
    ASSERT_TRUE(RunSpecialisationCommand(m, s.dialogs, SpecialisationCommand::TeacherForCell));
    SwitchSpecialisationEditing(m);
    const int day = m.specialisations[m.currentSpecialisation].day;
    int lesson = 0;
    for (int l = 14; l >= 1 && !lesson; --l) {
        bool free = m.departments[1].teachers[1].occupancy[day][l - 1] == '0';
        for (const std::string& g : m.specialisations[m.currentSpecialisation].groups) {
            int p = GroupPosition(m, g);
            if (p != 0) {
                const LessonCell& c = m.timetables[p].at(day, l);
                if (!c.group.empty() || !c.sub1.empty() || !c.sub2.empty()) free = false;
            }
        }
        for (int hh = 1; hh <= m.specialisations[m.currentSpecialisation].hours; ++hh)
            if (m.specialisations[m.currentSpecialisation].cell(v, hh).lesson == l) free = false;
        if (free) lesson = l;
    }
    ASSERT_NE(lesson, 0);
    emit screen->cellTable()->cellClicked(h, v);
    EXPECT_EQ(m.specScreen.state, kSpecPlacingCell);
    emit screen->lessonTable()->cellClicked(lesson, v);
    EXPECT_EQ(m.specialisations[m.currentSpecialisation].cell(v, h).lesson, lesson) << m.specScreen.warning;
    s.Shot(screen, "specialisation_placed");

    m.sel.department = 1;
    m.sel.teacher = 1;
    s.Show<WeekScreen>(ScreenId::kWeekTeacher);
    const Cell shown = WeekTableCell(m, WeekView::Teacher, day, lesson, 2);
    EXPECT_EQ(shown.text.rfind("Специализация - ", 0), 0u) << shown.text;
}

}  // namespace

TEST(SpecialisationScreenWidget, ChangesMenuItemOpensEditingMode) {
    Demo s;
    s.window->ShowScreen(ScreenId::kSpecialisation);
    EXPECT_FALSE(s.model->specScreen.editing) << "the button and F9 keep placing mode";
    s.window->ShowScreen(ScreenId::kMainMenu);
    s.window->actionFor(MenuCommand::SpecialisationEditing)->trigger();
    EXPECT_EQ(s.model->sel.screen, ScreenId::kSpecialisation);
    EXPECT_TRUE(s.model->specScreen.editing);
}

TEST(SpecialisationScreenWidget, RoomModeShowsTheRoomTablesOfItsLayout) {
    Demo s;
    Model& m = *s.model;
    auto* screen = s.Show<SpecialisationScreen>(ScreenId::kSpecialisation);
    ASSERT_NE(screen, nullptr);
    const Specialisation& sp = m.specialisations[m.currentSpecialisation];
    int v = 0, lesson = 0;
    for (int vv = 1; vv <= sp.variants && !v; ++vv)
        for (int h = 1; h <= sp.hours && !v; ++h)
            if (sp.cell(vv, h).placed()) v = vv, lesson = sp.cell(vv, h).lesson;
    ASSERT_NE(v, 0);
    SwitchSpecialisationRoomMode(m);
    SpecialisationLessonClick(m, v, lesson);
    screen->Fill();
    RoomLayout layout = LoadRoomLayout(m, kSpecialisationLayout);
    ASSERT_EQ(screen->roomTables().size(), layout.parts.size());
    ASSERT_FALSE(layout.parts.empty());
    EXPECT_TRUE(screen->roomTables()[0]->isVisible());
    EXPECT_EQ(screen->roomTables()[0]->geometry(),
              QRect(layout.parts[0].gridLeft, layout.parts[0].gridTop, layout.parts[0].gridWidth,
                    layout.parts[0].gridHeight));
    s.Shot(screen, "specialisation_rooms");
}
