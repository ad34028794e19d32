#include "composition/ui/specialisation_screen.h"

#include <QMenu>

#include "platform/qt/qt_dialogs.h"
#include "shell/navigation.h"
#include "shell/ui/main_window.h"
#include "base/textfile.h"
#include "composition/specialisation_edit.h"

namespace {

constexpr int kRow = 19;

DrawnGrid* MakeGrid(QWidget* parent, int left, int top, int width, int height) {
    auto* g = new DrawnGrid(parent);
    g->setGeometry(left, top, width, height);
    g->SetRowHeight(kRow);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return g;
}

QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top, int width, const char* style) {
    auto* l = new ClickableLabel(Q(text), parent);
    l->setFont(QFont("Arial", 10, QFont::Bold));
    l->setGeometry(left, top, width, 22);
    l->setStyleSheet(style);
    return l;
}

}  // namespace

SpecialisationScreen::SpecialisationScreen(AppContext& app, QWidget* parent) : Screen(app, parent) {}

void SpecialisationScreen::Run(const std::function<void()>& operation) {
    Guarded(operation);
    Fill();
}

void SpecialisationScreen::ContextMenu(const QPoint& pos, std::initializer_list<int> commands) {
    QMenu menu;
    for (int c : commands) {
        auto command = static_cast<SpecialisationCommand>(c);
        QAction* a = menu.addAction(Q(SpecialisationCommandText(command)));
        a->setEnabled(app_.model.specScreen.editing);
        connect(a, &QAction::triggered, this,
                [this, command] { Run([&] { RunSpecialisationCommand(app_.model, app_.dialogs, command); }); });
    }
    menu.exec(pos);
}

