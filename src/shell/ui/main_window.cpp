#include "shell/ui/main_window.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>

#include "platform/qt/qt_dialogs.h"
#include "shell/catalog.h"
#include "shell/display.h"
#include "shell/prompts.h"
#include "shell/ui/hints.h"
#include "base/textfile.h"

MainWindow::MainWindow(Model& model, Dialogs& dialogs, const Clock& clock)
    : app_{model, dialogs, clock, this} {
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    stack_ = new QStackedWidget;
    stack_->setFixedSize(kScreenWidth, kScreenHeight);
    scroll->setWidget(stack_);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(scroll);
    BuildMenuBar();
    AddOwnCommands();
    UpdateMenus();
}

void MainWindow::BuildMenuBar() {
    for (const MenuItem& item : MenuBarItems()) {
        std::string path = item.path;
        QAction* action = nullptr;
        if (path.empty()) {
            action = menuBar()->addAction(Q(item.text));
        } else {
            // Create the menu and each submenu of the path on first use, in table order.
            std::string sofar;
            QMenu* parent = nullptr;
            size_t start = 0;
            while (true) {
                size_t bar = path.find('|', start);
                std::string part = path.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
                sofar += (sofar.empty() ? "" : "|") + part;
                auto it = menus_.find(sofar);
                if (it == menus_.end()) {
                    QMenu* menu = parent ? parent->addMenu(Q(part)) : menuBar()->addMenu(Q(part));
                    it = menus_.emplace(sofar, menu).first;
                }
                parent = it->second;
                if (bar == std::string::npos) break;
                start = bar + 1;
            }
            action = std::string(item.text).empty() ? parent->addSeparator() : parent->addAction(Q(item.text));
        }
        if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
        action->setCheckable(item.checkable);
        const MenuCommand command = item.command;
        const int screen = item.screen;
        if (!action->isSeparator())
            connect(action, &QAction::triggered, this, [this, command, screen] { Trigger(command, screen); });
        itemActions_.push_back(action);
    }
}

void MainWindow::AddOwnCommands() {
    using C = MenuCommand;
    for (int n = 1; n <= 4; ++n)
        AddCommand(static_cast<C>(static_cast<int>(C::Catalog1) + n - 1), [this, n] { ChooseCatalog(n); });
    AddCommand(C::Exit, [this] { Exit(); });
    AddCommand(C::MainMenu, [this] { ::ShowMainMenu(*this); });
    AddCommand(C::ExtractPrompt, [this] { AskExtractGroup(app_.model, app_.dialogs, *this); });
    AddCommand(C::Hints, [this] {
        OptionCommand(app_.model, *this, DisplayOption::Hints);
        ApplyHints(this, app_.model.options.hints);
    });
    const std::pair<C, DisplayOption> options[] = {
        {C::UnknownTeacher, DisplayOption::UnknownTeacher}, {C::BoldGroupSheets, DisplayOption::BoldGroupSheets},
        {C::GroupSheetSize, DisplayOption::GroupSheetSize}, {C::PrintPreview, DisplayOption::PrintPreview},
        {C::OccupancyCheck, DisplayOption::OccupancyCheck}, {C::RoomPhotographs, DisplayOption::RoomPhotographs}};
    for (auto [command, option] : options)
        AddCommand(command, [this, option] { OptionCommand(app_.model, *this, option); });
    const std::pair<C, WeekTableCommand> week[] = {
        {C::TeacherWeekFontColour, WeekTableCommand::FontColour},
        {C::TeacherWeekTimes, WeekTableCommand::FontTimes},
        {C::TeacherWeekArial, WeekTableCommand::FontArial},
        {C::TeacherWeekFontStyle, WeekTableCommand::FontStyle},
        {C::TeacherWeekBackground, WeekTableCommand::Background},
        {C::TeacherWeekStandard, WeekTableCommand::Standard},
        {C::GroupWeekFontColour, WeekTableCommand::FontColour},
        {C::GroupWeekTimes, WeekTableCommand::FontTimes},
        {C::GroupWeekArial, WeekTableCommand::FontArial},
        {C::GroupWeekFontStyle, WeekTableCommand::FontStyle},
        {C::GroupWeekBackground, WeekTableCommand::Background},
        {C::GroupWeekStandard, WeekTableCommand::Standard}};
    for (auto [command, what] : week) {
        const int screen = FindMenuItem(command)->screen;
        AddCommand(command, [this, screen, what] {
            WeekTableStyleCommand(app_.model, app_.dialogs, *this, screen, what);
        });
    }
}

void MainWindow::AddCommand(MenuCommand command, std::function<void()> handler) {
    handlers_[command] = std::move(handler);
    UpdateMenus();
}

void MainWindow::Guarded(const std::function<void()>& f) { RunReported(app_.dialogs, f); }

void MainWindow::Trigger(MenuCommand command, int screen) {
    if (command == MenuCommand::ShowScreen) {
        ShowScreen(screen);
    } else {
        auto it = handlers_.find(command);
        if (it == handlers_.end()) return;
        auto handler = it->second;  // a handler may register others
        Guarded(handler);
    }
    UpdateMenus();
}

