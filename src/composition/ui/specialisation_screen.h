// The specialisation screen (ScreenId 51): the list of specialisations, the
// cell and lesson tables of the current one, its groups, the placing and
// editing modes and the room tables of room mode.
#pragma once
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "platform/qt/drawn_grid.h"
#include "shell/ui/screen.h"
#include "store/rooms.h"
#include "platform/qt/clickable_label.h"

class SpecialisationScreen : public Screen {
    Q_OBJECT
public:
    explicit SpecialisationScreen(AppContext& app, QWidget* parent = nullptr);
    void LayOut() override;
    void Fill() override;

    DrawnGrid* list() const { return list_; }
    DrawnGrid* cellTable() const { return cells_; }
    DrawnGrid* lessonTable() const { return lessons_; }
    DrawnGrid* groupsTable() const { return groups_; }
    ClickableLabel* warningLine() const { return warning_; }

private:
    void Run(const std::function<void()>& operation);  // an operation, its errors, the redraw
    void ContextMenu(const QPoint& pos, std::initializer_list<int> commands);

    ClickableLabel* title_ = nullptr;
    DrawnGrid* list_ = nullptr;
    DrawnGrid* cells_ = nullptr;
    DrawnGrid* lessons_ = nullptr;
    DrawnGrid* groups_ = nullptr;
    ClickableLabel* warning_ = nullptr;
    QLabel* statusMode_ = nullptr;
    QLabel* statusVariant_ = nullptr;
    QLabel* statusHour_ = nullptr;
    QLabel* statusCell_ = nullptr;
    ClickableLabel* editing_ = nullptr;
    ClickableLabel* mode_ = nullptr;
    QPushButton* removeRoom_ = nullptr;
    QPushButton* otherRoom_ = nullptr;
    RoomLayout layout_;
    std::vector<QLabel*> roomLabels_;
    std::vector<DrawnGrid*> roomTables_;

public:
    const std::vector<DrawnGrid*>& roomTables() const { return roomTables_; }
};
