#include "timetable/timetable.h"

#include <gtest/gtest.h>

#include "timetable/model_fixture.h"

namespace {

// The created file of a group, spelled out independently of the writer.
std::vector<std::string> EmptyTimetableLines(const std::string& group) {
    std::vector<std::string> lines = {group, "-------"};
    for (int d = 1; d <= 6; ++d)
        for (int l = 1; l <= 14; ++l) {
            char key[8];
            std::snprintf(key, sizeof key, "%d%02d", d, l);
            lines.push_back(key);
            for (int k = 0; k < 9; ++k) lines.push_back("-");
            lines.push_back("-------");
        }
    return lines;
}

TEST(TimetableStore, MissingFilesAreCreatedByteForByteAndReadEmpty) {
    SmallCollege c;
    c.AddGroups({"101", "205"});
    LoadAllTimetables(c.m());

    std::string ras = ReadFileBytes(c.m().config.timetableFolder + "205.ras");
    EXPECT_EQ(ras, Cp1251Bytes(EmptyTimetableLines("205")));
    std::vector<std::string> lines = ReadLines(c.m().config.timetableFolder + "205.ras");
    ASSERT_EQ(lines.size(), 926u);
    EXPECT_EQ(lines[2 + 8 * 11], "109");
    EXPECT_EQ(lines[2 + 9 * 11], "110");
    EXPECT_EQ(lines[2 + 13 * 11], "114");
    EXPECT_EQ(lines[2 + 83 * 11], "614");

    EXPECT_EQ(ReadFileBytes(c.m().config.autoFolder + "101.ogr"),
              Cp1251Bytes({"101", "-------", "10000002000000", "10000002000000", "10000002000000", "10000002000000",
                           "10000002000000", "10000002000000"}));
    for (int d = 1; d <= 6; ++d) {
        EXPECT_EQ(c.m().lessonLimits[2].first[d], 1);
        EXPECT_EQ(c.m().lessonLimits[2].last[d], 8);
        for (int l = 1; l <= 14; ++l) EXPECT_TRUE(c.m().timetables[2].at(d, l).group.empty());
    }
}

TEST(TimetableStore, SavedTimetableReadsBackAndTruncatedFileGivesEmptyEntries) {
    SmallCollege c;
    c.AddGroups({"101"});
    c.Put(1, 1, 1, 1, "Сольфеджио", "Иванова", "12");
    c.Put(1, 6, 14, 3, "Английский язык", "Смит", "-");
    SaveGroupTimetable(c.m(), 1);
    c.m().timetables[1] = GroupTimetable{};
    LoadAllTimetables(c.m());
    EXPECT_EQ(c.Entry(1, 1, 1, 1).teacher, "Иванова");
    EXPECT_EQ(c.Entry(1, 1, 1, 1).room, "12");
    EXPECT_EQ(c.Entry(1, 6, 14, 3).discipline, "Английский язык");
    EXPECT_TRUE(c.Entry(1, 6, 14, 2).empty());

    // Key lines are not checked; lines missing at the end are empty entries, not
    // lessons with an empty name.
    WriteLines(c.m().config.timetableFolder + "101.ras",
               {"101", "-------", "999", "История", "Петров", "5", "-", "-", "-", "-", "-", "-", "-------", "102"});
    LoadAllTimetables(c.m());
    EXPECT_EQ(c.Entry(1, 1, 1, 1).discipline, "История");
    EXPECT_TRUE(c.Entry(1, 1, 2, 1).empty());
    EXPECT_EQ(c.Entry(1, 1, 2, 1).teacher, "-");
    EXPECT_TRUE(c.Entry(1, 6, 14, 3).empty());
}

TEST(LessonLimits, DayLineReading) {
    struct Case {
        std::string line;
        int first, last;
    } cases[] = {
        {"00000000000000", 1, 8},  {"00100000000020", 3, 13}, {"00001000000000", 5, 8},
        {"10100202000000", 3, 8},  {"", 1, 8},                {"0000000000000000012", 1, 8},
        {"00000000000002", 1, 14},
    };
    for (const Case& k : cases) {
        int first = 0, last = 0;
        ReadLimitsDayLine(k.line, first, last);
        EXPECT_EQ(first, k.first) << k.line;
        EXPECT_EQ(last, k.last) << k.line;
    }
}

TEST(LessonLimits, WritingAndFirstEqualLast) {
    EXPECT_EQ(LimitsDayLine(1, 8), "10000002000000");
    EXPECT_EQ(LimitsDayLine(2, 14), "01000000000002");
    EXPECT_EQ(LimitsDayLine(4, 4), "00020000000000");

    SmallCollege c;
    c.AddGroups({"101"});
    LoadAllTimetables(c.m());
    c.m().lessonLimits[1].first[3] = 4;
    c.m().lessonLimits[1].last[3] = 4;
    c.m().lessonLimits[1].first[6] = 2;
    c.m().lessonLimits[1].last[6] = 6;
    SaveLessonLimits(c.m(), 1);
    EXPECT_EQ(ReadLines(c.m().config.autoFolder + "101.ogr")[4], "00020000000000");
    LoadAllTimetables(c.m());
    EXPECT_EQ(c.m().lessonLimits[1].first[3], 1);  // the single "2" reads as first 1
    EXPECT_EQ(c.m().lessonLimits[1].last[3], 4);
    EXPECT_EQ(c.m().lessonLimits[1].first[6], 2);
    EXPECT_EQ(c.m().lessonLimits[1].last[6], 6);
}

TEST(DerivedTables, RoomOccupancyMarksListedRoomsAndSpecialisationCells) {
    SmallCollege c;
    c.AddGroups({"101", "102"});
    c.AddRooms({"12", "Зал", "12"});  // a repeated number marks its last position
    c.Put(1, 2, 3, 2, "Хор", "Иванова", "12");
    c.Put(2, 2, 4, 1, "Ритмика", "Петров", "Спортзал");  // typed, not in the list
    c.Put(2, 5, 5, 3, "Оркестр", "Петров", "Зал");
    Specialisation s;
    s.day = 4;
    s.hours = 2;
    s.variants = 1;
    s.cell(1, 1) = {"Сидоров", "Зал", 7};
    s.cell(1, 2) = {"Сидоров", "Зал", 0};  // not placed
    c.m().specialisations.push_back(s);
    c.m().roomOccupancy.cells[2][1][1] = 1;  // stale value is cleared

    ComputeRoomOccupancy(c.m());
    const RoomOccupancy& o = c.m().roomOccupancy;
    EXPECT_EQ(o.at(3, 2, 3), 1);
    EXPECT_EQ(o.at(1, 2, 3), 0);
    EXPECT_EQ(o.at(2, 5, 5), 1);
    EXPECT_EQ(o.at(2, 4, 7), 1);
    EXPECT_EQ(o.at(2, 1, 1), 0);
    int marked = 0;
    for (int r = 1; r <= 3; ++r)
        for (int d = 1; d <= 6; ++d)
            for (int l = 1; l <= 14; ++l) marked += o.at(r, d, l);
    EXPECT_EQ(marked, 3);
}

TEST(DerivedTables, PlacedCountsPerPartAndDuplicateNames) {
    SmallCollege c;
    c.AddGroups({"101"});
    c.Put(1, 1, 1, 1, "Сольфеджио", "Иванова");
    c.Put(1, 3, 2, 1, "Сольфеджио", "Петров");  // the teacher is not compared
    c.Put(1, 4, 1, 2, "Английский язык", "Смит");
    c.Put(1, 4, 1, 3, "Немецкий язык", "Шульц");
    c.Put(1, 5, 1, 2, "Сольфеджио ", "Иванова");  // differs by a trailing blank
    ExtractLine a{"Сольфеджио", 2, "Иванова"};
    ExtractLine b{"Сольфеджио", 1, "Петров"};
    ExtractLine split{"Английский язык", 0, "-", 2, "Смит", 2, "Шульц"};
    ExtractLine dash{"-", 1, "-"};  // a line named like an empty entry counts the empty entries
    for (const ExtractLine& l : {a, b, split, dash}) c.m().extracts[1].lines.push_back(l);

    ComputePlacedCounts(c.m());
    const auto& lines = c.m().extracts[1].lines;
    EXPECT_EQ(lines[1].placed, (std::array<int, 4>{0, 2, 0, 0}));
    EXPECT_EQ(lines[2].placed, (std::array<int, 4>{0, 2, 0, 0}));
    EXPECT_EQ(lines[3].placed, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(lines[4].placed, (std::array<int, 4>{0, 82, 82, 83}));
    EXPECT_EQ(PlacedLessonCount(c.m()), 5);
}

TEST(DerivedTables, SpecialisationDaysAndRoomOccupant) {
    SmallCollege c;
    c.AddGroups({"101", "102", "103"});
    Specialisation first, second;
    first.day = 2;
    first.division = "Ф";
    first.course = 1;
    first.groups.push_back("101");
    first.groups.push_back("102");
    first.cell(1, 1) = {"Сидоров", "7", 3};
    second.day = 5;
    second.groups.push_back("102");
    second.groups.push_back("999");
    c.m().specialisations.push_back(first);
    c.m().specialisations.push_back(second);
    ComputeSpecialisationDays(c.m());
    EXPECT_EQ(c.m().specialisationDay[1], 2);
    EXPECT_EQ(c.m().specialisationDay[2], 5);
    EXPECT_EQ(c.m().specialisationDay[3], 0);

    EXPECT_EQ(RoomOccupantText(c.m(), "7", 2, 3), "Специализация Ф-1 курс : Сидоров");
    c.Put(1, 2, 3, 3, "Хор", "Иванова", "7");
    c.Put(3, 2, 3, 1, "Оркестр", "Петров", "7");
    EXPECT_EQ(RoomOccupantText(c.m(), "7", 2, 3), "103 группа : Петров : Оркестр");
    EXPECT_EQ(RoomOccupantText(c.m(), "8", 2, 3), "");
    EXPECT_EQ(RoomOccupantText(c.m(), "-", 1, 1), "");
}

}  // namespace
