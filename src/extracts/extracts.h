// Group extracts: per group the disciplines of the semester with their weekly
// hours and teachers (".vyp" files), their placed and remaining counts, and the
// discipline names with a meaning of their own.
#pragma once
#include <array>
#include <string>

#include "base/table.h"

struct Model;

inline constexpr int kMaxExtractLines = 30;

struct ExtractLine {
    std::string discipline;
    int hoursGroup = 0;
    std::string teacherGroup = "-";
    int hoursSub1 = 0;
    std::string teacherSub1 = "-";
    int hoursSub2 = 0;
    std::string teacherSub2 = "-";
    // Derived: lessons of the group's week with this discipline, [1] whole group,
    // [2] subgroup 1, [3] subgroup 2.
    std::array<int, 4> placed{};
};

struct GroupExtract {
    Table<ExtractLine, kMaxExtractLines> lines;  // lines.size() is lineCount
    int totalHours = 0;                          // hoursGroup + hoursSub1 over all lines
};

// Reads every group's ".vyp" (a missing one leaves the group without lines),
// normalises the teachers and rewrites every file read whose normalised text differs
// from what it holds (an identical rewrite is skipped). Every file is checked
// before anything changes: a line count above 30, an hours field that is not a
// non-negative integer or "-", or a file that ends inside a record refuses the file
// (FileError naming it), and then no extract changes and no file is written.
void LoadAllExtracts(Model& model);
// Writes group g's extract as it stands (no reload).
void SaveGroupExtract(const Model& model, int group);
// Writes the current group's extract, then loads all extracts again.
void SaveCurrentExtract(Model& model);
// Writes the current group's lines under another group number, then loads all.
void SaveExtractAs(Model& model, const std::string& groupNumber);
std::string ExtractFileBytes(const std::string& groupNumber, const GroupExtract& extract);

// "Остаток" of a line: whole-group remaining right-aligned in 3 characters, or
// "left / right" for a split line; "" when nothing remains or the line has neither shape.
std::string RemainingText(const ExtractLine& line);
int ExtractLineCount(const Model& model);

// The discipline names other parts recognise; each class accepts all its variants.
bool IsTeachingPractice(const std::string& discipline);   // "Педпрактика", "Педагогическая практика"
bool CountsAsPracticeLoad(const std::string& discipline); // teaching practice or "Практика"
bool IsAdditionalTraining(const std::string& discipline); // the three "допподготовки" variants
bool IsOverviewDiscipline(const std::string& discipline); // columns of the teachers-by-discipline overview
extern const char* const kOverviewDisciplines[6];

// A teacher text as the extracts keep it: "-" stays, a name in some department
// list stays, anything else becomes "Неизвестный".
std::string NormalisedTeacher(const Model& model, const std::string& teacher);
bool TeacherInAnyDepartment(const Model& model, const std::string& surname);
