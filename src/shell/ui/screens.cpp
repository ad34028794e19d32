#include "shell/ui/screens.h"

#include "shell/ui/main_window.h"
#include "timetable/ui/group_composition_screen.h"
#include "store/ui/list_screens.h"

void AddAllScreens(MainWindow& window) {
    // Each screen is added here with its ScreenIds.
    window.AddScreen({7}, new GroupCompositionScreen(window.app()));
    window.AddScreen({3}, new RoomListScreen(window.app()));
    window.AddScreen({4}, new GroupListScreen(window.app()));
}
