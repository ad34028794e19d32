// The group composition screen on the demo college, driven by mouse clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "shell/ui/main_window.h"
#include "shell/ui/screens.h"
#include "base/textfile.h"
#include "composition/ui/group_composition_screen.h"
#include "ui/demo_window.h"

namespace {

void Click(QWidget* target, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}
void ClickCell(DrawnGrid* grid, int row, int column) {
    Click(grid->viewport(), grid->CellRect(row, column).center());
}

struct GroupComposition : ::testing::Test, DemoWindow {
    GroupCompositionScreen* screen = nullptr;

    GroupComposition() : DemoWindow({.at = DateTime{}, .separator = ',', .show = false}) {
        window->ShowScreen(7);
        screen = dynamic_cast<GroupCompositionScreen*>(window->ScreenFor(7));
    }
    void Picture(const char* name) { SaveShot(screen, name); }
};

// A group, a whole-group line with hours left, and a lesson where the group, the
// teacher and at least one room are free.
struct Opening {
    int group = 0, line = 0, day = 0, lesson = 0;
};
Opening FindOpening(Model& m) {
    for (int g = 1; g <= m.groups.size(); ++g) {
        m.sel.group = g;
        RedrawGroupComposition(m);
        for (int j = 1; j <= m.extracts[g].lines.size(); ++j) {
            const ExtractLine& x = m.extracts[g].lines[j];
            if (x.hoursSub1 != 0 || x.hoursSub2 != 0 || x.placed[1] >= x.hoursGroup) continue;
            if (IsTeachingPractice(x.discipline) || IsAdditionalTraining(x.discipline)) continue;
            if (!FindTeacher(m, x.teacherGroup)) continue;
            const Teacher& t = m.departments[m.sel.department].teachers[m.sel.teacher];
            for (int d = 1; d <= kDays; ++d) {
                if (m.specialisationDay[g] == d || m.groups[g].practiceDay == d) continue;
                for (int l = 1; l <= 8; ++l) {
                    const LessonCell& c = m.timetables[g].at(d, l);
                    if (!c.group.empty() || !c.sub1.empty() || !c.sub2.empty() || t.occupancy[d][l - 1] != '0')
                        continue;
                    return {g, j, d, l};
                }
            }
        }
    }
    return {};
}

TEST_F(GroupComposition, PlacingALessonByClicks) {
    ASSERT_NE(screen, nullptr);
    Model& m = *model;
    Opening o = FindOpening(m);
    ASSERT_NE(o.group, 0) << "the demo leaves hours to place";
    ChooseCompositionGroup(m, o.group);
    screen->Redraw();
    const ExtractLine line = m.extracts[o.group].lines[o.line];
    const std::string before = ExtractGridCell(m, o.line, 3).text;
    ASSERT_EQ(before, std::to_string(line.hoursGroup - line.placed[1]));
    Picture("composition");

    ClickCell(screen->extractGrid(), o.line, 2);
    EXPECT_EQ(m.composition.shownStatus, kStatusPlaceGroup);
    EXPECT_EQ(m.composition.lines[1], "Постановка дисциплины в расписание");
    ClickCell(screen->dayTable(o.day), o.lesson, 3);
    EXPECT_EQ(m.composition.shownStatus, kStatusPlaced);
    EXPECT_EQ(ExtractGridCell(m, o.line, 3).text, line.hoursGroup - line.placed[1] == 1 ? "" : std::to_string(line.hoursGroup - line.placed[1] - 1));

    ClickCell(screen->dayTable(o.day), o.lesson, 1);
    EXPECT_EQ(m.composition.status, kStatusLessonChosen);
    Click(screen->placeRoomLabel(1), {5, 5});
    EXPECT_EQ(m.composition.status, kStatusRoomForGroup);
    Picture("composition-rooms");

    // A free room that suits the whole group, clicked in its room table.
    int part = 0, column = -1;
    for (int p = 1; p <= screen->roomTableCount() && part == 0; ++p)
        for (int c = 0; c < screen->roomTable(p)->columnCount(); ++c) {
            const int r = screen->roomTableFirstRoom(p) + c;
            if (r <= m.rooms.size() && m.rooms[r].small != 1 && m.roomOccupancy.at(r, o.day, o.lesson) == 0) {
                part = p;
                column = c;
                break;
            }
        }
    ASSERT_NE(part, 0) << "no free room";
    const std::string room = m.rooms[screen->roomTableFirstRoom(part) + column].number;
    ClickCell(screen->roomTable(part), 0, column);
    EXPECT_EQ(m.composition.status, kStatusIdle);

    const std::vector<std::string> ras = ReadLines(m.config.timetableFolder + m.groups[o.group].number + ".ras");
    const size_t at = 2 + ((o.day - 1) * 14 + (o.lesson - 1)) * 11;
    EXPECT_EQ(ras[at + 1], line.discipline);
    EXPECT_EQ(ras[at + 2], line.teacherGroup);
    EXPECT_EQ(ras[at + 3], room);
    ASSERT_TRUE(FindTeacher(m, line.teacherGroup));
    const Teacher& t = m.departments[m.sel.department].teachers[m.sel.teacher];
    const std::vector<std::string> zan = ReadLines(OccupancyFilePath(m, t));
    EXPECT_EQ(zan[o.day][o.lesson - 1], '3');
    EXPECT_EQ(m.extracts[o.group].lines[o.line].placed[1], line.placed[1] + 1);
}

TEST_F(GroupComposition, MusicBuildingLabelSwitchesToStatusLines) {
    ASSERT_NE(screen, nullptr);
    ASSERT_GE(screen->roomTableCount(), 5);
    EXPECT_FALSE(screen->statusLine(1)->isVisibleTo(screen));
    ToggleChooserMode(*model);  // as the "Музкорпус" label does
    ToggleLimitsDisplay(*model);
    screen->Redraw();
    EXPECT_TRUE(screen->statusLine(1)->isVisibleTo(screen));
    EXPECT_TRUE(screen->compactChooser()->isVisibleTo(screen));
    ClickCell(screen->compactChooser(), 0, 1);
    EXPECT_EQ(model->sel.group, 2);
    ClickCell(screen->extractGrid(), 1, 0);
    EXPECT_EQ(model->composition.shownStatus, kStatusLineInfo);
    Picture("composition-mode2");
}

}  // namespace
