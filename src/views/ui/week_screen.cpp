#include "views/ui/week_screen.h"

#include "platform/qt/qt_dialogs.h"
#include "shell/navigation.h"
#include "shell/ui/hints.h"
#include "shell/ui/main_window.h"
#include "base/textfile.h"

WeekScreen::WeekScreen(AppContext& app, WeekView view, QWidget* parent) : Screen(app, parent), view_(view) {}

void WeekScreen::LayOut() {
    title_ = new ClickableLabel(this);
    title_->setFont(QFont("Arial", 12, QFont::Bold));
    title_->setStyleSheet("color: #FF0000;");
    title_->setGeometry(8, 4, 730, 24);
    connect(title_, &ClickableLabel::clicked, this, &WeekScreen::TitleClicked);

    word_ = new QPushButton("Word", this);
    word_->setGeometry(750, 3, 80, 26);
    SetHint(word_, "Переход в Word");
    word_->setEnabled(false);  // the report engine is not there yet

    switch_ = new QPushButton(Q(SwitchButtonText(view_)), this);
    switch_->setGeometry(840, 3, 165, 26);
    switch_->setFont(QFont("Arial", 9, QFont::Bold));
    SetHint(switch_, SwitchButtonHint(view_));
    connect(switch_, &QPushButton::clicked, this, &WeekScreen::SwitchClicked);

    const int* widths = WeekColumnWidths(view_);
    int tableWidth = 2;
    for (int c = 0; c < 4; ++c) tableWidth += widths[c] + 1;
    const int tableHeight = 15 * (kWeekRowHeight + 1) + 2;
    for (int day = 1; day <= 6; ++day) {
        const int col = (day - 1) % 3, row = (day - 1) / 3;
        const int left = 4 + col * (tableWidth + 4);
        const int top = 34 + row * (tableHeight + 26);
        auto* caption = new ClickableLabel(Q(kDayNames[day]), this);
        caption->setFont(QFont("Arial", 10, QFont::Bold));
        caption->setStyleSheet("color: #0000FF;");
        caption->setGeometry(left, top, tableWidth, 20);
        connect(caption, &ClickableLabel::clicked, this, [this, day] { DayCaptionClicked(day); });
        captions_[day] = caption;

        auto* grid = new DrawnGrid(this);
        grid->setGeometry(left, top + 21, tableWidth, tableHeight);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->SetColumns({widths[0], widths[1], widths[2], widths[3]});
        grid->SetRowHeight(kWeekRowHeight);
        grid->SetRowCount(15);
        grid->SetFixedRows(1);
        grid->SetCellFunction([this, day](int r, int c) { return WeekTableCell(app_.model, view_, day, r, c); });
        connect(grid, &DrawnGrid::cellDoubleClicked, this,
                [this, day](int r, int c) { CellDoubleClicked(day, r, c); });
        tables_[day] = grid;
    }
}

void WeekScreen::Fill() {
    if (!title_) return;
    title_->setText(Q(WeekTitle(app_.model, view_)));
    for (int day = 1; day <= 6; ++day) tables_[day]->Redraw();
}

void WeekScreen::TitleClicked() {
    switch (view_) {
        case WeekView::Teacher:
            if (app_.window) app_.window->ShowScreen(ScreenId::kTarification);
            break;
        case WeekView::Group:
            if (app_.window) app_.window->ShowScreen(ScreenId::kExtract);
            break;
        case WeekView::Room:
            app_.model.weeks.roomTitleOption = Toggled(app_.model.weeks.roomTitleOption);
            if (app_.window) app_.window->ShowScreen(ScreenId::kWeekRoom);
            else Fill();
            break;
    }
}

void WeekScreen::DayCaptionClicked(int day) {
    app_.model.sel.day = day;
    if (app_.window) app_.window->ShowScreen(LargeDayScreenId(view_));
}

void WeekScreen::SwitchClicked() {
    ChooseOtherSubject(app_.model, app_.dialogs, view_);
    if (app_.window) app_.window->ShowScreen(WeekScreenId(view_));
    else Fill();
}

void WeekScreen::CellDoubleClicked(int day, int row, int column) {
    if (view_ != WeekView::Room || row < 1) return;
    bool edited = false;
    const bool ok = Guarded([&] { edited = EditRoomNote(app_.model, app_.dialogs, day, row, column); });
    if (ok && !edited) return;
    if (app_.window) app_.window->ShowScreen(ScreenId::kWeekRoom);
    else Fill();
}
