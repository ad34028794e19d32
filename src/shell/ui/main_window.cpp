#include "shell/ui/main_window.h"

#include <QMenuBar>
#include <QScrollArea>

#include "platform/qt/qt_dialogs.h"
#include "shell/catalog.h"
#include "store/textfile.h"

MainWindow::MainWindow(Model& model, Dialogs& dialogs, const Clock& clock)
    : app_{model, dialogs, clock, this} {
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    stack_ = new QStackedWidget;
    stack_->setFixedSize(kScreenWidth, kScreenHeight);
    scroll->setWidget(stack_);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCentralWidget(scroll);
    BuildFileMenu();
}

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu("Файл");
    const char* design[] = {"", "1-е полугодие", "2-е полугодие", "НОВЫЙ СЕМЕСТР (ТРЕНИРОВКА)", "Еще один семестр"};
    for (int n = 1; n <= 4; ++n) {
        catalogActions_[n] = file->addAction(design[n]);
        catalogActions_[n]->setCheckable(true);
        connect(catalogActions_[n], &QAction::triggered, this, [this, n] {
            catalogActions_[n]->setChecked(n == app_.model.config.currentCatalog);
            ChooseCatalog(n);
        });
    }
    file->addSeparator();
    exitAction_ = file->addAction("Выход");
    exitAction_->setShortcut(QKeySequence("Ctrl+F12"));
    connect(exitAction_, &QAction::triggered, this, &MainWindow::Exit);
}

void MainWindow::ChooseCatalog(int n) {
    try {
        if (SwitchCatalog(app_.model, app_.dialogs, n)) close();
    } catch (const FileError& e) {
        app_.dialogs.Error(e.Describe());
    }
}

void MainWindow::Exit() {
    if (ConfirmExit(app_.dialogs)) close();
}

bool MainWindow::Start(const std::string& workFolder) {
    try {
        RunStartup(app_.model, workFolder, app_.clock, *this);
        return true;
    } catch (const FileError& e) {
        app_.dialogs.Error(e.Describe());
    } catch (const std::exception& e) {
        app_.dialogs.Error(e.what());
    }
    return false;
}

void MainWindow::PlaceWindow() {
    setWindowState(Qt::WindowNoState);
    move(0, 0);
    resize(790, 585);
}

void MainWindow::ShowCatalogCaptions(const Model& model) {
    for (int n = 1; n <= 4; ++n) {
        catalogActions_[n]->setText(Q(model.config.catalogs[n].caption));
        catalogActions_[n]->setChecked(n == model.config.currentCatalog);
    }
}

void MainWindow::SetTitle(const std::string& title) { setWindowTitle(Q(title)); }

void MainWindow::LayOutScreens(Model&) {
    for (Screen* screen : screenList_) screen->LayOut();
}

void MainWindow::ShowMainMenu(Model&) { ShowScreen(1); }

void MainWindow::AddScreen(std::initializer_list<int> ids, Screen* screen) {
    stack_->addWidget(screen);
    screenList_.push_back(screen);
    for (int id : ids) screens_[id] = screen;
}

Screen* MainWindow::ScreenFor(int id) const {
    auto it = screens_.find(id);
    return it == screens_.end() ? nullptr : it->second;
}

void MainWindow::ShowScreen(int id) {
    app_.model.sel.screen = id;
    if (Screen* s = ScreenFor(id)) {
        stack_->setCurrentWidget(s);
        s->Fill();
    }
}
