// The week screens of a teacher (102), a room (103) and a group (104): six day
// tables in two rows of three, the title, "Word" and the switch button.
#pragma once
#include <QPushButton>
#include <array>

#include "platform/qt/drawn_grid.h"
#include "shell/ui/screen.h"
#include "platform/qt/clickable_label.h"
#include "views/week_views.h"

class WeekScreen : public Screen {
    Q_OBJECT
public:
    WeekScreen(AppContext& app, WeekView view, QWidget* parent = nullptr);
    void LayOut() override;
    void Fill() override;

    DrawnGrid* dayTable(int day) const { return tables_[day]; }
    ClickableLabel* title() const { return title_; }
    ClickableLabel* dayCaption(int day) const { return captions_[day]; }
    QPushButton* switchButton() const { return switch_; }
    QPushButton* wordButton() const { return word_; }

    void TitleClicked();
    void DayCaptionClicked(int day);
    void SwitchClicked();
    void CellDoubleClicked(int day, int row, int column);

private:
    WeekView view_;
    ClickableLabel* title_ = nullptr;
    QPushButton* word_ = nullptr;
    QPushButton* switch_ = nullptr;
    std::array<DrawnGrid*, 7> tables_{};
    std::array<ClickableLabel*, 7> captions_{};
};
