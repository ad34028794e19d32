#include "shell/ui/screens.h"

#include "shell/navigation.h"
#include "shell/ui/main_menu_screen.h"
#include "shell/ui/main_window.h"
#include "composition/ui/group_composition_screen.h"
#include "views/ui/list_screens.h"
#include "composition/ui/specialisation_screen.h"
#include "views/ui/large_day_screen.h"
#include "views/ui/week_screen.h"
#include "composition/ui/teacher_composition_screen.h"

void AddAllScreens(MainWindow& window) {
    // Each screen is added here with its ScreenIds.
    window.AddScreen({ScreenId::kMainMenu}, new MainMenuScreen(window.app()));
    window.AddScreen({7}, new GroupCompositionScreen(window.app()));
    window.AddScreen({3}, new RoomListScreen(window.app()));
    window.AddScreen({4}, new GroupListScreen(window.app()));
    window.AddScreen({ScreenId::kWeekTeacher}, new WeekScreen(window.app(), WeekView::Teacher));
    window.AddScreen({ScreenId::kWeekRoom}, new WeekScreen(window.app(), WeekView::Room));
    window.AddScreen({ScreenId::kWeekGroup}, new WeekScreen(window.app(), WeekView::Group));
    window.AddScreen({ScreenId::kLargeTeacher}, new LargeDayScreen(window.app(), WeekView::Teacher));
    window.AddScreen({ScreenId::kLargeRoom}, new LargeDayScreen(window.app(), WeekView::Room));
    window.AddScreen({ScreenId::kLargeGroup}, new LargeDayScreen(window.app(), WeekView::Group));
    window.AddScreen({ScreenId::kSpecialisation}, new SpecialisationScreen(window.app()));
    window.AddCommand(MenuCommand::SpecialisationEditing, [&window] {
        EnterSpecialisationEditing(window.app().model);
        window.ShowScreen(ScreenId::kSpecialisation);
    });
    window.AddScreen({ScreenId::kTeacherComposition}, new TeacherCompositionScreen(window.app()));
    AddAutomatCommands(window);
}
