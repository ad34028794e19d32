// The start-up sequence, one ordered function. The window's own steps (placing
// itself, the "Файл" captions, the title, laying out screens, the main menu) are
// hooks, so the program and the headless companion run the same sequence.
#pragma once
#include <string>

#include "platform/clock.h"
#include "shell/model.h"

class StartupWindow {
public:
    virtual ~StartupWindow() = default;
    virtual void PlaceWindow() {}                        // step 1
    virtual void ShowCatalogCaptions(const Model&) {}    // step 3
    virtual void SetInitialMenuState(const Model&) {}    // step 6
    virtual void SetTitle(const std::string&) {}         // step 8
    virtual void LayOutScreens(Model&) {}                // step 10
    virtual void ShowMainMenu(Model&) {}                 // step 11
};

// Runs every step in order. A failing step throws (FileError for files and
// numbers) and the rest is abandoned; `model.loaded` is set only at the end.
void RunStartup(Model& model, const std::string& workFolder, const Clock& clock, StartupWindow& window);
void RunStartup(Model& model, const std::string& workFolder, const Clock& clock);

// The title set by step 8.
std::string StartupTitle(const Model& model);
