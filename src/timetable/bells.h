// The bell schedule (weekdays and Saturday) and the present moment computed from it.
#pragma once
#include <array>
#include <string>

#include "platform/clock.h"

struct Model;

inline constexpr int kMaxBellLessons = 14;
inline constexpr int kSaturdayBellLessons = 12;

struct BellLesson {
    std::string startText;  // hour + "." + minute as written in the file
    std::string endText;
    int start = 0;  // minutes since midnight
    int end = 0;
    int breakAfter = 0;  // minutes of the break after this lesson
};

struct BellSet {
    int count = 0;  // lessons the file lists (at most 14)
    std::array<BellLesson, kMaxBellLessons + 1> lessons{};  // [1..14]
};

struct BellSchedule {
    std::array<BellSet, 3> sets{};  // [1] Monday..Friday, [2] Saturday
};

// "1.uro" and "2.uro" from the bells folder; records beyond 14 are ignored.
void LoadBellSchedules(Model& model);
void ReadBellSet(const std::string& path, BellSet& set);

struct NowState {
    int today = 1;  // 1..6; Sunday is taken as Monday
    int now = 0;    // minutes since midnight
    int lesson = 0;
    int lessonMinutesLeft = 0;
    int breakAfter = 0;
    int breakMinutesLeft = 0;
};

NowState ComputeNowState(const BellSchedule& bells, const DateTime& at);
NowState ComputeNowState(const Model& model, const Clock& clock);
// The bell set of a day (2 on Saturday) and the lessons looked at (12 or 14).
int BellSetOfDay(int day);
int BellLessonsOfDay(int day);
