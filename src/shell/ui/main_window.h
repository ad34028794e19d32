// The one main window: menu bar, caption and the stack of screens.
#pragma once
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStackedWidget>
#include <functional>
#include <map>
#include <vector>

#include "shell/menu_table.h"
#include "shell/navigation.h"
#include "shell/startup.h"
#include "shell/ui/screen.h"

class MainWindow : public QMainWindow, public StartupWindow, public ScreenSwitch {
    Q_OBJECT
public:
    MainWindow(Model& model, Dialogs& dialogs, const Clock& clock);

    // Runs the start-up sequence; on failure the error box shows the message and
    // the file, and false is returned (the program then closes).
    bool Start(const std::string& workFolder);

    AppContext& app() { return app_; }
    QAction* catalogAction(int n) const {
        return actionFor(static_cast<MenuCommand>(static_cast<int>(MenuCommand::Catalog1) + n - 1));
    }
    QAction* exitAction() const { return actionFor(MenuCommand::Exit); }

    // StartupWindow
    void PlaceWindow() override;
    void ShowCatalogCaptions(const Model& model) override;
    void SetInitialMenuState(const Model& model) override;
    void SetTitle(const std::string& title) override;
    void LayOutScreens(Model& model) override;
    void ShowMainMenu(Model& model) override;

    // Registers a screen for one or more ScreenIds; the menu items that show
    // those screens become enabled.
    void AddScreen(std::initializer_list<int> ids, Screen* screen);
    Screen* ScreenFor(int id) const;
    // Registers what a menu command does; its item becomes enabled (when its
    // screen, if it names one, is registered too).
    void AddCommand(MenuCommand command, std::function<void()> handler);
    // What a menu item or a main-menu button does: a plain screen item shows
    // `screen`, any other command runs its handler. Errors go to the error box.
    void Trigger(MenuCommand command, int screen);

    // ScreenSwitch: the switch used by every screen and operation.
    void ShowScreen(int id) override;
    void RefreshCaption() override;
    void Redraw() override;

    // The item of a menu command (nullptr for plain screen items: use actionForScreen).
    QAction* actionFor(MenuCommand command) const;
    // The plain item that shows `screen` (the first in bar order), or nullptr.
    QAction* actionForScreen(int screen) const;
    // A menu of the bar by its path ("Настройки|Шрифт..." for submenus).
    QMenu* menuFor(const std::string& path) const;
    // Enabled states, captions and check marks of every item from the model.
    void UpdateMenus();

private:
    void BuildMenuBar();
    void AddOwnCommands();
    void ChooseCatalog(int n);
    void Exit();
    void Guarded(const std::function<void()>& f);

    AppContext app_;
    QStackedWidget* stack_;
    std::map<int, Screen*> screens_;
    std::vector<Screen*> screenList_;
    std::map<std::string, QMenu*> menus_;
    std::vector<QAction*> itemActions_;  // parallel to MenuBarItems()
    std::map<MenuCommand, std::function<void()>> handlers_;
};
