// The timetable store: every group's week of lessons (".ras"), the per-day lesson
// limits of automatic composition (".ogr") and the tables derived from them.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "store/departments.h"
#include "store/groups.h"
#include "store/rooms.h"

struct Model;

// One lesson of the whole group or of a subgroup; "-" means empty.
struct LessonEntry {
    std::string discipline = "-";
    std::string teacher = "-";
    std::string room = "-";
    bool empty() const { return discipline.size() == 1 && discipline[0] == '-'; }
};

// The three entries of one day and lesson.
struct LessonCell {
    LessonEntry group;
    LessonEntry sub1;
    LessonEntry sub2;
    LessonEntry& part(int p) { return p == 1 ? group : p == 2 ? sub1 : sub2; }  // 1 group, 2 sub1, 3 sub2
    const LessonEntry& part(int p) const { return p == 1 ? group : p == 2 ? sub1 : sub2; }
};

// A group's week: [day 1..6][lesson 1..14].
struct GroupTimetable {
    std::array<std::array<LessonCell, kLessons + 1>, kDays + 1> cells{};
    LessonCell& at(int day, int lesson) { return cells.at(day).at(lesson); }
    const LessonCell& at(int day, int lesson) const { return cells.at(day).at(lesson); }
};

// First and last lesson of every day that automatic composition may use.
struct LessonLimits {
    std::array<int, kDays + 1> first{0, 1, 1, 1, 1, 1, 1};
    std::array<int, kDays + 1> last{0, 8, 8, 8, 8, 8, 8};
};

// Room x day x lesson, 1 = occupied. Derived, never stored.
struct RoomOccupancy {
    std::array<std::array<std::array<std::uint8_t, kLessons + 1>, kDays + 1>, kMaxRooms + 1> cells{};
    std::uint8_t at(int room, int day, int lesson) const { return cells.at(room).at(day).at(lesson); }
    void clear() { cells = {}; }
};

// "101" ... "614": the day digit and the lesson in two digits.
std::string LessonKey(int day, int lesson);

// Group file path: folder + group number + extension; a number that is no plain
// file name is refused.
std::string GroupFilePath(const std::string& folder, const std::string& number, const std::string& extension);

// The file texts, line by line as written.
std::string TimetableFileBytes(const std::string& groupName, const GroupTimetable& timetable);
std::string LimitsFileBytes(const std::string& groupName, const LessonLimits& limits);
// A day line of the limits file and its reading.
std::string LimitsDayLine(int first, int last);
void ReadLimitsDayLine(const std::string& line, int& first, int& last);

// Start-up: every group's ".ras" and ".ogr", each created when missing, then read.
void LoadAllTimetables(Model& model);
void SaveGroupTimetable(const Model& model, int group);
void SaveLessonLimits(const Model& model, int group);

void ComputeRoomOccupancy(Model& model);
void ComputePlacedCounts(Model& model);
void ComputeSpecialisationDays(Model& model);

// Who occupies the room at (day, lesson): the last group with an entry in that room,
// else the last specialisation cell there; "" when nobody.
std::string RoomOccupantText(const Model& model, const std::string& room, int day, int lesson);

// Entries with a discipline (whole group, subgroup 1 and 2) over all groups.
int PlacedLessonCount(const Model& model);
