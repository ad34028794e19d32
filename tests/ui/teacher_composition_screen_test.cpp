#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "shell/navigation.h"
#include "shell/ui/main_window.h"
#include "shell/ui/screens.h"
#include "base/textfile.h"
#include "composition/auto_composition.h"
#include "composition/teacher_composition.h"
#include "ui/demo_window.h"
#include "composition/ui/teacher_composition_screen.h"

namespace {

struct TeacherDemo : DemoWindow {
    TeacherDemo() : DemoWindow({.stubs = true}) {}
    TeacherCompositionScreen* Screen77() {
        return static_cast<TeacherCompositionScreen*>(window->ScreenFor(ScreenId::kTeacherComposition));
    }
    // The first teacher with an unplaced whole-group entry in the demo college.
    bool SelectTeacherWithWork(int& entry) {
        Model& m = *model;
        for (int d = 1; d <= m.departments.size(); ++d)
            for (int t = 1; t <= m.departments[d].teachers.size(); ++t) {
                m.sel.department = d;
                m.sel.teacher = t;
                BuildTeacherLineList(m);
                CountTeacherLines(m);
                for (int i = 1; i <= m.teacherComposition.lines.size(); ++i) {
                    const TeacherLine& e = m.teacherComposition.lines[i];
                    if (e.part == 0 && !e.complete && e.hours > e.placed) {
                        entry = i;
                        return true;
                    }
                }
            }
        return false;
    }
    std::string File(const std::string& path) { return ReadFileBytes(path); }
};

TEST(TeacherCompositionScreen, PlacesAndRemovesThroughTheTables) {
    TeacherDemo s;
    Model& m = *s.model;
    int entry = 0;
    ASSERT_TRUE(s.SelectTeacherWithWork(entry));
    s.window->ShowScreen(ScreenId::kTeacherComposition);
    ASSERT_EQ(m.sel.screen, ScreenId::kTeacherComposition);
    TeacherCompositionScreen* screen = s.Screen77();
    const Teacher& teacher = m.departments[m.sel.department].teachers[m.sel.teacher];
    EXPECT_EQ(screen->title()->text().toStdString(), teacher.displayName);
    EXPECT_EQ(s.window->windowTitle().toStdString(), "Составление расписания - " + teacher.displayName);
    SaveShot(screen, "teacher_composition");

    const TeacherLine line = m.teacherComposition.lines[entry];
    const std::string group = m.groups[line.group].number;
    emit screen->lineList()->cellClicked(entry, 2);
    EXPECT_EQ(s.window->windowTitle().toStdString(), group + " - " + line.discipline);
    EXPECT_EQ(m.teacherComposition.mode, 2);
    m.options.teacherOccupancyCheck = 1;
    SaveShot(screen, "teacher_composition_placing");
    m.options.teacherOccupancyCheck = 2;

    // The first lesson free for both the teacher and the group, outside its practice and specialisation days.
    int day = 0, lesson = 0;
    for (int d = 1; d <= 6 && !day; ++d) {
        if (m.groups[line.group].practiceDay == d || m.specialisationDay[line.group] == d) continue;
        for (int l = 1; l <= 14 && !day; ++l) {
            const LessonCell& c = m.timetables[line.group].at(d, l);
            if (teacher.occupancy[d][l - 1] == '0' && c.group.empty() && c.sub1.empty() && c.sub2.empty())
                day = d, lesson = l;
        }
    }
    ASSERT_NE(day, 0);
    emit screen->dayTable(day)->cellClicked(lesson, 2);
    EXPECT_EQ(m.teacherComposition.mode, 0);
    EXPECT_EQ(m.timetables[line.group].at(day, lesson).group.discipline, line.discipline);
    const std::string ras = m.config.timetableFolder + group + ".ras";
    const std::string zan = OccupancyFilePath(m, teacher);
    EXPECT_EQ(ReadLines(ras)[2 + ((day - 1) * 14 + lesson - 1) * 11 + 1], line.discipline);
    EXPECT_EQ(ReadLines(zan)[day][lesson - 1], '3');
    EXPECT_EQ(TeacherDayCell(m, day, lesson, 1).text, group);

    // A methodical day cannot be set over the lesson; the double-click removes it.
    screen->MarkDay(day, lesson, 2);
    EXPECT_EQ(ReadLines(zan)[day][lesson - 1], '3');
    emit screen->dayTable(day)->cellDoubleClicked(lesson, 1);
    EXPECT_TRUE(m.timetables[line.group].at(day, lesson).group.empty());
    EXPECT_EQ(ReadLines(ras)[2 + ((day - 1) * 14 + lesson - 1) * 11 + 1], "-");
    EXPECT_EQ(ReadLines(zan)[day][lesson - 1], '0');
}

TEST(TeacherCompositionScreen, TeacherWithoutLinesStaysOnTheMainMenu) {
    TeacherDemo s;
    Model& m = *s.model;
    // A teacher of the demo college whom no extract names.
    bool found = false;
    for (int d = 1; d <= m.departments.size() && !found; ++d)
        for (int t = 1; t <= m.departments[d].teachers.size() && !found; ++t) {
            m.sel.department = d, m.sel.teacher = t;
            BuildTeacherLineList(m);
            found = m.teacherComposition.lines.empty();
        }
    if (!found) {
        // Every demo teacher teaches: without extracts nobody does.
        for (GroupExtract& x : m.extracts) x.lines.clear();
    }
    s.dialogs.shown.clear();
    s.window->ShowScreen(ScreenId::kTeacherComposition);
    EXPECT_EQ(m.sel.screen, ScreenId::kMainMenu);
    ASSERT_FALSE(s.dialogs.shown.empty());
    EXPECT_EQ(s.dialogs.shown.back().text,
              m.departments[m.sel.department].teachers[m.sel.teacher].displayName + " - нет уроков по выпискам!");
}

// The menu item and the headless composition give the same files.
TEST(AutomatMenuItems, ComposeFromTheMenuWritesWhatTheHeadlessRunWrites) {
    TeacherDemo s;
    Model& m = *s.model;
    TempFolder other;
    WriteDemoCollege(other.path(), DemoOptions{});
    auto headless = std::make_unique<Model>();
    FixedClock clock{DateTime{2024, 9, 3, 2, 10, 0, 0}};
    RunStartup(*headless, other.path(), clock);

    // A group with whole-group hours still to place.
    int group = 0;
    for (int g = 1; g <= m.groups.size() && !group; ++g)
        for (const ExtractLine& x : m.extracts[g].lines)
            if (x.teacherGroup != "-" && x.teacherGroup != "Неизвестный" && x.placed[1] < x.hoursGroup) group = g;
    ASSERT_NE(group, 0);

    m.sel.group = group;
    s.window->ShowScreen(ScreenId::kGroupComposition);
    QAction* compose = s.window->actionFor(MenuCommand::ComposeWholeGroup);
    ASSERT_TRUE(compose->isEnabled());
    ASSERT_TRUE(s.window->menuFor("Автомат")->menuAction()->isEnabled());
    compose->trigger();
    EXPECT_FALSE(m.automat.running);
    EXPECT_EQ(s.window->windowTitle().toStdString(), CurrentCaption(m, s.clock));

    headless->sel.group = group;
    std::vector<PlacedLesson> placed = ComposeWholeGroupLines(*headless);
    ASSERT_FALSE(placed.empty());

    namespace fs = std::filesystem;
    int compared = 0;
    for (const std::string* folder : {&m.config.timetableFolder, &m.config.occupancyFolder}) {
        const std::string rel = folder->substr(s.dir.path().size());
        for (const auto& f : fs::directory_iterator(*folder)) {
            std::string otherFile = other.path() + rel + f.path().filename().string();
            ASSERT_TRUE(fs::exists(otherFile)) << otherFile;
            EXPECT_EQ(ReadFileBytes(f.path().string()), ReadFileBytes(otherFile)) << f.path();
            ++compared;
        }
    }
    EXPECT_GT(compared, 40);
}

TEST(AutomatMenuItems, LimitsAndClearing) {
    TeacherDemo s;
    Model& m = *s.model;
    m.sel.group = 1;
    s.window->ShowScreen(ScreenId::kGroupComposition);

    s.window->actionFor(MenuCommand::LimitsShown)->trigger();
    EXPECT_EQ(m.composition.limitsDisplay, 1);
    EXPECT_TRUE(s.window->actionFor(MenuCommand::LimitsShown)->isChecked());
    EXPECT_EQ(m.sel.screen, ScreenId::kGroupComposition);
    s.window->actionFor(MenuCommand::LimitsForm)->trigger();
    EXPECT_EQ(m.composition.limitsForm, 2);

    s.dialogs.Answer("4");
    s.window->actionFor(MenuCommand::LastLessonAllDays)->trigger();
    for (int d = 1; d <= 6; ++d) EXPECT_EQ(m.lessonLimits[1].last[d], 4);
    EXPECT_EQ(ReadLines(m.config.autoFolder + m.groups[1].number + ".ogr")[2], LimitsDayLine(m.lessonLimits[1].first[1], 4));

    s.dialogs.ConfirmWith(true);
    s.window->actionFor(MenuCommand::ClearWholeGroup)->trigger();
    for (int d = 1; d <= 6; ++d)
        for (int l = 1; l <= 14; ++l) EXPECT_TRUE(m.timetables[1].at(d, l).group.empty());
    EXPECT_EQ(s.dialogs.Pending(), 0u);
    EXPECT_FALSE(s.window->actionFor(MenuCommand::ComposeSubgroups)->isEnabled());
}

}  // namespace
