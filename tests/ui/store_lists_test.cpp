// The room and group lists on the demo college.
#include <gtest/gtest.h>

#include <memory>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "shell/ui/main_window.h"
#include "shell/ui/screens.h"
#include "store/lists.h"
#include "store/textfile.h"
#include "store/ui/list_screens.h"

namespace {

struct StoreLists : ::testing::Test {
    TempFolder dir;
    std::unique_ptr<Model> model = std::make_unique<Model>();
    ScriptedDialogs dialogs;
    FixedClock clock{DateTime{}};
    std::unique_ptr<MainWindow> window;

    StoreLists() {
        SetDecimalSeparator(',');
        WriteDemoCollege(dir.path(), DemoOptions{});
        window = std::make_unique<MainWindow>(*model, dialogs, clock);
        AddAllScreens(*window);
        EXPECT_TRUE(window->Start(dir.path())) << (dialogs.shown.empty() ? "" : dialogs.shown.back().text);
    }
    // Saves a picture of the screen when URK_SCREENSHOTS names a folder.
    void Picture(QWidget* w, const char* name) {
        QByteArray folder = qgetenv("URK_SCREENSHOTS");
        if (!folder.isEmpty()) w->grab().save(QString::fromUtf8(folder) + "/" + name);
    }
};

TEST_F(StoreLists, RoomListShowsEveryRoom) {
    window->ShowScreen(3);
    auto* screen = dynamic_cast<RoomListScreen*>(window->ScreenFor(3));
    ASSERT_NE(screen, nullptr);
    ListGrid* grid = screen->grid();
    EXPECT_EQ(grid->model()->rowCount(), model->rooms.size() + 1);
    EXPECT_EQ(grid->columnWidth(2), 470);
    EXPECT_EQ(grid->geometry(), QRect(5, 5, 1005, 675));
    EXPECT_EQ(grid->CellAt(0, 2).text, " Название кабинета");
    EXPECT_EQ(grid->CellAt(1, 0).text, model->rooms[1].number);
    EXPECT_EQ(grid->CellAt(1, 3).text, model->rooms[1].keeper);
    EXPECT_EQ(grid->CellAt(1, 1).background, model->config.colourB);
    Picture(screen, "rooms.png");
}

TEST_F(StoreLists, GroupListShowsTheCurrentFields) {
    window->ShowScreen(4);
    auto* screen = dynamic_cast<GroupListScreen*>(window->ScreenFor(4));
    ASSERT_NE(screen, nullptr);
    ListGrid* grid = screen->grid();
    EXPECT_EQ(grid->model()->rowCount(), model->groups.size() + 1);
    EXPECT_EQ(grid->columnWidth(7), 400);
    int contract = 0;
    for (int g = 1; g <= model->groups.size(); ++g)
        if (model->groups[g].financing == 2) contract = g;
    ASSERT_NE(contract, 0);
    EXPECT_EQ(grid->CellAt(contract, 5).text, " дог.");
    EXPECT_EQ(grid->CellAt(1, 5).text, "");
    EXPECT_EQ(grid->CellAt(1, 3).text, "   9");
    EXPECT_EQ(grid->CellAt(model->dutyGroup, 0).background, kDutyGroupColour);
    // a changed field shows at the next opening
    model->groups[1].classTutor = "Новый руководитель";
    window->ShowScreen(4);
    EXPECT_EQ(grid->CellAt(1, 8).text, "Новый руководитель");
    Picture(screen, "groups.png");
}

}  // namespace