void SpecialisationScreen::LayOut() {
    using C = SpecialisationCommand;
    Model& m = app_.model;
    title_ = new ClickableLabel(this);
    title_->setFont(QFont("Arial", 11, QFont::Bold));
    title_->setStyleSheet("color: #FF0000;");
    title_->setGeometry(10, 4, 995, 24);
    connect(title_, &ClickableLabel::clicked, this, [this] { Run([this] { SwitchSpecialisationDisplay(app_.model); }); });

    list_ = MakeGrid(this, 10, 34, 200, 13 * (kRow + 1) + 2);
    list_->SetColumns({40, 75, 36, 40});
    list_->SetFixedRows(1);
    list_->SetCellFunction([this](int r, int c) { return SpecialisationListCell(app_.model, r, c); });
    connect(list_, &DrawnGrid::cellClicked, this, [this](int r, int) {
        if (r >= 1) Run([this, r] { SelectSpecialisation(app_.model, r); });
    });
    connect(list_, &DrawnGrid::cellContextMenu, this, [this](int, int, const QPoint& pos) {
        ContextMenu(pos, {int(C::AddSpecialisation), int(C::DeleteSpecialisation), int(C::ChangeDay)});
    });

    auto* groupsCaption = new QLabel("Группы:", this);
    groupsCaption->setGeometry(10, 310, 200, 18);
    groups_ = MakeGrid(this, 10, 330, 200, 10 * (kRow + 1) + 2);
    groups_->SetColumns({196});
    groups_->SetCellFunction([this](int r, int) { return SpecialisationGroupCell(app_.model, r); });
    connect(groups_, &DrawnGrid::cellClicked, this, [this](int r, int) {
        int group = SpecialisationGroupClick(app_.model, r);
        if (group != 0 && app_.window && app_.window->ScreenFor(ScreenId::kGroupComposition)) {
            app_.model.sel.group = group;
            app_.window->ShowScreen(ScreenId::kGroupComposition);
            return;
        }
        Fill();
    });
    connect(groups_, &DrawnGrid::cellContextMenu, this, [this](int r, int, const QPoint& pos) {
        SpecialisationGroupClick(app_.model, r);
        ContextMenu(pos, {int(C::AddGroup), int(C::RemoveGroup)});
    });

    cells_ = MakeGrid(this, 220, 34, 785, 11 * (kRow + 1) + 2);
    cells_->SetFixedRows(1);
    cells_->SetCellFunction([this](int r, int c) { return SpecialisationCellTableCell(app_.model, r, c); });
    connect(cells_, &DrawnGrid::cellClicked, this, [this](int r, int c) {
        if (r >= 1 && c >= 1) Run([this, r, c] { SpecialisationCellClick(app_.model, app_.dialogs, c, r); });
    });
    connect(cells_, &DrawnGrid::cellContextMenu, this, [this](int r, int c, const QPoint& pos) {
        if (r >= 1 && c >= 1) SpecialisationCellClick(app_.model, app_.dialogs, c, r);
        Fill();
        ContextMenu(pos, {int(C::AddVariant), int(C::RemoveVariant), int(C::AddHour), int(C::RemoveHour),
                          int(C::TeacherForCell), int(C::TeacherForVariant)});
    });

    lessons_ = MakeGrid(this, 220, 262, 785, 15 * (kRow + 1) + 4);
    lessons_->SetFixedRows(1);
    lessons_->SetRowCount(15);
    lessons_->SetCellFunction([this](int r, int c) { return SpecialisationLessonTableCell(app_.model, r, c); });
    connect(lessons_, &DrawnGrid::cellClicked, this, [this](int r, int c) {
        if (r >= 1 && c >= 1) Run([this, r, c] { SpecialisationLessonClick(app_.model, c, r); });
    });
    connect(lessons_, &DrawnGrid::cellDoubleClicked, this, [this](int r, int c) {
        if (r >= 1 && c >= 1) Run([this, r, c] { SpecialisationLessonDoubleClick(app_.model, c, r); });
    });

    warning_ = new ClickableLabel(this);
    warning_->setGeometry(220, 568, 785, 24);
    warning_->setFont(QFont("Times", 12));
    warning_->setStyleSheet("background: #FFFF00; color: #0000FF;");
    warning_->hide();
    connect(warning_, &ClickableLabel::clicked, this, [this] { Run([this] { CancelSpecialisation(app_.model); }); });

    statusMode_ = MakeLabel(this, "", 10, 540, 200, "");
    statusVariant_ = MakeLabel(this, "", 10, 562, 200, "color: #000000;");
    statusHour_ = MakeLabel(this, "", 10, 584, 200, "color: #000000;");
    statusCell_ = MakeLabel(this, "", 10, 606, 200, "color: #000000;");

    editing_ = static_cast<ClickableLabel*>(MakeLabel(this, "Изменения", 10, 640, 100, ""));
    connect(editing_, &ClickableLabel::clicked, this, [this] { Run([this] { SwitchSpecialisationEditing(app_.model); }); });
    mode_ = static_cast<ClickableLabel*>(MakeLabel(this, "Режим...", 115, 640, 100, ""));
    connect(mode_, &ClickableLabel::clicked, this, [this] { Run([this] { SwitchSpecialisationRoomMode(app_.model); }); });
    auto* cancel = new QPushButton("Отмена", this);
    cancel->setGeometry(10, 664, 100, 26);
    connect(cancel, &QPushButton::clicked, this, [this] { Run([this] { CancelSpecialisation(app_.model); }); });

    // Room tables of room mode, split by audspec.ini.
    Guarded([&] { layout_ = LoadRoomLayout(m, kSpecialisationLayout); });
    // Each part's caption and grid stand where the layout file puts them; its head
    // places "Снять ауд." and "Другая...".
    for (size_t i = 0; i < layout_.parts.size(); ++i) {
        const RoomLayoutPart& part = layout_.parts[i];
        auto* label = new QLabel(Q(part.caption), this);
        label->setGeometry(part.captionLeft, part.captionTop, part.captionWidth, part.captionHeight);
        label->setFont(QFont("Arial", 8, QFont::Bold));
        roomLabels_.push_back(label);
        auto* grid = MakeGrid(this, part.gridLeft, part.gridTop, part.gridWidth, part.gridHeight);
        grid->SetRowHeight(std::max(10, part.gridHeight - 3));
        grid->SetRowCount(1);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int width = part.columnWidth > 0 ? part.columnWidth : 36;
        grid->SetColumns(std::vector<int>(std::max(0, part.roomCount), width));
        grid->SetCellFunction([this, i](int, int c) { return SpecialisationRoomCell(app_.model, layout_.parts[i], c); });
        connect(grid, &DrawnGrid::cellClicked, this, [this, i](int, int c) {
            const int room = layout_.parts[i].firstRoom + c;
            Run([this, room] { SpecialisationRoomClick(app_.model, room); });
        });
        roomTables_.push_back(grid);
    }
    auto head = [this](size_t k) { return k < layout_.head.size() ? layout_.head[k] : 0; };
    removeRoom_ = new QPushButton("Снять ауд.", this);
    removeRoom_->setGeometry(head(1), head(0), 105, 26);
    connect(removeRoom_, &QPushButton::clicked, this, [this] { Run([this] { RemoveSpecialisationRoom(app_.model); }); });
    otherRoom_ = new QPushButton("Другая...", this);
    otherRoom_->setGeometry(head(3), head(2), 105, 26);
    connect(otherRoom_, &QPushButton::clicked, this,
            [this] { Run([this] { OtherSpecialisationRoom(app_.model, app_.dialogs); }); });
}

