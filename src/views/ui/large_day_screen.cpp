#include "views/ui/large_day_screen.h"

#include <QPainter>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_dialogs.h"
#include "shell/navigation.h"
#include "shell/ui/hints.h"
#include "shell/ui/main_window.h"
#include "views/large_day.h"
#include "views/week_views.h"

LargeDayPicture::LargeDayPicture(Model& model, WeekView view, QWidget* parent)
    : QWidget(parent), model_(model), view_(view) {
    setFixedSize(kLargeDayWidth, kLargeDayHeight);
}

void LargeDayPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QtCanvas canvas(p);
    DrawLargeDay(model_, view_, model_.sel.day, canvas);
}

LargeDayScreen::LargeDayScreen(AppContext& app, WeekView view, QWidget* parent) : Screen(app, parent), view_(view) {}

void LargeDayScreen::LayOut() {
    title_ = new ClickableLabel(this);
    title_->setFont(QFont("Arial", 14, QFont::Bold));
    title_->setStyleSheet("color: #FF0000;");
    title_->setGeometry(10, 6, 800, 30);
    connect(title_, &ClickableLabel::clicked, this, [this] {
        if (app_.window) app_.window->ShowScreen(WeekScreenId(view_));
    });

    picture_ = new LargeDayPicture(app_.model, view_, this);
    picture_->move(10, 44);

    for (int day = 1; day <= 6; ++day) {
        auto* caption = new ClickableLabel(Q(kDayNames[day]), this);
        caption->setFont(QFont("Arial", 12, QFont::Bold));
        caption->setGeometry(830, 50 + (day - 1) * 36, 170, 28);
        connect(caption, &ClickableLabel::clicked, this, [this, day] { DayClicked(day); });
        captions_[day] = caption;
    }
    auto* other = new QPushButton(Q(SwitchButtonText(view_)), this);
    other->setFont(QFont("Arial", 9, QFont::Bold));
    other->setGeometry(830, 290, 170, 28);
    SetHint(other, SwitchButtonHint(view_));
    connect(other, &QPushButton::clicked, this, [this] {
        ChooseOtherSubject(app_.model, app_.dialogs, view_);
        if (app_.window) app_.window->ShowScreen(LargeDayScreenId(view_));
        else Fill();
    });
    auto* division = new QPushButton("Отделение", this);
    division->setFont(QFont("Arial", 9, QFont::Bold));
    division->setGeometry(830, 326, 170, 28);
    SetHint(division, "Переход к отделению");
    connect(division, &QPushButton::clicked, this, [this] {
        if (app_.window) app_.window->ShowScreen(ScreenId::kDivision);
    });
}

void LargeDayScreen::Fill() {
    if (!title_) return;
    Model& m = app_.model;
    if (m.sel.day < 1 || m.sel.day > 6) m.sel.day = 1;
    title_->setText(Q(LargeDayTitle(m, view_, m.sel.day)));
    for (int day = 1; day <= 6; ++day)
        captions_[day]->setStyleSheet(day == m.sel.day ? "color: #FF0000;" : "color: #0000FF;");
    picture_->update();
}

void LargeDayScreen::DayClicked(int day) {
    app_.model.sel.day = day;
    if (app_.window) {
        app_.window->RefreshCaption();
        Fill();
    } else {
        Fill();
    }
}
