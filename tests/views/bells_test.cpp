#include "timetable/bells.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "timetable/model_fixture.h"

namespace {

// A bell file of lessons given as {start hour, start minute, end hour, end minute, break}.
std::vector<std::string> BellLines(int n, const std::vector<std::array<int, 5>>& lessons) {
    std::vector<std::string> lines = {std::to_string(n), "Звонки"};
    for (const auto& b : lessons) {
        auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
        lines.insert(lines.end(), {"урок", std::to_string(b[0]), two(b[1]), std::to_string(b[0]), two(b[1]),
                                   std::to_string(b[2]), two(b[3]), std::to_string(b[2]), two(b[3]),
                                   std::to_string(b[4]), "-------"});
    }
    return lines;
}

// 45-minute lessons from 8.30 with 10-minute breaks.
std::vector<std::array<int, 5>> Lessons(int n, int length = 45) {
    std::vector<std::array<int, 5>> out;
    int t = 8 * 60 + 30;
    for (int k = 1; k <= n; ++k) {
        out.push_back({t / 60, t % 60, (t + length) / 60, (t + length) % 60, 10});
        t += length + 10;
    }
    return out;
}

DateTime At(int weekday, int hour, int minute) {
    DateTime d;
    d.weekday = weekday;
    d.hour = hour;
    d.minute = minute;
    d.second = 42;
    return d;
}

TEST(Bells, ReadsTextsMinutesAndIgnoresRecordsBeyondFourteen) {
    SmallCollege c;
    WriteLines(c.m().config.bellsFolder + "1.uro", BellLines(16, Lessons(16)));
    WriteLines(c.m().config.bellsFolder + "2.uro", BellLines(0, Lessons(2)));
    LoadBellSchedules(c.m());
    const BellSet& week = c.m().bells.sets[1];
    EXPECT_EQ(week.count, 14);
    EXPECT_EQ(week.lessons[1].startText, "8.30");
    EXPECT_EQ(week.lessons[1].endText, "9.15");
    EXPECT_EQ(week.lessons[1].start, 510);
    EXPECT_EQ(week.lessons[1].end, 555);
    EXPECT_EQ(week.lessons[1].breakAfter, 10);
    EXPECT_EQ(week.lessons[14].start, 510 + 13 * 55);
    EXPECT_EQ(c.m().bells.sets[2].count, 0);
    EXPECT_EQ(c.m().bells.sets[2].lessons[1].start, 0);

    WriteLines(c.m().config.bellsFolder + "2.uro", {"1", "", "x", "8"});
    EXPECT_NO_THROW(LoadBellSchedules(c.m()));  // ends early: the rest reads as empty and 0
    std::filesystem::remove(c.m().config.bellsFolder + "2.uro");
    EXPECT_THROW(LoadBellSchedules(c.m()), FileError);
}

TEST(Bells, NowStateByTheClock) {
    BellSchedule bells;
    auto fill = [](BellSet& set, const std::vector<std::array<int, 5>>& lessons) {
        set.count = static_cast<int>(lessons.size());
        for (int k = 1; k <= set.count; ++k) {
            const auto& b = lessons[k - 1];
            set.lessons[k].start = b[0] * 60 + b[1];
            set.lessons[k].end = b[2] * 60 + b[3];
            set.lessons[k].breakAfter = b[4];
        }
    };
    // Weekdays: 40-minute lesson 1 8.30-9.10, lesson 2 touching it 9.10-9.50, then 45-minute lessons.
    auto week = Lessons(14);
    week[0] = {8, 30, 9, 10, 0};
    week[1] = {9, 10, 9, 50, 10};
    for (int k = 2; k < 14; ++k) week[k] = {10 + (k - 2), 0, 10 + (k - 2), 45, 15};
    fill(bells.sets[1], week);
    fill(bells.sets[2], Lessons(14));  // Saturday looks at 12 of them only

    struct Case {
        DateTime at;
        int today, lesson, lessonLeft, breakAfter, breakLeft;
    } cases[] = {
        {At(1, 8, 5), 1, 0, 0, 0, 0},                    // before the first lesson
        {At(1, 8, 30), 1, 1, 40, 0, 0},                  // exact start minute
        {At(1, 9, 10), 1, 2, 40, 0, 0},                  // touching: the later lesson runs
        {At(1, 9, 50), 1, 2, 0, 0, 0},                   // exact end minute
        {At(1, 9, 55), 1, 0, 0, 2, 5},                   // break after lesson 2
        {At(3, 10, 50), 3, 0, 0, 3, 10},
        {At(7, 8, 31), 1, 1, 39, 0, 0},                  // Sunday is Monday
        {At(6, 8, 31), 6, 1, 44, 0, 0},                  // Saturday uses its own set
        {At(6, (510 + 11 * 55) / 60, (510 + 11 * 55) % 60), 6, 12, 45, 0, 0},
        {At(6, (510 + 12 * 55) / 60, (510 + 12 * 55) % 60), 6, 0, 0, 0, 0},  // lesson 13 not looked at
        {At(6, (510 + 11 * 55 + 50) / 60, (510 + 11 * 55 + 50) % 60), 6, 0, 0, 0, 0},  // no break after 12
        {At(5, 23, 0), 5, 0, 0, 0, 0},                   // after the last lesson
    };
    for (const Case& k : cases) {
        NowState s = ComputeNowState(bells, k.at);
        SCOPED_TRACE(std::to_string(k.at.weekday) + " " + std::to_string(k.at.hour) + ":" + std::to_string(k.at.minute));
        EXPECT_EQ(s.today, k.today);
        EXPECT_EQ(s.now, k.at.hour * 60 + k.at.minute);
        EXPECT_EQ(s.lesson, k.lesson);
        EXPECT_EQ(s.lessonMinutesLeft, k.lessonLeft);
        EXPECT_EQ(s.breakAfter, k.breakAfter);
        EXPECT_EQ(s.breakMinutesLeft, k.breakLeft);
    }
}

TEST(Bells, UnlistedLessonsNeverRunAtMidnight) {
    BellSchedule bells;
    bells.sets[1].count = 1;
    bells.sets[1].lessons[1] = {"8.30", "9.15", 510, 555, 10};
    NowState s = ComputeNowState(bells, At(2, 0, 0));
    EXPECT_EQ(s.lesson, 0);
    EXPECT_EQ(s.breakAfter, 0);
}

}  // namespace
