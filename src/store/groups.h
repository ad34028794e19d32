// Divisions with courses and groups, specialty codes, timetable sheets, practice
// days, the duty group and the state-practice groups.
#pragma once
#include <array>
#include <string>

#include "store/table.h"

inline constexpr int kMaxGroups = 60;
inline constexpr int kMaxDivisions = 8;
inline constexpr int kCourses = 4;
inline constexpr int kMaxCellsPerCourse = 12;
inline constexpr int kMaxSpecialtyCodes = 20;
inline constexpr int kMaxSheets = 20;
inline constexpr int kMaxSpecialGroupLines = 50;  // "gruppoi.set"

struct Group {
    std::string number;
    std::string division;
    int base = 9;
    int course = 1;
    std::string specialty;
    std::string code;
    int financing = 1;  // 1 budget, 2 contract
    std::string classTutor;
    int practiceDay = 0;  // 0 none, 1..6
};

struct DivisionCell {
    std::string group;     // group number
    std::string caption;
    std::string financingMark;  // "б" or "дог"
    int students = 0;
};

struct Division {
    std::string name;
    int columns = 0;
    std::array<Table<DivisionCell, kMaxCellsPerCourse>, kCourses + 1> courses;  // [1..4]
};

struct SpecialtyCode {
    std::string code;
    std::string specialty;
};

struct TimetableSheet {
    std::array<std::string, 5> groups;  // [1..4] numbers as stored
    std::array<int, 5> positions{};     // resolved group positions, 0 = none
};
