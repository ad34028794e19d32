// The demo college written into a temporary folder and the main window started on it,
// shared by the widget tests; and pictures of screens for looking at them.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "shell/navigation.h"
#include "shell/ui/main_window.h"
#include "shell/ui/screens.h"
#include "base/textfile.h"

// A stand-in for a screen that does not exist yet; counts its redraws.
class StubScreen : public Screen {
public:
    using Screen::Screen;
    void Fill() override { ++fills; }
    int fills = 0;
};

struct DemoWindowOptions {
    DateTime at{2024, 9, 3, 2, 10, 0, 0};  // a Tuesday, during lesson 2
    char separator = 0;                    // decimal separator to set first; 0 keeps it
    bool stubs = false;                    // every ScreenId without a screen gets a stand-in
    bool show = true;                      // the window is shown before start-up, as in the program
};

struct DemoWindow {
    TempFolder dir;
    std::unique_ptr<Model> model = std::make_unique<Model>();
    ScriptedDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<MainWindow> window;

    explicit DemoWindow(const DemoWindowOptions& o = {}) : clock(o.at) {
        if (o.separator) SetDecimalSeparator(o.separator);
        WriteDemoCollege(dir.path(), DemoOptions{});
        window = std::make_unique<MainWindow>(*model, dialogs, clock);
        AddAllScreens(*window);
        if (o.stubs)
            for (int id : AllScreenIds())
                if (!window->ScreenFor(id)) window->AddScreen({id}, new StubScreen(window->app()));
        if (o.show) {
            window->show();
            window->activateWindow();
            QApplication::processEvents();
        }
        EXPECT_TRUE(window->Start(dir.path())) << (dialogs.shown.empty() ? "" : dialogs.shown.back().text);
    }
};

// Saves a picture of the widget as NAME.png into the folder URK_SCREENSHOTS names, when set.
inline void SaveShot(QWidget* w, const QString& name) {
    const QString folder = qEnvironmentVariable("URK_SCREENSHOTS");
    if (!folder.isEmpty()) w->grab().save(folder + "/" + name + ".png");
}
