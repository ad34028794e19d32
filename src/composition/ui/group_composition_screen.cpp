#include "composition/ui/group_composition_screen.h"

#include <QMenu>
#include <QPainter>

#include "platform/qt/qt_dialogs.h"
#include "shell/ui/main_window.h"
#include "base/textfile.h"
#include "composition/composition.h"

namespace {

void Paint(QWidget* w, Colour background, Colour text) {
    w->setStyleSheet(QString("background-color: %1; color: %2;").arg(ToQ(background).name(), ToQ(text).name()));
}

QFont Font(const char* family, int size, bool bold = false) {
    QFont f(family);
    f.setPointSize(size);
    f.setBold(bold);
    return f;
}


}  // namespace

// ---------------------------------------------------------------- day grid

DayGrid::DayGrid(const Model& model, int day, QWidget* parent) : DrawnGrid(parent), model_(model), day_(day) {}

void DayGrid::paintEvent(QPaintEvent* e) {
    DrawnGrid::paintEvent(e);
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 1; row < rowCount(); ++row) {
        Colour c;
        if (!LimitsCircle(model_, day_, row, c)) continue;
        QRect cell = CellRect(row, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(ToQ(c));
        p.drawEllipse(QRect(cell.left() + 13, cell.top() + 5, 6, 6));
    }
}

// ---------------------------------------------------------------- screen

GroupCompositionScreen::GroupCompositionScreen(AppContext& app, QWidget* parent) : Screen(app, parent) {}

void GroupCompositionScreen::Run(const std::function<void()>& operation) {
    Guarded(operation);
    Redraw();
}

