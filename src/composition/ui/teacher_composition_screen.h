// Screen 77: the current teacher's extract lines over all groups and the
// teacher's week in six day tables.
#pragma once
#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/qt/drawn_grid.h"
#include "shell/ui/screen.h"

class MainWindow;

class TeacherCompositionScreen : public Screen {
    Q_OBJECT
public:
    explicit TeacherCompositionScreen(AppContext& app, QWidget* parent = nullptr);
    void LayOut() override;
    // Opening: the list is built; a teacher without lines goes back to the main menu.
    void Fill() override;

    DrawnGrid* lineList() const { return list_; }
    DrawnGrid* dayTable(int day) const { return days_.at(day); }
    QLabel* title() const { return title_; }
    QPushButton* cancelButton() const { return cancel_; }
    // The day-mark menu of a day table as the context menu runs it (row = the table's selected row).
    void MarkDay(int day, int row, int item);

private:
    void Refresh();

    QLabel* title_ = nullptr;
    QPushButton* cancel_ = nullptr;
    DrawnGrid* list_ = nullptr;
    std::array<DrawnGrid*, 7> days_{};  // [1..6]
    std::array<int, 7> selectedRow_{};  // the row last clicked in each day table
};

// The "Автомат" menu items and their operations.
void AddAutomatCommands(MainWindow& window);
