// The room and group lists on the demo college.
#include <gtest/gtest.h>

#include <memory>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "shell/ui/main_window.h"
#include "shell/ui/screens.h"
#include "views/lists.h"
#include "base/textfile.h"
#include "views/ui/list_screens.h"
#include "ui/demo_window.h"

namespace {

struct StoreLists : ::testing::Test, DemoWindow {
    StoreLists() : DemoWindow({.at = DateTime{}, .separator = ',', .show = false}) {}
};

TEST_F(StoreLists, RoomListShowsEveryRoom) {
    window->ShowScreen(3);
    auto* screen = dynamic_cast<RoomListScreen*>(window->ScreenFor(3));
    ASSERT_NE(screen, nullptr);
    DrawnGrid* grid = screen->grid();
    EXPECT_EQ(grid->rowCount(), model->rooms.size() + 1);
    EXPECT_EQ(grid->columnWidth(2), 470);
    EXPECT_EQ(grid->geometry(), QRect(5, 5, 1005, 675));
    EXPECT_EQ(grid->CellContent(0, 2).text, " Название кабинета");
    EXPECT_EQ(grid->CellContent(1, 0).text, model->rooms[1].number);
    EXPECT_EQ(grid->CellContent(1, 3).text, model->rooms[1].keeper);
    EXPECT_EQ(grid->CellContent(1, 1).background, model->config.colourB);
    SaveShot(screen, "rooms");
}

TEST_F(StoreLists, GroupListShowsTheCurrentFields) {
    window->ShowScreen(4);
    auto* screen = dynamic_cast<GroupListScreen*>(window->ScreenFor(4));
    ASSERT_NE(screen, nullptr);
    DrawnGrid* grid = screen->grid();
    EXPECT_EQ(grid->rowCount(), model->groups.size() + 1);
    EXPECT_EQ(grid->columnWidth(7), 400);
    int contract = 0;
    for (int g = 1; g <= model->groups.size(); ++g)
        if (model->groups[g].financing == 2) contract = g;
    ASSERT_NE(contract, 0);
    EXPECT_EQ(grid->CellContent(contract, 5).text, " дог.");
    EXPECT_EQ(grid->CellContent(1, 5).text, "");
    EXPECT_EQ(grid->CellContent(1, 3).text, "   9");
    EXPECT_EQ(grid->CellContent(model->dutyGroup, 0).background, kDutyGroupColour);
    // a changed field shows at the next opening
    model->groups[1].classTutor = "Новый руководитель";
    window->ShowScreen(4);
    EXPECT_EQ(grid->CellContent(1, 8).text, "Новый руководитель");
    SaveShot(screen, "groups");
}

}  // namespace
