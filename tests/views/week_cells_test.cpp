#include "views/week_cells.h"

#include <gtest/gtest.h>

#include "timetable/model_fixture.h"

namespace {

std::string Text(const WeekCell& c) { return c.text; }

TEST(GroupWeekCells, WholeGroupSubgroupsAndDayMarks) {
    SmallCollege c;
    c.AddGroups({"101"});
    Model& m = c.m();
    m.groups[1].practiceDay = 2;
    m.specialisationDay[1] = 3;
    c.Put(1, 1, 1, 1, "Сольфеджио", "Иванова", "12");
    c.Put(1, 1, 2, 2, "Английский язык", "Смитсон", "201");
    c.Put(1, 1, 3, 3, "Немецкий язык", "Шульцман", "305");
    c.Put(1, 1, 4, 2, "Английский язык", "Смитсон", "-");
    c.Put(1, 1, 4, 3, "Язык", "Шульц", "3050");
    c.Put(1, 1, 5, 3, "Хор", "Ли", "7");

    struct Case {
        int day, lesson, column;
        std::string text;
    } cases[] = {
        {1, 1, 0, " 1"},
        {1, 14, 0, "14"},
        {1, 1, 1, "Сольфеджио"},
        {1, 1, 2, "12"},
        {1, 1, 3, "Иванова"},
        {1, 2, 1, "Англий /"},
        {1, 2, 2, "201 /"},
        {1, 2, 3, "Смитс /"},
        {1, 3, 1, "            / Немецк"},
        {1, 3, 2, " / 305"},
        {1, 3, 3, "         / Шульц"},
        {1, 4, 1, "Англий / Язык"},
        {1, 4, 2, " / 3050"},  // rooms decided on their own: only subgroup 2 has one
        {1, 4, 3, "Смитс/Шульц"},
        {1, 5, 1, "            / Хор"},  // shorter than six characters: whole
        {1, 6, 1, ""},
        {2, 6, 1, " Педпрактика"},
        {3, 6, 1, " Специализация"},
        {3, 6, 2, ""},
    };
    for (const Case& k : cases)
        EXPECT_EQ(Text(GroupWeekCell(m, 1, k.day, k.lesson, k.column)), k.text)
            << k.day << " " << k.lesson << " " << k.column;
    m.groups[1].practiceDay = 3;
    EXPECT_EQ(Text(GroupWeekCell(m, 1, 3, 6, 1)), " Специализация");  // the specialisation wins
    EXPECT_EQ(Text(GroupWeekCell(m, 1, 1, 0, 1)), "Дисциплина");
}

struct TeacherWeek : SmallCollege {
    TeacherWeek() {
        AddGroups({"101", "102"});
        AddTeachers({"Иванова", "Петров"});
        Teacher& t = m().departments[1].teachers[1];
        t.occupancy[1] = "12340500000000";
        Put(1, 1, 3, 1, "Хор", "Иванова", "7");
        Put(1, 2, 1, 2, "Сольфеджио", "Иванова", "12");
        Put(1, 2, 1, 3, "Ритмика", "Иванова", "13");
        Put(2, 2, 1, 1, "Оркестр", "Иванова", "Зал");
        Specialisation a, b;
        a.division = "Ф";
        a.course = 1;
        a.day = 1;
        a.cell(1, 1) = {"Иванова", "21", 6};
        b.division = "С";
        b.course = 3;
        b.day = 1;
        b.variants = 2;
        b.cell(2, 1) = {"Иванова", "22", 6};
        m().specialisations.push_back(a);
        m().specialisations.push_back(b);
        m().specialisations.push_back(a);
        m().specialisations[3].day = 2;
    }
    std::string Cell(int day, int lesson, int column) {
        return TeacherWeekCell(m(), 1, 1, day, lesson, column).text;
    }
};

TEST(TeacherWeekCells, OccupancyCodesLessonsAndSpecialisation) {
    TeacherWeek c;
    EXPECT_EQ(c.Cell(1, 1, 2), " Педпрактика");
    EXPECT_EQ(c.Cell(1, 2, 2), " Методический день");
    EXPECT_EQ(c.Cell(1, 3, 1), "101");
    EXPECT_EQ(c.Cell(1, 3, 2), "Хор");
    EXPECT_EQ(c.Cell(1, 3, 3), "7");
    EXPECT_EQ(c.Cell(1, 4, 2), " -------");
    EXPECT_EQ(c.Cell(1, 5, 2), "");
    // Two lessons at once: the later group wins, and within a group sub2 over sub1 over group.
    EXPECT_EQ(c.Cell(2, 1, 1), "102");
    EXPECT_EQ(c.Cell(2, 1, 2), "Оркестр");
    c.Put(2, 2, 1, 1, "-", "-", "-");
    EXPECT_EQ(c.Cell(2, 1, 2), "Ритмика");
    EXPECT_EQ(c.Cell(2, 1, 3), "13");
    // Code 5: the last specialisation of that day with the lesson, made current.
    c.m().currentSpecialisation = 1;
    EXPECT_EQ(c.Cell(1, 6, 2), "Специализация - 3 к. С");
    EXPECT_EQ(c.Cell(1, 6, 3), "22");
    EXPECT_EQ(c.m().currentSpecialisation, 2);
    // Code 5 without such a lesson names no particular block.
    c.m().departments[1].teachers[1].occupancy[1][6] = '5';
    EXPECT_EQ(c.Cell(1, 7, 2), "Специализация");
}

TEST(TeacherWeekCells, OccupancyColoursOnlyWhenTheCheckIsOn) {
    TeacherWeek c;
    EXPECT_FALSE(TeacherWeekCell(c.m(), 1, 1, 1, 1, 0).background.has_value());
    c.m().options.teacherOccupancyCheck = 1;
    c.m().config.colourD = 0x123456;
    EXPECT_EQ(TeacherWeekCell(c.m(), 1, 1, 1, 1, 0).background, Colour(0xFF0000));
    EXPECT_EQ(TeacherWeekCell(c.m(), 1, 1, 1, 3, 0).background, Colour(0x123456));
    EXPECT_EQ(TeacherWeekCell(c.m(), 1, 1, 1, 6, 0).background, Colour(0x808080));
    EXPECT_EQ(TeacherWeekCell(c.m(), 1, 1, 1, 7, 0).background, Colour(0x00FF00));
}

TEST(RoomWeekCells, SpecialisationOverridesLessonAndNotesFillEmptyColumns) {
    SmallCollege c;
    c.AddGroups({"101"});
    c.AddRooms({"7"});
    Model& m = c.m();
    m.config.colourA = 0xAAAAAA;
    m.config.colourD = 0xDDDDDD;
    c.Put(1, 1, 1, 1, "Хор", "Иванова", "7");
    c.Put(1, 1, 2, 2, "Хор", "Иванова", "7");
    Specialisation s;
    s.division = "Ф";
    s.course = 2;
    s.day = 1;
    s.cell(1, 1) = {"Сидоров", "7", 2};
    m.specialisations.push_back(s);
    m.rooms[1].notes.note2[1][3] = "ремонт";
    m.rooms[1].notes.note1[1][1] = "занято";

    EXPECT_EQ(RoomWeekCell(m, 1, 1, 1, 1).text, "101");
    EXPECT_EQ(RoomWeekCell(m, 1, 1, 1, 2).text, "Хор");  // column filled: the note is not shown
    EXPECT_EQ(RoomWeekCell(m, 1, 1, 1, 2).background, Colour(0xAAAAAA));
    EXPECT_EQ(RoomWeekCell(m, 1, 1, 2, 1).text, "2-Ф");
    EXPECT_EQ(RoomWeekCell(m, 1, 1, 2, 2).text, " Специализация");
    EXPECT_EQ(RoomWeekCell(m, 1, 1, 2, 3).text, "Сидоров");
    // Only a second note: the whole row coloured, the note in column 3.
    for (int col = 0; col <= 3; ++col) EXPECT_EQ(RoomWeekCell(m, 1, 1, 3, col).background, Colour(0xAAAAAA));
    EXPECT_EQ(RoomWeekCell(m, 1, 1, 3, 2).text, "");
    EXPECT_EQ(RoomWeekCell(m, 1, 1, 3, 3).text, "ремонт");
    EXPECT_EQ(RoomWeekCell(m, 1, 1, 3, 3).textColour, Colour(0xDDDDDD));
    EXPECT_FALSE(RoomWeekCell(m, 1, 1, 4, 3).background.has_value());
}

}  // namespace
