// The demo college through the real start-up: everything loads, and the composed
// timetable keeps to the teachers' codes and the rooms.
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

#include "common/fixtures.h"
#include "demo/demo.h"
#include "shell/startup.h"
#include "shell/summary.h"
#include "base/textfile.h"
#include "timetable/timetable.h"

namespace {

std::unique_ptr<Model> StartDemo(const TempFolder& dir, bool full = false) {
    WriteDemoCollege(dir.path(), DemoOptions{full});
    auto model = std::make_unique<Model>();
    FixedClock clock(DateTime{2026, 12, 9, 3, 10, 0});
    RunStartup(*model, dir.path(), clock);
    return model;
}

TEST(DemoTimetable, LoadsAndKeepsTeacherAndRoomOccupancy) {
    TempFolder dir;
    auto model = StartDemo(dir);
    Model& m = *model;
    ASSERT_TRUE(m.loaded);
    ASSERT_GT(m.groups.size(), 0);
    EXPECT_GE(m.specialisations.size(), 3);
    EXPECT_LE(m.specialisations.size(), 5);
    EXPECT_GT(PlacedLessonCount(m), 0);
    EXPECT_EQ(m.bells.sets[1].count, 14);
    EXPECT_EQ(m.bells.sets[1].lessons[1].end - m.bells.sets[1].lessons[1].start, 45);
    EXPECT_EQ(m.bells.sets[2].count, 12);
    EXPECT_GT(m.pseudonyms.size(), 0);
    EXPECT_GT(m.writtenWorkRules.size(), 0);

    // Every teacher entry of a slot has code "3" there, and every "3" has exactly one entry.
    std::map<std::string, std::pair<int, int>> teacher;
    for (int d = 1; d <= m.departments.size(); ++d)
        for (int t = 1; t <= m.departments[d].teachers.size(); ++t) teacher[m.departments[d].teachers[t].surname] = {d, t};
    std::map<std::tuple<std::string, int, int>, int> lessonsOf, roomUse;
    int openHours = 0, unknown = 0, split = 0, practice = 0;
    for (int g = 1; g <= m.groups.size(); ++g) {
        for (int day = 1; day <= 6; ++day)
            for (int l = 1; l <= 14; ++l)
                for (int p = 1; p <= 3; ++p) {
                    const LessonEntry& e = m.timetables[g].at(day, l).part(p);
                    if (e.empty()) continue;
                    ++lessonsOf[{e.teacher, day, l}];
                    if (e.room != "-") ++roomUse[{e.room, day, l}];
                    EXPECT_NE(day, m.specialisationDay[g]);
                }
        for (const ExtractLine& line : m.extracts[g].lines) {
            openHours += line.hoursGroup - line.placed[1];
            unknown += line.teacherGroup == "Неизвестный";
            split += line.hoursSub1 > 0 && line.teacherSub1 != line.teacherSub2;
            practice += line.discipline == "Педагогическая практика";
        }
    }
    EXPECT_GT(openHours, PlacedLessonCount(m) / 4);
    EXPECT_GT(unknown, 0);
    EXPECT_GT(split, 0);
    EXPECT_EQ(practice, m.groups.size());
    for (const auto& [key, count] : lessonsOf) {
        const auto& [surname, day, l] = key;
        ASSERT_TRUE(teacher.count(surname)) << surname;
        EXPECT_EQ(count, 1) << surname << " " << day << " " << l;
        auto [d, t] = teacher[surname];
        EXPECT_EQ(m.departments[d].teachers[t].occupancy[day][l - 1], '3') << surname;
    }
    int placedCells = 0, openCells = 0;
    for (const Specialisation& s : m.specialisations)
        for (int v = 1; v <= s.variants; ++v)
            for (int h = 1; h <= s.hours; ++h) {
                const SpecialisationCell& c = s.cell(v, h);
                if (!c.placed()) {
                    ++openCells;
                    continue;
                }
                ++placedCells;
                EXPECT_EQ(lessonsOf.count({c.teacher, s.day, c.lesson}), 0u);
                auto [d, t] = teacher[c.teacher];
                EXPECT_EQ(m.departments[d].teachers[t].occupancy[s.day][c.lesson - 1], '5');
                if (c.room != "-") ++roomUse[{c.room, s.day, c.lesson}];
            }
    EXPECT_GT(placedCells, 0);
    EXPECT_GT(openCells, 0);
    for (const auto& [key, count] : roomUse) EXPECT_EQ(count, 1) << std::get<0>(key);
    int threes = 0;
    for (const Department& d : m.departments)
        for (const Teacher& t : d.teachers)
            for (int day = 1; day <= 6; ++day)
                for (char c : t.occupancy[day]) threes += c == '3';
    EXPECT_EQ(threes, PlacedLessonCount(m));
}

TEST(DemoTimetable, StartUpCreatesMissingTimetableAndLimitFiles) {
    TempFolder dir;
    auto model = StartDemo(dir);
    const AppConfig& c = model->config;
    const std::string group = model->groups[1].number;
    const std::string placed = ReadFileBytes(c.timetableFolder + group + ".ras");
    for (int g = 2; g <= model->groups.size(); ++g) {
        std::filesystem::remove(c.timetableFolder + model->groups[g].number + ".ras");
        std::filesystem::remove(c.autoFolder + model->groups[g].number + ".ogr");
    }
    auto again = std::make_unique<Model>();
    RunStartup(*again, dir.path(), FixedClock(DateTime{}));
    const std::string other = again->groups[2].number;
    GroupTimetable empty;
    EXPECT_EQ(ReadFileBytes(c.timetableFolder + other + ".ras"), TimetableFileBytes(other, empty));
    EXPECT_EQ(ReadLines(c.timetableFolder + other + ".ras").size(), 926u);
    EXPECT_EQ(ReadLines(c.autoFolder + other + ".ogr"),
              (std::vector<std::string>{other, "-------", "10000002000000", "10000002000000", "10000002000000",
                                        "10000002000000", "10000002000000", "10000002000000"}));
    EXPECT_EQ(ReadFileBytes(c.timetableFolder + group + ".ras"), placed);  // an existing file is left alone
}

TEST(DemoTimetable, FullCollegeFillsEveryTable) {
    TempFolder dir;
    auto model = StartDemo(dir, true);
    const Model& m = *model;
    EXPECT_EQ(m.specialisations.size(), kMaxSpecialisations);
    EXPECT_EQ(m.pseudonyms.size(), kMaxPseudonyms);
    EXPECT_EQ(m.writtenWorkRules.size(), kMaxWrittenWorkRules);
    for (const GroupExtract& x : m.extracts) EXPECT_EQ(x.lines.size(), kMaxExtractLines);
    const Specialisation& s = m.specialisations[1];
    EXPECT_EQ(s.hours, kMaxSpecialisationHours);
    EXPECT_EQ(s.variants, kMaxSpecialisationVariants);

    std::vector<std::string> summary = SummaryLines(m, FixedClock(DateTime{}));
    EXPECT_NE(std::find(summary.begin(), summary.end(), "specialisations: 12"), summary.end());
    EXPECT_NE(std::find(summary.begin(), summary.end(),
                        "extract lines: " + std::to_string(30 * m.groups.size())),
              summary.end());
}

}  // namespace