void GroupCompositionScreen::LayOut() {
    if (laidOut_) return;
    laidOut_ = true;
    Model& m = app_.model;

    extract_ = new DrawnGrid(this);
    extract_->setGeometry(0, 0, 187, 600);
    extract_->SetColumns({60, 30, 60, 30});
    extract_->SetRowHeight(16);
    extract_->SetFixedRows(1);
    extract_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    extract_->SetCellFunction([&m](int r, int c) { return ExtractGridCell(m, r, c); });
    connect(extract_, &DrawnGrid::cellClicked, this, [this](int row, int column) {
        if (row == 0) return;
        int screen = 0;
        Run([&] { screen = SelectExtractLine(app_.model, row, column); });
        if (screen != 0 && app_.window != nullptr && app_.window->ScreenFor(screen) != nullptr)
            app_.window->ShowScreen(screen);
    });
    extract_->setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(extract_, &DrawnGrid::cellContextMenu, this,
            [this](int, int, const QPoint& at) { ExtractMenu(at); });

    for (int day = 1; day <= kDays; ++day) {
        DayGrid* g = new DayGrid(m, day, this);
        const int k = day - 1;
        g->setGeometry(190 + (k % 3) * 274, (k / 3) * 230, 272, 228);
        g->SetColumns({18, 112, 32, 90, 12});
        g->SetRowHeight(14);
        g->SetRowCount(kLessons + 1);
        g->SetFixedRows(1);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->SetCellFunction([&m, day](int r, int c) { return DayTableCell(m, day, r, c); });
        connect(g, &DrawnGrid::cellClicked, this,
                [this, day](int row, int column) { Run([&] { PlaceAt(app_.model, day, row, column); }); });
        connect(g, &DrawnGrid::cellDoubleClicked, this,
                [this, day](int row, int column) { Run([&] { RemoveAt(app_.model, day, row, column); }); });
        connect(g, &DrawnGrid::cellContextMenu, this,
                [this, day](int row, int, const QPoint& at) { DayMenu(day, row, at); });
        days_[k] = g;
    }

    // Room tables and the positions of the room commands.
    RoomLayout layout = LoadRoomLayout(m, kCompositionLayout);
    for (size_t i = 0; i < layout.parts.size(); ++i) {
        const RoomLayoutPart& part = layout.parts[i];
        ClickableLabel* caption = new ClickableLabel(Q(part.caption), this);
        caption->setGeometry(part.captionLeft, part.captionTop, part.captionWidth, part.captionHeight);
        caption->setFont(Font("Arial", 9, true));
        caption->setVisible(part.captionShown == 1);
        if (i == 4) {
            // The fifth part's label switches the group chooser.
            caption->setCursor(Qt::PointingHandCursor);
            connect(caption, &ClickableLabel::clicked, this, [this] { Run([&] { ToggleChooserMode(app_.model); }); });
        }
        roomCaptions_.push_back(caption);
        DrawnGrid* g = new DrawnGrid(this);
        g->setGeometry(part.gridLeft, part.gridTop, part.gridWidth, part.gridHeight);
        g->SetColumns(std::vector<int>(std::max(0, part.roomCount), part.columnWidth));
        g->SetRowHeight(std::max(10, part.gridHeight - 3));
        g->SetRowCount(1);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setVisible(part.gridShown == 1);
        const int first = part.firstRoom;
        g->SetCellFunction([&m, first](int, int c) { return RoomTableCell(m, first + c); });
        connect(g, &DrawnGrid::cellClicked, this, [this, first](int, int column) {
            Run([&] { AssignRoom(app_.model, app_.dialogs, first + column); });
        });
        roomGrids_.push_back(g);
        roomFirst_.push_back(first);
    }
    const int frameTop = layout.head.size() > 0 ? layout.head[0] : 525;
    const int frameLeft = layout.head.size() > 1 ? layout.head[1] : 550;
    const int otherTop = layout.head.size() > 2 ? layout.head[2] : 527;
    const int otherLeft = layout.head.size() > 3 ? layout.head[3] : 820;

    commands_ = new QWidget(this);
    commands_->setGeometry(frameLeft, frameTop, 270, 72);
    const char* const subLabels[3] = {"Группа", "1-я подгр", "2-я подгр"};
    const int order[3] = {2, 1, 3};  // left to right: subgroup 1, group, subgroup 2
    for (int row = 0; row < 2; ++row) {
        QLabel* head = new QLabel(row == 0 ? "Став.ауд." : "Снять ауд.", commands_);
        head->setGeometry(0, row * 24, 72, 20);
        head->setFont(Font("Arial", 8, true));
        for (int k = 0; k < 3; ++k) {
            const int part = order[k];
            ClickableLabel* l = new ClickableLabel(subLabels[part - 1], commands_);
            l->setGeometry(74 + k * 64, row * 24, 62, 20);
            l->setFont(Font("Arial", 8));
            l->setAlignment(Qt::AlignCenter);
            l->setCursor(Qt::PointingHandCursor);
            Paint(l, kSkyBlue, 0x000000);
            if (row == 0) {
                placeRoom_[part - 1] = l;
                connect(l, &ClickableLabel::clicked, this, [this, part] { Run([&] { BeginRoomChoice(app_.model, part); }); });
            } else {
                removeRoom_[part - 1] = l;
                connect(l, &ClickableLabel::clicked, this, [this, part] { Run([&] { RemoveRoom(app_.model, part); }); });
            }
        }
    }
    cancel_ = new QPushButton("Отмена", commands_);
    cancel_->setGeometry(74, 48, 126, 22);
    connect(cancel_, &QPushButton::clicked, this, [this] { Run([&] { CancelComposition(app_.model); }); });

    otherRoom_ = new ClickableLabel("Другая...", this);
    otherRoom_->setGeometry(otherLeft, otherTop, 70, 20);
    otherRoom_->setFont(Font("Arial", 8, true));
    otherRoom_->setAlignment(Qt::AlignCenter);
    otherRoom_->setCursor(Qt::PointingHandCursor);
    connect(otherRoom_, &ClickableLabel::clicked, this,
            [this] { Run([&] { AssignOtherRoom(app_.model, app_.dialogs); }); });

    // Mode 2: the status lines and the compact chooser.
    for (int i = 0; i < 3; ++i) {
        status_[i] = new ClickableLabel(this);
        status_[i]->setGeometry(5, 607 + i * 20, 520, 20);
        status_[i]->setFont(Font("Times", 10));
        connect(status_[i], &ClickableLabel::clicked, this, [this] { Run([&] { CancelComposition(app_.model); }); });
    }
    compact_ = new DrawnGrid(this);
    compact_->setGeometry(535, 607, 13 * 36 + 2, 4 * 16 + 2);
    compact_->SetColumns(std::vector<int>(13, 35));
    compact_->SetRowHeight(15);
    compact_->SetRowCount(4);
    compact_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    compact_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    compact_->SetCellFunction([&m](int r, int c) { return CompactChooserCell(m, r, c); });
    connect(compact_, &DrawnGrid::cellClicked, this, [this](int row, int column) {
        const int g = CompactChooserGroup(app_.model, row, column);
        if (g != 0) Run([&] { ChooseCompositionGroup(app_.model, g); });
    });

    // Mode 1: the division tables where the division plan puts them.
    for (int d = 1; d <= kPlanDivisions; ++d) {
        const DivisionPlanEntry& plan = m.divisionPlan.entries[d];
        const bool defined = d <= m.divisions.size();
        const int columns = defined ? m.divisions[d].columns : 0;
        ClickableLabel* label = new ClickableLabel(Q(defined ? m.divisions[d].name : "Отд-" + std::to_string(d)), this);
        label->setGeometry(plan.labelLeft, 625, 70, 20);
        label->setFont(Font("Times", 10, true));
        label->setStyleSheet("color: #FF0000;");
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &ClickableLabel::clicked, this, [this] {
            if (app_.window != nullptr && app_.window->ScreenFor(201) != nullptr) app_.window->ShowScreen(201);
        });
        DrawnGrid* g = new DrawnGrid(this);
        g->setGeometry(plan.labelLeft + 80, 605, columns * (d == 6 ? 29 : 28), 68);
        g->SetColumns(std::vector<int>(columns, 25));
        g->SetRowHeight(15);
        g->SetRowCount(kCourses);
        g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        g->SetCellFunction([&m, d](int r, int c) { return DivisionTableCell(m, d, r, c); });
        connect(g, &DrawnGrid::cellClicked, this, [this, d](int row, int column) {
            const int group = DivisionTableGroup(app_.model, d, row, column);
            if (group != 0) Run([&] { ChooseCompositionGroup(app_.model, group); });
        });
        divisionLabels_.push_back(label);
        divisionGrids_.push_back(g);
    }
}