void SpecialisationScreen::Fill() {
    if (!title_) return;
    Model& m = app_.model;
    const SpecialisationScreenState& st = m.specScreen;
    ComputeRoomOccupancy(m);
    SetSpecialisationCaption(m);
    if (app_.window && m.sel.screen == ScreenId::kSpecialisation) app_.window->RefreshCaption();
    title_->setText(Q(SpecialisationTitle(m)));

    list_->SetRowCount(m.specialisations.size() + 1);
    const bool has = m.specialisations.valid(m.currentSpecialisation);
    const int variants = has ? m.specialisations[m.currentSpecialisation].variants : 1;
    const int hours = has ? m.specialisations[m.currentSpecialisation].hours : 1;
    std::vector<int> widths{40};
    for (int v = 1; v <= variants; ++v) widths.push_back(90);
    cells_->SetColumns(widths);
    cells_->SetRowCount(hours + 1);
    lessons_->SetColumns(widths);
    groups_->SetRowCount(has ? m.specialisations[m.currentSpecialisation].groups.size() : 0);

    warning_->setText(Q(" " + st.warning));
    warning_->setVisible(!st.warning.empty());

    const SpecialisationStatus status = SpecialisationStatusTexts(m);
    statusMode_->setText(Q(status.mode));
    statusMode_->setStyleSheet(status.placing ? "color: #FF0000;" : "color: #0000FF;");
    statusVariant_->setText(Q(status.variant));
    statusHour_->setText(Q(status.hour));
    statusCell_->setText(Q(status.cell));

    editing_->setStyleSheet(st.editing ? "color: #0000FF;" : "color: #808080;");
    mode_->setVisible(!st.editing);
    mode_->setText(st.roomMode ? "Аудитории" : "Часы");
    mode_->setStyleSheet(st.roomMode ? "color: #000000;" : "color: #FF0000;");

    const bool rooms = !st.editing && st.roomMode && st.state == kSpecRoomLesson;
    for (size_t i = 0; i < roomTables_.size(); ++i) {
        roomLabels_[i]->setVisible(rooms && layout_.parts[i].captionShown == 1);
        roomTables_[i]->setVisible(rooms && layout_.parts[i].gridShown == 1);
        roomTables_[i]->Redraw();
    }
    removeRoom_->setVisible(rooms);
    otherRoom_->setVisible(rooms);
    for (DrawnGrid* g : {list_, cells_, lessons_, groups_}) g->Redraw();
}
