// The week screens' own model side: titles, the styled cells of the six day
// tables, the choice of another teacher, room or group, and the room notes.
#pragma once
#include <string>

#include "platform/cell.h"
#include "views/week_cells.h"

struct Model;
class Dialogs;

// What the week views keep between shows.
struct WeekViewState {
    int roomTitleOption = 1;  // 1: the room's name and keeper follow its number in the title
};

// The title line of the week screen. A group whose base is neither 9 nor 11 is
// titled as a base-9 group.
std::string WeekTitle(const Model& model, WeekView view);
// The ScreenIds of a view's week screen and large day view.
int WeekScreenId(WeekView view);
int LargeDayScreenId(WeekView view);

// The drawn cell of a day table of the current subject: the header row in the
// sky-blue heading look, data rows in the view's week-table style, the colours of
// the week cell functions where they set one.
Cell WeekTableCell(Model& model, WeekView view, int day, int row, int column);
inline constexpr int kWeekRowHeight = 19;
// Column widths of the view's day tables.
const int* WeekColumnWidths(WeekView view);

// The switch button: another teacher by surname prefix, another room or group by
// exact name. Cancel returns the default and so keeps the subject; no match
// keeps it too. The caller shows the view again.
void ChooseOtherTeacher(Model& model, Dialogs& dialogs);
void ChooseOtherRoom(Model& model, Dialogs& dialogs);
void ChooseOtherGroup(Model& model, Dialogs& dialogs);
void ChooseOtherSubject(Model& model, Dialogs& dialogs, WeekView view);
// Caption and hint of the switch button.
std::string SwitchButtonText(WeekView view);
std::string SwitchButtonHint(WeekView view);

// A double click on a room-week cell of the current room: column 1 clears both
// notes, columns 2 and 3 ask for note 1 or 2. Writes the room's notes file when
// something changed; true then.
bool EditRoomNote(Model& model, Dialogs& dialogs, int day, int lesson, int column);
