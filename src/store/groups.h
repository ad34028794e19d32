// Divisions with courses and groups, specialty codes, timetable sheets, practice
// days, the duty group and the state-practice groups.
#pragma once
#include <array>
#include <string>

#include "base/table.h"

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

struct Model;
class Dialogs;

// "kody.set", "otdel.set", "gruppy.set", "gruprasp.set", "praktika.gru", then "dezur.gr"
// and "gosprakt.gr" when they exist. Recounts budget and contract groups.
void LoadGroups(Model& model);
void SaveGroups(const Model& model);          // "otdel.set", then "gruppy.set"
void SaveSheets(const Model& model);          // "gruprasp.set"
void SavePracticeDays(const Model& model);    // "praktika.gru"
void SaveDutyGroup(const Model& model);       // "dezur.gr"
void SaveStatePractice(const Model& model);   // "gosprakt.gr"
void SaveSpecialtyCodes(const Model& model);  // "kody.set" (written by the demo)
// "gruppoi.set" of the shared lists folder (start-up step 5).
void LoadSpecialGroupLines(Model& model);
void SaveSpecialGroupLines(const Model& model);

// A course value above 2000 is a year of admission.
int CourseFromStored(int course, int base);

// Position of the last group with exactly this number, 0 without one.
int GroupPosition(const Model& model, const std::string& number);
// The current group becomes the last match; kept without one.
bool FindGroup(Model& model, const std::string& number);

// Division structure edits ("Изменения" mode): `field` 1 class tutor, 2 students, 3 base,
// 4 code, 5 budget/contract, on cell `cell` of course `course` of division `division`.
// A cell whose number names no group does nothing. True when something was saved.
bool EditDivisionCell(Model& model, Dialogs& dialogs, int division, int course, int cell, int field);
// The sheet plan of the print menu: group `column` (1..4) of sheet `sheet`.
bool EditSheetCell(Model& model, Dialogs& dialogs, int sheet, int column);
