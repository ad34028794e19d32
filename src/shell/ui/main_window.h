// The one main window: menu bar, caption and the stack of screens.
#pragma once
#include <QAction>
#include <QMainWindow>
#include <QStackedWidget>
#include <map>
#include <vector>

#include "shell/startup.h"
#include "shell/ui/screen.h"

class MainWindow : public QMainWindow, public StartupWindow {
    Q_OBJECT
public:
    MainWindow(Model& model, Dialogs& dialogs, const Clock& clock);

    // Runs the start-up sequence; on failure the error box shows the message and
    // the file, and false is returned (the program then closes).
    bool Start(const std::string& workFolder);

    AppContext& app() { return app_; }
    QAction* catalogAction(int n) const { return catalogActions_[n]; }
    QAction* exitAction() const { return exitAction_; }

    // StartupWindow
    void PlaceWindow() override;
    void ShowCatalogCaptions(const Model& model) override;
    void SetTitle(const std::string& title) override;
    void LayOutScreens(Model& model) override;
    void ShowMainMenu(Model& model) override;

    // Registers a screen for one or more ScreenIds.
    void AddScreen(std::initializer_list<int> ids, Screen* screen);
    Screen* ScreenFor(int id) const;
    // Shows the screen of `id` (after the switch's reset) and fills it.
    void ShowScreen(int id);

private:
    void BuildFileMenu();
    void ChooseCatalog(int n);
    void Exit();

    AppContext app_;
    QStackedWidget* stack_;
    std::map<int, Screen*> screens_;
    std::vector<Screen*> screenList_;
    QAction* catalogActions_[5] = {};
    QAction* exitAction_ = nullptr;
};
