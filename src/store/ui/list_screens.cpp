#include "store/ui/list_screens.h"

#include "shell/ui/main_window.h"

namespace {

// Opens a week screen when one is registered (the week views come with their own screens).
void ShowWeek(AppContext& app, int id) {
    if (app.window && app.window->ScreenFor(id)) app.window->ShowScreen(id);
}

}  // namespace

RoomListScreen::RoomListScreen(AppContext& app, QWidget* parent) : Screen(app, parent) {}

void RoomListScreen::LayOut() {
    if (grid_) return;
    const Model& model = app_.model;
    grid_ = new ListGrid(
        this, kRoomListColumn, kRoomListColumns, [&model](int r, int c) { return RoomListCell(model, r, c); },
        [&model] { return RoomListRows(model); });
    grid_->setGeometry(5, 5, 1005, kScreenHeight - 20);
    connect(grid_, &ListGrid::cellDoubleClicked, this, [this](int row, int) {
        if (!app_.model.rooms.valid(row)) return;
        app_.model.sel.room = row;
        ShowWeek(app_, 103);
    });
}

void RoomListScreen::Fill() {
    LayOut();
    grid_->Refresh();
}

GroupListScreen::GroupListScreen(AppContext& app, QWidget* parent) : Screen(app, parent) {}

void GroupListScreen::LayOut() {
    if (grid_) return;
    const Model& model = app_.model;
    grid_ = new ListGrid(
        this, kGroupListColumn, kGroupListColumns, [&model](int r, int c) { return GroupListCell(model, r, c); },
        [&model] { return GroupListRows(model); });
    grid_->setGeometry(10, 5, 1000, 680);
    connect(grid_, &ListGrid::cellDoubleClicked, this, [this](int row, int) {
        if (!app_.model.groups.valid(row)) return;
        app_.model.sel.group = row;
        ShowWeek(app_, 104);
    });
}

void GroupListScreen::Fill() {
    LayOut();
    grid_->Refresh();
}
