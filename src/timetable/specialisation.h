// Specialisations: blocks of parallel lessons of one division and course on one
// weekday, attended by several groups ("spec.set" and one ".spe" per block).
#pragma once
#include <array>
#include <string>

#include "store/departments.h"
#include "base/table.h"

struct Model;

inline constexpr int kMaxSpecialisations = 12;
inline constexpr int kMaxSpecialisationHours = 10;
inline constexpr int kMaxSpecialisationVariants = 8;
inline constexpr int kMaxSpecialisationGroups = 20;

struct SpecialisationCell {
    std::string teacher = kUnknownTeacher;
    std::string room = "-";
    int lesson = 0;  // 0 = not placed, else 1..14
    bool placed() const { return lesson != 0; }
};

struct Specialisation {
    std::string key;  // division + "-" + course; names the ".spe" file
    std::string division;
    int course = 1;
    int day = 1;
    int hours = 1;
    int variants = 1;
    Table<std::string, kMaxSpecialisationGroups> groups;
    // [variant 1..8][hour 1..10]
    std::array<std::array<SpecialisationCell, kMaxSpecialisationHours + 1>, kMaxSpecialisationVariants + 1> cells{};
    SpecialisationCell& cell(int v, int h) { return cells.at(v).at(h); }
    const SpecialisationCell& cell(int v, int h) const { return cells.at(v).at(h); }
};

// Reads "spec.set" and every ".spe" (no file is written), then the groups'
// specialisation days. Counts beyond the tables, a day outside 1..6 or a lesson
// outside 0..14 refuse the file.
void LoadSpecialisations(Model& model);
void SaveSpecialisationList(const Model& model);
void SaveSpecialisation(const Model& model, int index);
std::string SpecialisationListBytes(const Model& model);
std::string SpecialisationFileBytes(const Specialisation& s);

// The last specialisation on `day` with a cell of `teacher` at `lesson`; it becomes
// the current one. 0 when there is none (the current one is then unchanged).
int FindSpecialisationLesson(Model& model, const std::string& teacher, int day, int lesson);
// The room of the last such cell of specialisation `index`, "" when none.
std::string SpecialisationLessonRoom(const Model& model, int index, const std::string& teacher, int lesson);

// "Специализация " + division + "-" + course + " курс : " + teacher for the last
// cell in `room` at (day, lesson); "" when none.
std::string SpecialisationOccupantText(const Model& model, const std::string& room, int day, int lesson);
