// The room list (ScreenId 3) and the group list (ScreenId 4).
#pragma once
#include "shell/ui/screen.h"
#include "platform/qt/drawn_grid.h"

class RoomListScreen : public Screen {
    Q_OBJECT
public:
    explicit RoomListScreen(AppContext& app, QWidget* parent = nullptr);
    void LayOut() override;
    void Fill() override;
    DrawnGrid* grid() const { return grid_; }

private:
    DrawnGrid* grid_ = nullptr;
};

class GroupListScreen : public Screen {
    Q_OBJECT
public:
    explicit GroupListScreen(AppContext& app, QWidget* parent = nullptr);
    void LayOut() override;
    void Fill() override;
    DrawnGrid* grid() const { return grid_; }

private:
    DrawnGrid* grid_ = nullptr;
};
