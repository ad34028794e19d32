#include "composition/ui/teacher_composition_screen.h"

#include <QCoreApplication>
#include <QMenu>

#include "platform/qt/qt_dialogs.h"
#include "shell/navigation.h"
#include "shell/ui/main_window.h"
#include "base/textfile.h"
#include "composition/auto_composition.h"
#include "composition/teacher_composition.h"

namespace {

constexpr int kRowHeight = 17;
const char* const kDayMarkItems[4] = {"Обычный день", "День педпрактики", "Методический день",
                                      "\"Недоступность\" преподавателя"};
constexpr DayMark kDayMarks[4] = {DayMark::Ordinary, DayMark::Practice, DayMark::Methodical, DayMark::Unavailable};

}  // namespace

TeacherCompositionScreen::TeacherCompositionScreen(AppContext& app, QWidget* parent) : Screen(app, parent) {}

void TeacherCompositionScreen::LayOut() {
    if (list_) return;
    Model& model = app_.model;

    // The title names the teacher; it is to open the department view once that exists.
    title_ = new QLabel(this);
    title_->setGeometry(10, 5, 700, 25);
    title_->setFont(QFont("Times", 12, QFont::Bold));
    title_->setStyleSheet("color: #0000FF;");

    cancel_ = new QPushButton(Q("Отмена"), this);
    cancel_->setGeometry(910, 5, 95, 25);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        CancelTeacherComposition(app_.model);
        Refresh();
    });

    list_ = new DrawnGrid(this);
    list_->setGeometry(5, 35, 188, 650);
    list_->SetColumns({40, 30, 80, 30});
    list_->SetRowHeight(kRowHeight);
    list_->SetFixedRows(1);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->SetCellFunction([&model](int r, int c) { return TeacherLineCell(model, r, c); });
    connect(list_, &DrawnGrid::cellClicked, this, [this](int row, int column) {
        std::string caption = ClickTeacherLine(app_.model, row, column);
        if (!caption.empty() && app_.window) app_.window->setWindowTitle(Q(caption));
        Refresh();
    });

    for (int day = 1; day <= kDays; ++day) {
        auto* grid = new DrawnGrid(this);
        const int column = (day - 1) % 3, line = (day - 1) / 3;
        grid->setGeometry(196 + column * 273, 35 + line * 277, 271, 272);
        grid->SetColumns({18, 35, 163, 38, 10});
        grid->SetRowHeight(kRowHeight);
        grid->SetRowCount(kLessons + 1);
        grid->SetFixedRows(1);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->SetCellFunction([&model, day](int r, int c) { return TeacherDayCell(model, day, r, c); });
        connect(grid, &DrawnGrid::cellClicked, this, [this, day, grid](int row, int) {
            if (row >= 1) {
                selectedRow_[day] = row;
                grid->SetSelected(row, 0);
            }
            bool placed = false;
            Guarded([&] { placed = PlaceTeacherLesson(app_.model, day, row); });
            if (placed) Refresh();
        });
        connect(grid, &DrawnGrid::cellDoubleClicked, this, [this, day](int row, int) {
            bool removed = false;
            Guarded([&] { removed = RemoveTeacherLesson(app_.model, day, row); });
            if (removed) Refresh();
        });
        connect(grid, &DrawnGrid::cellContextMenu, this, [this, day, grid](int row, int, const QPoint& at) {
            if (row >= 1) {
                selectedRow_[day] = row;
                grid->SetSelected(row, 0);
            }
            QMenu menu;
            for (int i = 0; i < 4; ++i) {
                QAction* a = menu.addAction(Q(kDayMarkItems[i]));
                connect(a, &QAction::triggered, this, [this, day, i] { MarkDay(day, selectedRow_[day], i); });
            }
            menu.exec(at);
        });
        days_[day] = grid;
    }
}

void TeacherCompositionScreen::MarkDay(int day, int row, int item) {
    if (item < 0 || item > 3) return;
    bool changed = false;
    Guarded([&] { changed = MarkTeacherDay(app_.model, day, kDayMarks[item], row); });
    if (changed) Refresh();
}

void TeacherCompositionScreen::Fill() {
    LayOut();
    if (!OpenTeacherComposition(app_.model, app_.dialogs)) {
        if (app_.window) ShowMainMenu(*app_.window);
        return;
    }
    selectedRow_.fill(0);
    for (int day = 1; day <= kDays; ++day) days_[day]->SetSelected(-1, -1);
    Refresh();
}

void TeacherCompositionScreen::Refresh() {
    title_->setText(Q(TeacherCompositionTitle(app_.model)));
    list_->SetRowCount(TeacherLineRows(app_.model));
    list_->Redraw();
    for (int day = 1; day <= kDays; ++day) days_[day]->Redraw();
}

// ---------------------------------------------------------------- the "Автомат" menu

void AddAutomatCommands(MainWindow& window) {
    using C = MenuCommand;
    MainWindow* w = &window;
    Model& m = window.app().model;
    Dialogs& dialogs = window.app().dialogs;
    auto onComposition = [&m] { return m.sel.screen == ScreenId::kGroupComposition; };

    window.AddCommand(C::LimitsShown, [w, &m] {
        ToggleLimitsDisplay(m);
        if (QAction* a = w->actionFor(C::LimitsShown)) a->setChecked(m.composition.limitsDisplay == 1);
        w->ShowScreen(ScreenId::kGroupComposition);
    });
    window.AddCommand(C::LimitsForm, [w, &m, onComposition] {
        ToggleLimitsForm(m);
        if (onComposition()) w->Redraw();
    });
    window.AddCommand(C::FirstLessonAllDays, [w, &m, &dialogs] {
        if (FirstLessonAllDays(m, dialogs)) w->Redraw();
    });
    window.AddCommand(C::LastLessonAllDays, [w, &m, &dialogs] {
        if (LastLessonAllDays(m, dialogs)) w->Redraw();
    });
    window.AddCommand(C::ComposeWholeGroup, [w, &m, onComposition] {
        if (!onComposition()) return;
        // The caption shows each line as it is placed; user input waits until the end.
        ComposeWholeGroupLines(m, [w](const std::string& caption) {
            w->setWindowTitle(Q(caption));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        w->RefreshCaption();
        w->Redraw();
    });
    window.AddCommand(C::ClearWholeGroup, [w, &m, &dialogs] {
        if (ClearWholeGroupLessons(m, dialogs)) w->ShowScreen(ScreenId::kGroupComposition);
    });
    window.AddCommand(C::ClearSubgroups, [w, &m, &dialogs] {
        if (ClearSubgroupLessons(m, dialogs)) w->ShowScreen(ScreenId::kGroupComposition);
    });
}
