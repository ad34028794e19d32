// A screen: a 1015 x 695 panel of the main window, filled from the model.
#pragma once
#include <QWidget>
#include <functional>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "shell/model.h"

class MainWindow;

struct AppContext {
    Model& model;
    Dialogs& dialogs;
    const Clock& clock;
    MainWindow* window = nullptr;
};

class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(AppContext& app, QWidget* parent = nullptr);
    // Lays out the fixed parts once, at start-up.
    virtual void LayOut() {}
    // Fills the screen from the model; called after every switch to it and every change.
    virtual void Fill() {}

protected:
    // Runs an operation, showing a failure in the error box; false when it failed.
    bool Guarded(const std::function<void()>& operation) { return RunReported(app_.dialogs, operation); }

    AppContext& app_;
};

inline constexpr int kScreenWidth = 1015;
inline constexpr int kScreenHeight = 695;
