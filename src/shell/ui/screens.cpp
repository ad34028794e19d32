#include "shell/ui/screens.h"

#include "shell/ui/main_window.h"

void AddAllScreens(MainWindow& window) {
    // Each screen is added here with its ScreenIds.
}