void MainWindow::UpdateMenus() {
    const Model& m = app_.model;
    const auto& items = MenuBarItems();
    for (size_t i = 0; i < items.size() && i < itemActions_.size(); ++i) {
        const MenuItem& item = items[i];
        QAction* action = itemActions_[i];
        if (action->isSeparator()) continue;
        bool enabled = (item.command == MenuCommand::ShowScreen || handlers_.count(item.command)) &&
                       (item.screen == 0 || ScreenFor(item.screen)) && MenuItemAvailable(m, item.command);
        action->setEnabled(enabled);
        if (item.command >= MenuCommand::RoomSet1 && item.command <= MenuCommand::RoomSet3)
            action->setText(Q(MenuItemText(m, item)));
        if (auto checked = MenuItemChecked(m, item.command)) action->setChecked(*checked);
    }
    // A submenu is enabled while any of its items is; deeper paths come later in
    // the map's order, so walk it backwards.
    for (auto it = menus_.rbegin(); it != menus_.rend(); ++it) {
        if (it->first.find('|') == std::string::npos) continue;
        bool any = false;
        for (QAction* a : it->second->actions()) any = any || (!a->isSeparator() && a->isEnabled());
        it->second->menuAction()->setEnabled(any);
    }
    if (QMenu* automat = menuFor("Автомат")) automat->menuAction()->setEnabled(AutomatMenuEnabled(m));
}

QAction* MainWindow::actionFor(MenuCommand command) const {
    const auto& items = MenuBarItems();
    for (size_t i = 0; i < items.size() && i < itemActions_.size(); ++i)
        if (command != MenuCommand::ShowScreen && items[i].command == command) return itemActions_[i];
    return nullptr;
}

QAction* MainWindow::actionForScreen(int screen) const {
    const auto& items = MenuBarItems();
    for (size_t i = 0; i < items.size() && i < itemActions_.size(); ++i)
        if (items[i].command == MenuCommand::ShowScreen && items[i].screen == screen && *items[i].text)
            return itemActions_[i];
    return nullptr;
}

QMenu* MainWindow::menuFor(const std::string& path) const {
    auto it = menus_.find(path);
    return it == menus_.end() ? nullptr : it->second;
}

void MainWindow::ChooseCatalog(int n) {
    if (SwitchCatalog(app_.model, app_.dialogs, n)) close();
}

void MainWindow::Exit() {
    if (ConfirmExit(app_.dialogs)) close();
}

bool MainWindow::Start(const std::string& workFolder) {
    bool ok = RunReported(app_.dialogs, [&] { RunStartup(app_.model, workFolder, app_.clock, *this); });
    ApplyHints(this, app_.model.options.hints);
    UpdateMenus();
    return ok;
}

void MainWindow::PlaceWindow() {
    // At the top-left corner in normal state, 790 x 585; aligned to the desktop's
    // work area, the window then fills that area.
    setWindowState(Qt::WindowNoState);
    move(0, 0);
    resize(790, 585);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect work = screen->availableGeometry();
        if (work.width() > 790 || work.height() > 585) setGeometry(work);
    }
}

void MainWindow::ShowCatalogCaptions(const Model& model) {
    for (int n = 1; n <= 4; ++n) catalogAction(n)->setText(Q(model.config.catalogs[n].caption));
    UpdateMenus();
}

void MainWindow::SetInitialMenuState(const Model&) { UpdateMenus(); }

void MainWindow::SetTitle(const std::string& title) { setWindowTitle(Q(title)); }

void MainWindow::LayOutScreens(Model& model) {
    SetStandardWeekTableStyles(model);
    for (Screen* screen : screenList_) {
        screen->LayOut();
        // The window is already shown at this step: widgets a screen created in
        // LayOut() would stay hidden unless shown here. Those a screen hid on
        // purpose stay hidden.
        for (QWidget* child : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide)) child->show();
    }
}

void MainWindow::ShowMainMenu(Model&) { ::ShowMainMenu(*this); }

void MainWindow::AddScreen(std::initializer_list<int> ids, Screen* screen) {
    stack_->addWidget(screen);
    screenList_.push_back(screen);
    for (int id : ids) screens_[id] = screen;
    UpdateMenus();
}

Screen* MainWindow::ScreenFor(int id) const {
    auto it = screens_.find(id);
    return it == screens_.end() ? nullptr : it->second;
}

void MainWindow::ShowScreen(int id) {
    Screen* s = ScreenFor(id);
    if (!s || !ScreenCanOpen(app_.model, id)) return;
    ResetScreens(app_.model);
    app_.model.sel.screen = id;
    stack_->setCurrentWidget(s);
    RefreshCaption();
    Guarded([s] { s->Fill(); });
    UpdateMenus();
}

void MainWindow::RefreshCaption() {
    setWindowTitle(Q(CurrentCaption(app_.model, app_.clock)));
    if (QMenu* automat = menuFor("Автомат")) automat->menuAction()->setEnabled(AutomatMenuEnabled(app_.model));
}

void MainWindow::Redraw() {
    if (Screen* s = ScreenFor(app_.model.sel.screen)) Guarded([s] { s->Fill(); });
}
