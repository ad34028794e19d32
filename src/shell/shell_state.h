// The shell's own state: week-table styles and the values that window captions
// show on behalf of screens of other subsystems.
#pragma once
#include <string>

#include "base/textutil.h"

// The look of the day tables on a week screen.
struct WeekTableStyle {
    std::string fontName = "Times";  // "Times" or "Arial"
    int fontSize = 10;
    int fontStyle = 2;               // 1 regular, 2 bold
    Colour fontColour = 0x000000;
    Colour background = 0xFFFBF0;
};

// Texts and modes the caption table needs from screens built elsewhere. The
// screen that owns a value sets it before it calls RefreshCaption().
struct CaptionTexts {
    int nowMode = 1;                   // screen 5: 1 "Сейчас", 2 "Урок..."
    std::string extractHeading;        // 6
    std::string roomSetName;           // 34
    std::string specialisationCourse;  // 51, 413
    std::string specialisationName;    // 51, 413
    std::string specialisationGroups;  // 51
    std::string ordersStaffTotal;      // 151
    std::string ordersPartTimeTotal;   // 151
    std::string divisionName;          // 201
    int teacherTableMode = 1;          // 202: 2 = rooms
    int abbreviationCount = 0;         // 251, 411
    int roomCrossMode = 1;             // 301
    std::string sheetGroups;           // 411
    int departmentSheetDay = 1;        // 415
    std::string extractEditHeading;    // 806
};

struct ShellState {
    CaptionTexts caption;
    WeekTableStyle teacherWeek;  // screen 102
    WeekTableStyle groupWeek;    // screens 103 and 104
};
