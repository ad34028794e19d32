// The menu bar as one table: every menu, item and shortcut in order, and what
// each item opens. The window builds the bar from it; an item is enabled exactly
// when its screen is registered (a plain screen item) or its command has a
// handler, so later screens enable their items by registering themselves.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "shell/model.h"

// What an item does besides (or instead of) showing a plain screen.
enum class MenuCommand {
    ShowScreen,  // ResetScreens and show `screen`
    MainMenu,
    Catalog1, Catalog2, Catalog3, Catalog4,
    Exit,
    NowPresent, NowLesson,  // screen 5 in mode "Сейчас" / "Урок..."
    ExtractPrompt,          // AskExtractGroup()
    SpecialisationEditing,  // screen 51 in editing mode
    // "Печать"
    TeacherSheet1, TeacherSheet2, TeacherSheet3, TeacherSheet4,
    TeacherSheet5, TeacherSheet6, TeacherSheet7, TeacherSheet8,
    RoomSheet1, RoomSheet2, RoomSheet3, RoomSheet4, RoomSheet5, RoomSheet6,
    GroupSheet, ExtractSheet, SpecialisationText,
    WordTeacherSheetsLeft, WordTeacherSheetsRight, WordRoomOtherUse,
    WordTeacherWeek, WordGroupWeek, WordRoomWeek,
    // "Настройки"
    Hints, UnknownTeacher, BoldGroupSheets, GroupSheetSize, PrintPreview, OccupancyCheck, RoomPhotographs,
    TeacherWeekFontColour, TeacherWeekTimes, TeacherWeekArial, TeacherWeekFontStyle, TeacherWeekBackground,
    TeacherWeekStandard,
    GroupWeekFontColour, GroupWeekTimes, GroupWeekArial, GroupWeekFontStyle, GroupWeekBackground, GroupWeekStandard,
    // "Автомат"
    LimitsShown, LimitsForm, FirstLessonAllDays, LastLessonAllDays, ComposeWholeGroup, ComposeSubgroups,
    ClearWholeGroup, ClearSubgroups,
    // "Приказы"
    Orders1, Orders2, Orders3, Orders4, Orders5,
    // "Анализ"
    RoomSet1, RoomSet2, RoomSet3,
};

struct MenuItem {
    // The menu and submenus, "|" between levels; the first is the menu of the bar.
    // Empty for an item of the bar itself.
    const char* path;
    const char* text;      // empty text: a separator
    const char* shortcut;  // "" for none
    int screen;            // the screen the item ends on, 0 when none
    MenuCommand command;
    bool checkable;
};

// The whole bar in order.
const std::vector<MenuItem>& MenuBarItems();

// The item of a command, or nullptr.
const MenuItem* FindMenuItem(MenuCommand command);

// The check mark of an item from the model's options; nullopt for an item whose
// check mark its own handler keeps.
std::optional<bool> MenuItemChecked(const Model& model, MenuCommand command);

// Model conditions an item needs besides its screen or handler: a room-set item
// needs its set; the subgroup composition item is never available.
bool MenuItemAvailable(const Model& model, MenuCommand command);

// The caption of an item at run time: the room-set items take the set's name.
std::string MenuItemText(const Model& model, const MenuItem& item);
