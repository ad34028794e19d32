// The room list (ScreenId 3) and the group list (ScreenId 4).
#pragma once
#include "shell/ui/screen.h"
#include "store/ui/list_grid.h"

class RoomListScreen : public Screen {
    Q_OBJECT
public:
    explicit RoomListScreen(AppContext& app, QWidget* parent = nullptr);
    void LayOut() override;
    void Fill() override;
    ListGrid* grid() const { return grid_; }

private:
    ListGrid* grid_ = nullptr;
};

class GroupListScreen : public Screen {
    Q_OBJECT
public:
    explicit GroupListScreen(AppContext& app, QWidget* parent = nullptr);
    void LayOut() override;
    void Fill() override;
    ListGrid* grid() const { return grid_; }

private:
    ListGrid* grid_ = nullptr;
};
