// The large day views of a teacher (9), a room (10) and a group (11): the
// 800 x 632 picture, the six day captions, the switch and "Отделение" buttons.
#pragma once
#include <QPushButton>
#include <array>

#include "shell/ui/screen.h"
#include "platform/qt/clickable_label.h"
#include "views/week_cells.h"

class LargeDayPicture : public QWidget {
    Q_OBJECT
public:
    LargeDayPicture(Model& model, WeekView view, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Model& model_;
    WeekView view_;
};

class LargeDayScreen : public Screen {
    Q_OBJECT
public:
    LargeDayScreen(AppContext& app, WeekView view, QWidget* parent = nullptr);
    void LayOut() override;
    void Fill() override;

    ClickableLabel* title() const { return title_; }
    ClickableLabel* dayCaption(int day) const { return captions_[day]; }
    QWidget* picture() const { return picture_; }

    void DayClicked(int day);

private:
    WeekView view_;
    ClickableLabel* title_ = nullptr;
    LargeDayPicture* picture_ = nullptr;
    std::array<ClickableLabel*, 7> captions_{};
};
