#include "views/ui/list_screens.h"

#include "shell/ui/main_window.h"
#include "views/lists.h"

namespace {

// Opens a week screen when one is registered (the week views come with their own screens).
void ShowWeek(AppContext& app, int id) {
    if (app.window && app.window->ScreenFor(id)) app.window->ShowScreen(id);
}

DrawnGrid* MakeListGrid(QWidget* parent, const ListColumn* columns, int count) {
    auto* grid = new DrawnGrid(parent);
    std::vector<int> widths;
    for (int c = 0; c < count; ++c) widths.push_back(columns[c].width);
    grid->SetColumns(widths);
    grid->SetRowHeight(24);
    grid->SetFixedRows(1);
    return grid;
}

}  // namespace

RoomListScreen::RoomListScreen(AppContext& app, QWidget* parent) : Screen(app, parent) {}

void RoomListScreen::LayOut() {
    if (grid_) return;
    const Model& model = app_.model;
    grid_ = MakeListGrid(this, kRoomListColumn, kRoomListColumns);
    grid_->SetCellFunction([&model](int r, int c) { return RoomListCell(model, r, c); });
    grid_->setGeometry(5, 5, 1005, kScreenHeight - 20);
    connect(grid_, &DrawnGrid::cellDoubleClicked, this, [this](int row, int) {
        if (!app_.model.rooms.valid(row)) return;
        app_.model.sel.room = row;
        ShowWeek(app_, 103);
    });
}

void RoomListScreen::Fill() {
    LayOut();
    grid_->SetRowCount(RoomListRows(app_.model));
    grid_->Redraw();
}

GroupListScreen::GroupListScreen(AppContext& app, QWidget* parent) : Screen(app, parent) {}

void GroupListScreen::LayOut() {
    if (grid_) return;
    const Model& model = app_.model;
    grid_ = MakeListGrid(this, kGroupListColumn, kGroupListColumns);
    grid_->SetCellFunction([&model](int r, int c) { return GroupListCell(model, r, c); });
    grid_->setGeometry(10, 5, 1000, 680);
    connect(grid_, &DrawnGrid::cellDoubleClicked, this, [this](int row, int) {
        if (!app_.model.groups.valid(row)) return;
        app_.model.sel.group = row;
        ShowWeek(app_, 104);
    });
}

void GroupListScreen::Fill() {
    LayOut();
    grid_->SetRowCount(GroupListRows(app_.model));
    grid_->Redraw();
}
