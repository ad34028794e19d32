// The large day view: one day of a teacher, a room or a group drawn as an
// 800 x 632 picture for reading at a distance.
#pragma once
#include <string>

#include "platform/canvas.h"
#include "views/week_cells.h"

struct Model;

inline constexpr int kLargeDayWidth = 800;
inline constexpr int kLargeDayHeight = 632;
inline constexpr int kLargeDayBand = 45;  // pixels per lesson

// Draws the current subject's day (teacher model.sel.department/teacher, room
// model.sel.room or group model.sel.group). A teacher's specialisation lesson
// makes its specialisation current, as on the week.
void DrawLargeDay(Model& model, WeekView view, int day, Canvas& canvas);

// "101 группа - Понедельник", surname + " " + name and patronymic + " - " + day,
// "Аудитория 12 - Понедельник".
std::string LargeDayTitle(const Model& model, WeekView view, int day);
