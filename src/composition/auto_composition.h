// Automatic composition of the current group's whole-group lessons within the
// per-day first and last lessons, and the other operations of the "Автомат" menu.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "store/departments.h"

struct Model;
struct ExtractLine;
class Dialogs;

struct AutoCompositionState {
    bool running = false;  // set while ComposeWholeGroupLines runs; cleared on every screen switch
};

// What composition placed, in the order placed.
struct PlacedLesson {
    int day = 0;
    int lesson = 0;
    std::string discipline;
    std::string teacher;
    std::string room;
};

// Receives the window captions while composition runs.
using CaptionFunction = std::function<void(const std::string&)>;

inline constexpr const char* kAutoCompositionCaption = "Ждите! Автоматическое составление расписания для группы";

// [day 1..6][lesson 1..14]
using WeekMarks = std::array<std::array<bool, kLessons + 1>, kDays + 1>;

// Lessons where any entry of the group has a discipline.
WeekMarks OccupiedLessons(const Model& model, int group);
// Lessons where the teacher's code is not "0".
WeekMarks BusyLessons(const Teacher& teacher);

// Places the whole-group lessons of extract line `line` of the current group
// (model.sel.group) for the current teacher, avoiding the two snapshots. Every
// lesson is saved at once.
void PlaceLine(Model& model, int line, const WeekMarks& occupied, const WeekMarks& busy,
               std::vector<PlacedLesson>* placed = nullptr);

// Every whole-group line of the current group still lacking lessons, in line order.
std::vector<PlacedLesson> ComposeWholeGroupLines(Model& model, const CaptionFunction& caption = {});

// The "Автомат" items (the limits display and its form are switched by the group
// composition screen's own toggles). The limits items act only on the group
// composition screen; true when something changed (the caller then redraws).
bool FirstLessonAllDays(Model& model, Dialogs& dialogs);
bool LastLessonAllDays(Model& model, Dialogs& dialogs);
bool ClearWholeGroupLessons(Model& model, Dialogs& dialogs);
bool ClearSubgroupLessons(Model& model, Dialogs& dialogs);
