// The group composition screen (ScreenId 7): the extract, six day tables, the room
// tables of "audrasp.ini", the room commands, the status lines and the group
// choosers. Every click runs one operation and redraws the whole screen.
#pragma once
#include <QPushButton>
#include <functional>
#include <vector>

#include "platform/qt/drawn_grid.h"
#include "shell/ui/screen.h"
#include "platform/qt/clickable_label.h"

// A day table: a drawn grid that also draws the small circles of the limits marks.
class DayGrid : public DrawnGrid {
    Q_OBJECT
public:
    DayGrid(const Model& model, int day, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Model& model_;
    int day_;
};

class GroupCompositionScreen : public Screen {
    Q_OBJECT
public:
    explicit GroupCompositionScreen(AppContext& app, QWidget* parent = nullptr);
    void LayOut() override;
    void Fill() override;
    // RedrawGroupComposition, then every grid, label and the caption are painted anew.
    void Redraw();

    DrawnGrid* extractGrid() const { return extract_; }
    DrawnGrid* dayTable(int day) const { return days_[day - 1]; }
    int roomTableCount() const { return static_cast<int>(roomGrids_.size()); }
    DrawnGrid* roomTable(int part) const { return roomGrids_[part - 1]; }
    int roomTableFirstRoom(int part) const { return roomFirst_[part - 1]; }
    ClickableLabel* placeRoomLabel(int part) const { return placeRoom_[part - 1]; }  // 1 group, 2 sub1, 3 sub2
    ClickableLabel* removeRoomLabel(int part) const { return removeRoom_[part - 1]; }
    ClickableLabel* otherRoomLabel() const { return otherRoom_; }
    ClickableLabel* statusLine(int line) const { return status_[line - 1]; }
    DrawnGrid* compactChooser() const { return compact_; }

private:
    void Run(const std::function<void()>& operation);
    void DayMenu(int day, int row, const QPoint& at);
    void ExtractMenu(const QPoint& at);

    DrawnGrid* extract_ = nullptr;
    DayGrid* days_[6] = {};
    std::vector<DrawnGrid*> roomGrids_;
    std::vector<int> roomFirst_;
    std::vector<QLabel*> roomCaptions_;
    QWidget* commands_ = nullptr;
    ClickableLabel* placeRoom_[3] = {};
    ClickableLabel* removeRoom_[3] = {};
    ClickableLabel* otherRoom_ = nullptr;
    QPushButton* cancel_ = nullptr;
    ClickableLabel* status_[3] = {};
    DrawnGrid* compact_ = nullptr;
    std::vector<ClickableLabel*> divisionLabels_;
    std::vector<DrawnGrid*> divisionGrids_;
    bool laidOut_ = false;
};
