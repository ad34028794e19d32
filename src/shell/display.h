// The display and print options of the "Настройки" menu; in memory only.
#pragma once
#include "platform/dialogs.h"
#include "shell/model.h"
#include "shell/navigation.h"

// Black bold Times 10 on cream.
WeekTableStyle StandardWeekTableStyle();
// Step 10 of the start-up: both week-table styles take the standard values.
void SetStandardWeekTableStyles(Model& model);

enum class WeekTableCommand { FontColour, FontTimes, FontArial, FontStyle, Background, Standard };

// A command of one of the two week-table submenus; `weekScreen` is the screen it
// belongs to (102 for the teacher's week, 104 for the group's). It acts only
// while that screen is shown and then redraws it, also when the colour dialog
// was cancelled.
void WeekTableStyleCommand(Model& model, Dialogs& dialogs, ScreenSwitch& screens, int weekScreen,
                           WeekTableCommand command);

enum class DisplayOption { Hints, UnknownTeacher, BoldGroupSheets, GroupSheetSize, PrintPreview, OccupancyCheck,
                           RoomPhotographs };

// Whether the option's menu item carries a check mark ("Изменение размера
// шрифта печати расписания групп" never does).
bool OptionChecked(const Model& model, DisplayOption option);

// The option's menu command: v := 3 - v (hints on <-> off) and what follows it:
// the "Неизвестный" display ends on the main menu, the occupancy check redraws
// the teacher's week when that is shown.
void OptionCommand(Model& model, ScreenSwitch& screens, DisplayOption option);
