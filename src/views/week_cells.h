// Cells of the week tables of a teacher, a room and a group: row 0 is the header,
// rows 1..14 the lessons; column 0 the lesson number, columns 1..3 the texts.
#pragma once
#include <optional>
#include <string>

#include "base/textutil.h"

struct Model;

struct WeekCell {
    std::string text;
    std::optional<Colour> background;  // none: the view's own background
    std::optional<Colour> textColour;  // none: the view's own text colour
};

enum class WeekView { Teacher = 1, Room = 2, Group = 3 };

// Header text of a column of the view.
std::string WeekHeader(WeekView view, int column);

// The teacher (department d, position t) week; finds the specialisation of a
// code-"5" lesson and makes it current.
WeekCell TeacherWeekCell(Model& model, int department, int teacher, int day, int row, int column);
WeekCell RoomWeekCell(const Model& model, int room, int day, int row, int column);
WeekCell GroupWeekCell(const Model& model, int group, int day, int row, int column);