void GroupCompositionScreen::Fill() {
    LayOut();
    ResetGroupComposition(app_.model);
    Redraw();
}

void GroupCompositionScreen::Redraw() {
    Model& m = app_.model;
    RedrawGroupComposition(m);
    const CompositionState& st = m.composition;

    Paint(otherRoom_, OtherRoomColour(m), 0x000000);
    const bool statusMode = st.chooserMode == 2;
    for (int i = 0; i < 3; ++i) {
        status_[i]->setVisible(statusMode);
        status_[i]->setText(Q(st.lines[i]));
        status_[i]->setStyleSheet(QString("color: %1;").arg(ToQ(StatusLineColour(st.shownStatus, i + 1)).name()));
    }
    compact_->setVisible(statusMode);
    for (int d = 1; d <= kPlanDivisions; ++d) {
        const bool shown = !statusMode && m.divisionPlan.entries[d].shown == 1;
        divisionLabels_[d - 1]->setVisible(shown);
        divisionGrids_[d - 1]->setVisible(shown);
        if (shown) divisionGrids_[d - 1]->Redraw();
    }
    extract_->SetRowCount(ExtractGridRows(m));
    extract_->Redraw();
    for (DayGrid* g : days_) g->Redraw();
    for (int part = 1; part <= 3; ++part) Paint(placeRoom_[part - 1], RoomCommandColour(m, part), 0x000000);
    for (DrawnGrid* g : roomGrids_) g->Redraw();
    compact_->Redraw();
    if (app_.window != nullptr && m.sel.screen == 7) app_.window->setWindowTitle(Q(CompositionWindowCaption(m)));
}

void GroupCompositionScreen::ExtractMenu(const QPoint& at) {
    QMenu menu(this);
    QAction* colour = menu.addAction("Изменение цвета маркировки полностью проставленных дисциплин");
    QAction* room = menu.addAction("Автоматически ставить аудиторию завкабинетами");
    room->setCheckable(true);
    room->setChecked(app_.model.composition.autoRoom == 1);
    QAction* chosen = menu.exec(at);
    if (chosen == colour) Run([&] { ToggleCompleteColour(app_.model); });
    if (chosen == room) Run([&] { ToggleAutoRoom(app_.model); });
}

void GroupCompositionScreen::DayMenu(int day, int row, const QPoint& at) {
    static const char* const kPractice[7] = {"", "Педпрактика в понедельник", "Педпрактика во вторник",
                                             "Педпрактика в среду", "Педпрактика в четверг",
                                             "Педпрактика в пятницу", "Педпрактика в субботу"};
    static const char* const kClear[7] = {"", "Снять все уроки с понедельника", "Снять все уроки со вторника",
                                          "Снять все уроки со среды", "Снять все уроки с четверга",
                                          "Снять все уроки с пятницы", "Снять все уроки с субботы"};
    QMenu menu(this);
    QAction* practice = menu.addAction(kPractice[day]);
    QAction* noPractice = menu.addAction("Снять педпрактику");
    menu.addSeparator();
    QAction* first = menu.addAction("Первый урок в режиме \"Автомат\"");
    QAction* last = menu.addAction("Последний урок в режиме \"Автомат\"");
    first->setEnabled(row >= 1);
    last->setEnabled(row >= 1);
    menu.addSeparator();
    QAction* clear = menu.addAction(kClear[day]);
    QAction* chosen = menu.exec(at);
    Model& m = app_.model;
    if (chosen == practice) Run([&] { SetPracticeDay(m, day); });
    if (chosen == noPractice) Run([&] { SetPracticeDay(m, 0); });
    if (chosen == first) Run([&] { SetFirstLesson(m, day, row); });
    if (chosen == last) Run([&] { SetLastLesson(m, day, row); });
    if (chosen == clear) Run([&] { ClearDay(m, app_.dialogs, day); });
}
