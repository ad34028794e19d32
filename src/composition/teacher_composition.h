// Composition from one teacher's side: every extract line the current teacher
// teaches over all groups, the teacher's week in six day tables, placing a listed
// line into a free lesson, removing the teacher's lessons and marking days.
#pragma once
#include <string>

#include "platform/cell.h"
#include "base/table.h"

struct Model;
class Dialogs;

inline constexpr int kMaxTeacherLines = 50;

// One listed part of an extract line taught by the teacher.
struct TeacherLine {
    std::string discipline;
    int group = 0;      // group position
    int part = 0;       // 0 whole group, 1 subgroup 1, 2 subgroup 2
    int hours = 0;      // weekly hours of that part
    std::string hoursText;
    int placed = 0;
    bool complete = false;
};

struct TeacherComposition {
    Table<TeacherLine, kMaxTeacherLines> lines;
    // 0 idle, 1 information about the selected line, 2 / 3 / 4 placing it for the
    // whole group / subgroup 1 / subgroup 2.
    int mode = 0;
    int selected = 0;  // position in `lines`, 0 = none
};

// The screen's menu of a day table.
enum class DayMark { Ordinary, Practice, Methodical, Unavailable };

// The current teacher's surname (model.sel.department / model.sel.teacher); "" without one.
std::string CurrentTeacherSurname(const Model& model);

void BuildTeacherLineList(Model& model);
void CountTeacherLines(Model& model);

// Opening the screen: the list is built and counted. An empty list shows the
// teacher's name with " - нет уроков по выпискам!" and returns false (the caller
// then shows the main menu).
bool OpenTeacherComposition(Model& model, Dialogs& dialogs);

// The title label: the teacher's displayName.
std::string TeacherCompositionTitle(const Model& model);

// The line list: row 0 the header, rows 1.. the entries; 4 columns.
int TeacherLineRows(const Model& model);
Cell TeacherLineCell(const Model& model, int row, int column);
// A click on the list; returns the window caption to show ("" for none).
std::string ClickTeacherLine(Model& model, int row, int column);

// Day tables (day 1..6): 15 rows (header, lessons 1..14), 5 columns.
Cell TeacherDayCell(const Model& model, int day, int row, int column);
// A click in the placing modes puts the selected line at (day, lesson); true when placed.
bool PlaceTeacherLesson(Model& model, int day, int lesson);
// A double-click in mode 0 removes one of the teacher's lessons at (day, lesson); true when removed.
bool RemoveTeacherLesson(Model& model, int day, int lesson);
// A day mark of the context menu; `lesson` is the table's selected row. True when the day changed.
bool MarkTeacherDay(Model& model, int day, DayMark mark, int lesson);
// "Отмена": the mode returns to 0.
void CancelTeacherComposition(Model& model);
// The screen switch: the teacher screen's mode and the automatic composition's running flag.
void ResetTeacherAndAutoComposition(Model& model);

// The complete colour of the group composition screen, shared by this one.
Colour CompleteColour(const Model& model);
