#include "shell/display.h"

WeekTableStyle StandardWeekTableStyle() { return WeekTableStyle{}; }

void SetStandardWeekTableStyles(Model& model) {
    model.shell.teacherWeek = StandardWeekTableStyle();
    model.shell.groupWeek = StandardWeekTableStyle();
}

void WeekTableStyleCommand(Model& model, Dialogs& dialogs, ScreenSwitch& screens, int weekScreen,
                           WeekTableCommand command) {
    if (model.sel.screen != weekScreen) return;
    WeekTableStyle& style = weekScreen == ScreenId::kWeekTeacher ? model.shell.teacherWeek : model.shell.groupWeek;
    switch (command) {
        case WeekTableCommand::FontColour:
            if (auto c = dialogs.ChooseColour(style.fontColour)) style.fontColour = *c;
            break;
        case WeekTableCommand::Background:
            if (auto c = dialogs.ChooseColour(style.background)) style.background = *c;
            break;
        case WeekTableCommand::FontTimes:
            style.fontName = "Times";
            break;
        case WeekTableCommand::FontArial:
            style.fontName = "Arial";
            break;
        case WeekTableCommand::FontStyle:
            style.fontStyle = Toggled(style.fontStyle);
            break;
        case WeekTableCommand::Standard:
            style = StandardWeekTableStyle();
            break;
    }
    screens.Redraw();
}

namespace {

int* OptionValue(DisplayOptions& o, DisplayOption option) {
    switch (option) {
        case DisplayOption::UnknownTeacher: return &o.showUnknownTeacher;
        case DisplayOption::BoldGroupSheets: return &o.boldGroupSheets;
        case DisplayOption::GroupSheetSize: return &o.groupSheetSize;
        case DisplayOption::PrintPreview: return &o.printPreview;
        case DisplayOption::OccupancyCheck: return &o.teacherOccupancyCheck;
        case DisplayOption::RoomPhotographs: return &o.roomPhotographs;
        case DisplayOption::Hints: return nullptr;
    }
    return nullptr;
}

}  // namespace

bool OptionChecked(const Model& model, DisplayOption option) {
    if (option == DisplayOption::Hints) return model.options.hints;
    if (option == DisplayOption::GroupSheetSize) return false;
    DisplayOptions copy = model.options;
    return *OptionValue(copy, option) == 1;
}

void OptionCommand(Model& model, ScreenSwitch& screens, DisplayOption option) {
    if (option == DisplayOption::Hints) {
        model.options.hints = !model.options.hints;
        return;
    }
    int* value = OptionValue(model.options, option);
    *value = Toggled(*value);
    if (option == DisplayOption::UnknownTeacher) ShowMainMenu(screens);
    if (option == DisplayOption::OccupancyCheck && model.sel.screen == ScreenId::kWeekTeacher) screens.Redraw();
}
