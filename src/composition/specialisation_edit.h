// The specialisation screen's operations: choosing, placing and removing the
// lessons of the current specialisation, its rooms, and the editing commands of
// its context menus. Every change writes "spec.set" and the current ".spe",
// reloads the specialisations and so recomputes the groups' specialisation days.
#pragma once
#include <string>

#include "platform/cell.h"
#include "store/rooms.h"

struct Model;
class Dialogs;

// States of the screen.
inline constexpr int kSpecIdle = 0;
inline constexpr int kSpecPlacingCell = 1;   // hour mode: a cell chosen for placing
inline constexpr int kSpecRoomLesson = 2;    // room mode: a placed lesson chosen
inline constexpr int kSpecTypingRoom = 3;    // room mode: the input box for a cell's room is open
inline constexpr int kSpecEditCell = 700;    // editing mode: an unplaced cell chosen

struct SpecialisationScreenState {
    int display = 3;         // cells show 1 teachers, 2 rooms, 3 teacher and room
    bool editing = false;    // editing mode; placing mode otherwise
    bool roomMode = false;   // placing: room mode; hour mode otherwise
    int state = kSpecIdle;
    int variant = 0, hour = 0;  // the chosen cell
    int lesson = 0;             // the chosen placed lesson (room mode)
    int group = 1;              // the row chosen in the groups table
    std::string warning;        // shown while not empty
};

// ---------------------------------------------------------------- texts and cells

// "Специализация : 2  курс - Фортепиано : Группы 101 - 102 : Вторник".
std::string SpecialisationTitle(const Model& model);
// The caption texts of the window for screen 51 (course, division, groups).
void SetSpecialisationCaption(Model& model);

// Specialisation list: row 0 the header, then one row per specialisation.
Cell SpecialisationListCell(const Model& model, int row, int column);
// Cell table: row 0 / column 0 headings, then (hour row, variant column).
Cell SpecialisationCellTableCell(const Model& model, int row, int column);
// Lesson table: row 0 / column 0 headings, then (lesson row, variant column).
Cell SpecialisationLessonTableCell(const Model& model, int row, int column);
// Groups table: row r is group r + 1.
Cell SpecialisationGroupCell(const Model& model, int row);
// Room table of a layout part: column c is room part.firstRoom + c.
Cell SpecialisationRoomCell(const Model& model, const RoomLayoutPart& part, int column);

// Texts of the placing status labels; empty when a label is hidden.
struct SpecialisationStatus {
    std::string mode;     // "   Постановка!" or "   Аудитория!"
    bool placing = false; // red "Постановка!" rather than blue "Аудитория!"
    std::string variant;  // " 2 вариант"
    std::string hour;     // " 1 час"
    std::string cell;     // first four characters of the teacher + " : " + room
};
SpecialisationStatus SpecialisationStatusTexts(const Model& model);

// ---------------------------------------------------------------- clicks and modes

void SelectSpecialisation(Model& model, int index);  // list click
void SwitchSpecialisationDisplay(Model& model);      // title click: 1 -> 2 -> 3 -> 1
void SwitchSpecialisationEditing(Model& model);      // "Изменения"
void EnterSpecialisationEditing(Model& model);       // the menu item "Изменения специализации"
void SwitchSpecialisationRoomMode(Model& model);     // "Режим..."
void CancelSpecialisation(Model& model);             // "Отмена" and the warning line: idle, warning hidden

void SpecialisationCellClick(Model& model, Dialogs& dialogs, int variant, int hour);
void SpecialisationLessonClick(Model& model, int variant, int lesson);
void SpecialisationLessonDoubleClick(Model& model, int variant, int lesson);
void SpecialisationRoomClick(Model& model, int room);   // room mode, a placed lesson chosen
void RemoveSpecialisationRoom(Model& model);            // "Снять ауд."
void OtherSpecialisationRoom(Model& model, Dialogs& dialogs);  // "Другая..."
// A click in the groups table: chooses the row; in placing mode returns the
// group's position for the group composition screen (0 otherwise).
int SpecialisationGroupClick(Model& model, int row);

// ---------------------------------------------------------------- editing menu

enum class SpecialisationCommand {
    AddVariant, RemoveVariant, AddHour, RemoveHour, TeacherForCell, TeacherForVariant, ChangeDay,
    AddGroup, RemoveGroup, AddSpecialisation, DeleteSpecialisation
};
const char* SpecialisationCommandText(SpecialisationCommand command);
// Runs a context-menu item in editing mode; a failed condition or a cancelled
// confirmation does nothing. True when something changed.
bool RunSpecialisationCommand(Model& model, Dialogs& dialogs, SpecialisationCommand command);
