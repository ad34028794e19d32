// The main menu screen (ScreenId 1): headings and buttons that open the screens.
#pragma once
#include <QPushButton>

#include "shell/ui/screen.h"

class MainMenuScreen : public Screen {
    Q_OBJECT
public:
    explicit MainMenuScreen(AppContext& app, QWidget* parent = nullptr);
    void LayOut() override;
    // The button with this caption (for tests), or nullptr.
    QPushButton* button(const QString& caption) const;
};
