// Departments and their teachers, absences and the teachers' week occupancy.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/table.h"
#include "base/text_index.h"

inline constexpr int kMaxDepartments = 20;
inline constexpr int kMaxTeachers = 30;      // per department
inline constexpr int kMaxAbsentTeachers = 50;
inline constexpr int kDays = 6;
inline constexpr int kLessons = 14;
// The teacher of a line nobody is assigned to, or who is in no department list.
inline constexpr const char* kUnknownTeacher = "Неизвестный";

struct Teacher {
    std::string surname;
    std::string initials;
    std::string displayName;  // surname + " " + initials
    std::string nameAndPatronymic;
    std::string fileKey;      // names the ".zan" file
    int kind = 1;             // 1 staff, 2 part-time ("совместитель")
    std::string room = "-";
    double practiceHoursBudget = 0;
    double practiceHoursContract = 0;
    std::string homePhone;
    std::string mobilePhone;
    int presence = 1;         // 1 present, 2 absent
    // Monday..Saturday at [1..6], 14 codes each: "0" free, "1" pedagogical practice,
    // "2" methodical day, "3" lesson placed, "4" better not, "5" specialisation.
    std::array<std::string, kDays + 1> occupancy{};
    int rowNo = 0;
};

struct Department {
    std::string title;
    std::string extraTitle;
    std::string shortTitle;
    std::string fileKey;
    Table<Teacher, kMaxTeachers> teachers;  // teachers.size() is teacherCount
    int firstRow = 0;
    int absentCount = 0;
};

struct AbsentTeacher {
    std::string surname;
    std::string displayName;  // with " - совм." for a part-time teacher
};

// ---------------------------------------------------------------- loading and saving

struct Model;
class Dialogs;

// "kafedry.set", every ".kaf", the ".ots" files (created when missing), the absent
// list, every ".zan" (created when missing), then the orders lists. Recounts the totals.
void LoadDepartments(Model& model);
void SaveDepartment(const Model& model, int d);        // the ".kaf" of department d
void SaveAbsences(const Model& model, int d);          // the ".ots" of department d
void SaveOccupancy(const Model& model, int d, int t);  // the ".zan" of teacher t of department d
void SaveDepartmentList(const Model& model);           // "kafedry.set" (written by the demo only)
// Re-reads every ".ots" into `presence` and rebuilds the absent list and `absentCount`.
void RebuildAbsences(Model& model);

std::string DepartmentFilePath(const Model& model, int d);
std::string AbsenceFilePath(const Model& model, int d);
std::string OccupancyFilePath(const Model& model, const Teacher& teacher);
inline constexpr const char* kFreeWeekDay = "00000000000000";

// ---------------------------------------------------------------- lookups (last match wins)

// Current department and teacher become the match; returns false (selection kept) without one.
bool FindTeacher(Model& model, const std::string& surname);
// Only the current department becomes the match's department.
bool FindTeacherDepartment(Model& model, const std::string& surname);
// nameAndPatronymic of the match, else `previous` unchanged.
std::string NameAndPatronymicOf(const Model& model, const std::string& surname, const std::string& previous = "");
// Every teacher's surname, to tell the names of the department lists from others; the
// index is over the model's texts and serves while the teacher lists stay as they are.
TextIndex TeacherSurnames(const Model& model);

// ---------------------------------------------------------------- teacher list commands

// Teacher names that other tables hold, so that a teacher still named there is not removed.
// Per group in group order: its number and the teachers of every part of every extract line.
struct ExtractTeacherNames {
    std::string group;
    std::vector<std::string> teachers;
};
// Per specialisation in list order: its name, course and teachers.
struct SpecialisationTeacherNames {
    std::string name;
    int course = 0;
    std::vector<std::string> teachers;
};
// Provided by the extract and specialisation tables (teacher_references.cpp).
std::vector<ExtractTeacherNames> ExtractTeacherLists(const Model& model);
std::vector<SpecialisationTeacherNames> SpecialisationTeacherLists(const Model& model);

struct TeacherRemovalRefusal {
    std::string prompt;  // "У преподавателя нагрузка!" or "У преподавателя - специализация!"
    std::string text;    // the editable text of the refusal box
};
// Why `surname` may not be removed; nullopt when nothing names him.
std::optional<TeacherRemovalRefusal> TeacherRemovalRefusalFor(const std::string& surname,
                                                                const std::vector<ExtractTeacherNames>& extracts,
                                                                const std::vector<SpecialisationTeacherNames>& specialisations);

// The department screen's three commands on the current department (model.sel.department);
// each is confirmed first. Insert and remove take the selected position. True when the list changed.
bool AddTeacher(Model& model, Dialogs& dialogs);
bool InsertTeacher(Model& model, Dialogs& dialogs, int position);
bool RemoveTeacher(Model& model, Dialogs& dialogs, int position);

// Field edits of the current teacher (model.sel.department / model.sel.teacher).
void EditTeacherRoom(Model& model, Dialogs& dialogs);
void EditPracticeHours(Model& model, Dialogs& dialogs);
void EditHomePhone(Model& model, Dialogs& dialogs);
void EditMobilePhone(Model& model, Dialogs& dialogs);

// Presence: toggles teacher t of department d; marks every teacher of every department present.
void TogglePresence(Model& model, int d, int t);
void MarkEverybodyPresent(Model& model);

// An answer that cannot be stored (Windows-1251 has no code for one of its characters)
// is refused with a message; true when the text is fine.
bool AcceptText(Dialogs& dialogs, const std::string& text);
