// Departments and their teachers, absences and the teachers' week occupancy.
#pragma once
#include <array>
#include <string>

#include "store/table.h"

inline constexpr int kMaxDepartments = 20;
inline constexpr int kMaxTeachers = 30;      // per department
inline constexpr int kMaxAbsentTeachers = 50;
inline constexpr int kDays = 6;
inline constexpr int kLessons = 14;

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
