// The group composition screen's rules and state: selecting an extract line,
// placing and removing lessons, choosing rooms, the status texts, and the cell
// functions of its grids. The screen only forwards clicks and paints cells.
#pragma once
#include <array>
#include <string>

#include "platform/cell.h"

struct Model;
class Dialogs;

// The mode or one-shot result of the group composition screen.
enum CompositionStatus : int {
    kStatusIdle = 0,
    kStatusPlaceGroup = 1,       // placing the selected line for the whole group
    kStatusGroupComplete = 2,    // all whole-group lessons are placed
    kStatusOnlySubgroups = 3,
    kStatusOnlyWholeGroup = 4,
    kStatusLineInfo = 5,
    kStatusPlaceSub1 = 6,
    kStatusPlaceSub2 = 7,
    kStatusSub1Complete = 8,
    kStatusSub2Complete = 9,
    kStatusLessonTaken = 10,
    kStatusPlaced = 11,
    kStatusTeacherBusy = 12,
    kStatusRemoved = 13,
    kStatusLessonChosen = 101,
    kStatusRoomForGroup = 102,
    kStatusRoomOccupied = 103,
    kStatusRoomTooSmall = 104,
    kStatusRoomForSub1 = 105,
    kStatusRoomForSub2 = 106,
};

// Modes stay until the next action; every other code is shown once.
bool IsCompositionMode(int status);

// Entry parts of a lesson, as LessonCell::part numbers them.
inline constexpr int kPartGroup = 1, kPartSub1 = 2, kPartSub2 = 3;

struct CompositionState {
    CompositionStatus status = kStatusIdle;
    int line = 0;                // selected extract line
    int day = 0, lesson = 0;     // chosen lesson
    int chooserMode = 1;         // 1 division tables, 2 status lines and compact chooser
    int limitsDisplay = 2;       // 1 on, 2 off
    int limitsForm = 1;          // 1 filled cell, 2 small circle
    int completeColour = 1;      // 1 the free colour, 2 silver
    int autoRoom = 1;            // 1 on: heads of rooms get their own room
    // What the last redraw shows: the code, the three status lines and the text the
    // window caption repeats ("" keeps the screen's own caption).
    int shownStatus = 0;
    std::array<std::string, 3> lines;
    std::string caption;
};

// ---------------------------------------------------------------- operations
// Each works on the current group (model.sel.group); the screen redraws after each.

// A click on extract line `line` (1-based), column 0 name, 1 subgroup 1, 2 whole
// group, 3 subgroup 2. Returns the ScreenId to open instead (51, the specialisation
// of an additional-training line), else 0.
int SelectExtractLine(Model& model, int line, int column);
// A click into day table `day`, row `lesson`, column 0..4.
void PlaceAt(Model& model, int day, int lesson, int column);
// A double click: column 2 removes subgroup 1, 3 the whole group, 4 subgroup 2.
void RemoveAt(Model& model, int day, int lesson, int column);
void BeginRoomChoice(Model& model, int part);
void RemoveRoom(Model& model, int part);
// A click on room `room` (position in the room list).
void AssignRoom(Model& model, Dialogs& dialogs, int room);
// "Другая...": a room outside the room list.
void AssignOtherRoom(Model& model, Dialogs& dialogs);
void CancelComposition(Model& model);

// Day tables' context menus.
void SetPracticeDay(Model& model, int day);  // 0 removes it; saves "praktika.gru"
void SetFirstLesson(Model& model, int day, int lesson);
void SetLastLesson(Model& model, int day, int lesson);
// Removes every lesson of the day after confirmation; true when it did.
bool ClearDay(Model& model, Dialogs& dialogs, int day);

// Switches of the screen.
void ChooseCompositionGroup(Model& model, int group);
void ToggleChooserMode(Model& model);
void ToggleCompleteColour(Model& model);
void ToggleAutoRoom(Model& model);
void ToggleLimitsDisplay(Model& model);
void ToggleLimitsForm(Model& model);
// The screen switch returns the screen to idle.
void ResetGroupComposition(Model& model);

// The one redraw: placed counts and room occupancy recomputed, the status texts
// taken, then a one-shot code returns to idle. The screen paints afterwards.
void RedrawGroupComposition(Model& model);

// ---------------------------------------------------------------- texts

// Lines 1..3 and the caption repeat for a status code.
struct StatusTexts {
    std::array<std::string, 3> lines;
    std::string caption;
};
StatusTexts CompositionStatusTexts(const Model& model, int status);
// Colour of status line 1..3 for the code shown.
Colour StatusLineColour(int status, int line);
// The window caption: the repeat of the last redraw, else the screen's own
// ("Составление расписания - Группа ..."), with the training prefix.
std::string CompositionWindowCaption(const Model& model);

// ---------------------------------------------------------------- cell functions

Colour CompositionFreeColour(const Model& model);
int ExtractGridRows(const Model& model);
Cell ExtractGridCell(const Model& model, int row, int column);
// Day table `day`, rows 0 (header) .. 14, columns 0..4.
Cell DayTableCell(const Model& model, int day, int row, int column);
// Form 2 of the limits marks: the colour of the circle in column 0, 0 = none.
bool LimitsCircle(const Model& model, int day, int lesson, Colour& colour);
// Room table cell: the room at position `room` of the room list (0 or beyond the list: empty).
Cell RoomTableCell(const Model& model, int room);
Cell CompactChooserCell(const Model& model, int row, int column);
int CompactChooserGroup(const Model& model, int row, int column);  // 0 = none
// Division `division` (1..8) table: row 0 the 4th course .. row 3 the 1st.
Cell DivisionTableCell(const Model& model, int division, int row, int column);
int DivisionTableGroup(const Model& model, int division, int row, int column);  // 0 = none
Colour OtherRoomColour(const Model& model);
// "Став.ауд." sublabel of a part: aqua while that room choice runs, else sky blue.
Colour RoomCommandColour(const Model& model, int part);
