#include <gtest/gtest.h>

#include "composition/composition_fixture.h"
#include "base/textfile.h"

namespace {

using C = CompositionCollege;
constexpr Colour kFree = 0x00FF00, kCream = 0xFFFBF0, kAqua = 0x00FFFF, kSilver = 0xC0C0C0;

TEST(ExtractGrid, TextsOfEachShapeOfLine) {
    C c;
    c.m().options.showUnknownTeacher = 1;
    EXPECT_EQ(ExtractGridRows(c.m()), 7);
    struct Case {
        int row;
        std::vector<std::string> texts;
    } cases[] = {
        {0, {"101 гр.", "Час", "Препод.", "Ост."}},
        {C::kWhole, {"Сольфеджио", "2", "Иванова", "2"}},
        {C::kSplit, {"Фортепиано", "1/1", "Пет/Сид", "1/1"}},
        {C::kUnknownLine, {"История", "1", "Неизвестный", "1"}},
        {C::kPractice, {"Педпрактика", "6", "", ""}},
        {C::kDone, {"Хор", "1", "Иванова", ""}},
        {C::kSubOnly, {"Ансамбль", "", "", ""}},  // neither shape
    };
    for (const Case& k : cases)
        for (int col = 0; col < 4; ++col) EXPECT_EQ(ExtractGridCell(c.m(), k.row, col).text, k.texts[col]) << k.row;
    EXPECT_EQ(ExtractGridCell(c.m(), 0, 0).colour, 0x0000FFu);
}

TEST(ExtractGrid, HiddenUnknownTeachers) {
    C c;  // hide mode is the default
    auto& split = c.m().extracts[1].lines[C::kSplit];
    struct Case {
        const char *t1, *t2, *text;
    } cases[] = {{"Неизвестный", "Неизвестный", "/"},
                 {"Неизвестный", "Сидоров", "/Сид"},
                 {"Петров", "Неизвестный", "Пет/"}};
    for (const Case& k : cases) {
        split.teacherSub1 = k.t1;
        split.teacherSub2 = k.t2;
        EXPECT_EQ(ExtractGridCell(c.m(), C::kSplit, 2).text, k.text);
    }
    EXPECT_EQ(ExtractGridCell(c.m(), C::kUnknownLine, 2).text, "");
}

TEST(ExtractGrid, SplitLineCompleteOnOneSideOnly) {
    C c;
    c.Put(1, 1, 1, 2, "Фортепиано", "Петров");
    RedrawGroupComposition(c.m());
    EXPECT_EQ(ExtractGridCell(c.m(), C::kSplit, 3).text, "/1");
    for (int col = 0; col < 4; ++col)
        EXPECT_EQ(ExtractGridCell(c.m(), C::kSplit, col).background, col <= 1 ? kFree : kCream) << col;
    ToggleCompleteColour(c.m());
    EXPECT_EQ(ExtractGridCell(c.m(), C::kSplit, 0).background, kSilver);
    EXPECT_EQ(ExtractGridCell(c.m(), C::kDone, 3).background, kSilver) << "a complete whole-group line";
}

TEST(ExtractGrid, SelectedRowColours) {
    C c;
    c.Select(C::kSplit, 3);
    EXPECT_EQ(ExtractGridCell(c.m(), C::kSplit, 1).background, kCream);
    EXPECT_EQ(ExtractGridCell(c.m(), C::kSplit, 2).background, kAqua);
    c.Select(C::kWhole, 0);
    EXPECT_EQ(ExtractGridCell(c.m(), C::kWhole, 1).background, 0xFFFF00u);
    EXPECT_EQ(ExtractGridCell(c.m(), C::kPractice, 0).colour, 0xFF0000u);
    EXPECT_EQ(ExtractGridCell(c.m(), C::kPractice, 0).background, 0xA6CAF0u);
}

TEST(ExtractGrid, EmptyExtractShowsHeaderAndOneRow) {
    C c;
    c.m().sel.group = 2;
    EXPECT_EQ(ExtractGridRows(c.m()), 2);
    EXPECT_EQ(ExtractGridCell(c.m(), 1, 0).text, "");
}

TEST(DayTable, TextsOfWholeGroupAndSubgroups) {
    C c;
    c.Put(1, 1, 1, 1, "Сольфеджио", "Иванова", "10");
    c.Put(1, 1, 2, 2, "Фортепиано", "Петровская", "Класс12");
    c.Put(1, 1, 3, 3, "Фортепиано", "Сидоров", "11");
    c.Put(1, 1, 4, 2, "Ансамбль", "Петров", "10");
    c.Put(1, 1, 4, 3, "Хор", "Сидоров", "11");
    struct Case {
        int lesson;
        const char *discipline, *room, *teacher;
    } cases[] = {
        {1, "Сольфеджио", "10", "Иванова"},
        {2, "Фортеп /", "Класс /", "Петро /"},
        {3, "            / Фортеп", " / 11", "         / Сидор"},
        {4, "Ансамб / Хор", "10/11", "Петро/Сидор"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(DayTableCell(c.m(), 1, k.lesson, 1).text, k.discipline);
        EXPECT_EQ(DayTableCell(c.m(), 1, k.lesson, 2).text, k.room);
        EXPECT_EQ(DayTableCell(c.m(), 1, k.lesson, 3).text, k.teacher);
    }
    EXPECT_EQ(DayTableCell(c.m(), 1, 0, 1).text, "Понедельник");
    EXPECT_EQ(DayTableCell(c.m(), 6, 0, 1).text, "Суббота");
    EXPECT_EQ(DayTableCell(c.m(), 1, 0, 3).text, "Преподаватель");
}

TEST(DayTable, MissingRoomMarkOnlyWhileIdle) {
    C c;
    c.Put(1, 2, 3, 3, "Фортепиано", "Сидоров");
    RedrawGroupComposition(c.m());
    Cell idle = DayTableCell(c.m(), 2, 3, 4);
    EXPECT_EQ(idle.text, "?");
    EXPECT_EQ(idle.background, 0x808000u);
    EXPECT_EQ(DayTableCell(c.m(), 2, 4, 4).text, "");
    c.Place(2, 3, 1);  // a lesson is chosen
    EXPECT_EQ(DayTableCell(c.m(), 2, 3, 4).text, "");
    EXPECT_EQ(DayTableCell(c.m(), 2, 3, 1).background, kAqua);
    EXPECT_EQ(DayTableCell(c.m(), 2, 3, 4).background, 0xFFFFFFu);
    EXPECT_EQ(c.state().lines[0], "Вторник - 3 урок");
    EXPECT_EQ(c.state().lines[2], "2 : Фортепиано - Сидоров - ауд. -");
    EXPECT_EQ(StatusLineColour(c.shown(), 1), 0xFF00FFu);
}

TEST(DayTable, TeacherOccupancyWhilePlacing) {
    C c;
    c.teacher(1).occupancy[1] = "01245000000000";
    c.Select(C::kWhole, 2);
    const Colour expected[] = {0xFFFFFF, 0xFF0000, 0xFF0000, 0xFF00FF, 0x800080, 0xFFFFFF};
    for (int l = 1; l <= 6; ++l) EXPECT_EQ(DayTableCell(c.m(), 1, l, 4).background, expected[l - 1]) << l;
}

TEST(DayTable, LimitsMarksInBothForms) {
    C c;
    c.m().lessonLimits[1].first[1] = 2;
    c.m().lessonLimits[1].last[1] = 7;
    EXPECT_EQ(DayTableCell(c.m(), 1, 2, 0).background, 0xFFFFFFu) << "display off";
    ToggleLimitsDisplay(c.m());
    EXPECT_EQ(DayTableCell(c.m(), 1, 2, 0).background, 0x0000FFu);
    EXPECT_EQ(DayTableCell(c.m(), 1, 7, 0).background, 0x800000u);
    EXPECT_EQ(DayTableCell(c.m(), 1, 7, 0).colour, 0xFFFFFFu);
    Colour circle = 0;
    EXPECT_FALSE(LimitsCircle(c.m(), 1, 2, circle));
    ToggleLimitsForm(c.m());
    EXPECT_EQ(DayTableCell(c.m(), 1, 2, 0).background, 0xFFFFFFu);
    ASSERT_TRUE(LimitsCircle(c.m(), 1, 7, circle));
    EXPECT_EQ(circle, 0x800000u);
    EXPECT_FALSE(LimitsCircle(c.m(), 1, 3, circle));
}

TEST(RoomTable, ColoursAtTheChosenLesson) {
    C c;
    c.Put(2, 1, 5, 1, "Хор", "Иванова", "11");
    c.m().rooms[3].notes.note2[1][5] = "ремонт";
    RedrawGroupComposition(c.m());
    EXPECT_EQ(RoomTableCell(c.m(), 2).background, 0xFFFFFFu) << "idle";
    EXPECT_EQ(RoomTableCell(c.m(), 2).text, "11");
    c.Place(1, 5, 1);
    EXPECT_EQ(RoomTableCell(c.m(), 1).background, kFree);
    EXPECT_EQ(RoomTableCell(c.m(), 2).background, 0xFF0000u);
    EXPECT_EQ(RoomTableCell(c.m(), 2).colour, 0xFFFFFFu);
    EXPECT_EQ(RoomTableCell(c.m(), 3).background, kSilver) << "a note at that lesson";
    EXPECT_EQ(RoomTableCell(c.m(), 5).text, "") << "beyond the room list";
    EXPECT_EQ(OtherRoomColour(c.m()), kFree);
}

TEST(GroupChoosers, CompactChooserAndDivisionTables) {
    C c;
    c.AddGroups({"201", "301"});
    EXPECT_EQ(CompactChooserGroup(c.m(), 0, 3), 4);
    EXPECT_EQ(CompactChooserGroup(c.m(), 0, 4), 0);
    EXPECT_EQ(CompactChooserCell(c.m(), 0, 0).background, 0x0000FFu);
    EXPECT_EQ(CompactChooserCell(c.m(), 0, 0).colour, 0xFFFF00u);
    EXPECT_TRUE(CompactChooserCell(c.m(), 0, 0).bold);
    Division d;
    d.name = "Фортепиано";
    d.columns = 2;
    d.courses[4].push_back({"301", "", "", 0});
    d.courses[1].push_back({"101", "", "", 0});
    d.courses[1].push_back({"102", "", "", 0});
    c.m().divisions.push_back(d);
    EXPECT_EQ(DivisionTableGroup(c.m(), 1, 0, 0), 4) << "row 0 holds the 4th course";
    EXPECT_EQ(DivisionTableGroup(c.m(), 1, 3, 1), 2);
    EXPECT_EQ(DivisionTableGroup(c.m(), 1, 2, 0), 0);
    ChooseCompositionGroup(c.m(), DivisionTableGroup(c.m(), 1, 0, 0));
    EXPECT_EQ(c.m().sel.group, 4);
    EXPECT_EQ(DivisionTableCell(c.m(), 1, 0, 0).background, 0x0000FFu);
}

TEST(StatusTexts, LinesAndCaptionRepeats) {
    struct Case {
        int line, column;
        std::array<std::string, 3> lines;
        std::string caption;
    } cases[] = {
        {C::kWhole, 2,
         {"Сольфеджио - Иванова", "Постановка дисциплины в расписание",
          "Сейчас нужно щёлкнуть мышью в нужном месте в таблице расписания"},
         "Сольфеджио - Иванова"},
        {C::kSplit, 2,
         {"Фортепиано - Петров / Сидоров", "Попытка постановки дисциплины в расписание для группы",
          "Эта дисциплина ставится в расписание только по подгруппам!"},
         "Фортепиано - Петров / Сидоров"},
        {C::kSplit, 3,
         {"Фортепиано - Сидоров", "Постановка дисциплины в расписание (2-я подгруппа)",
          "Сейчас нужно щёлкнуть мышью в нужном месте в таблице расписания"},
         "Фортепиано - Петров / Сидоров"},
        {C::kDone, 2,
         {"Хор - Иванова", "Попытка постановки дисциплины в расписание",
          "Все часы этой дисциплины уже поставлены в расписание!"},
         "Хор - Иванова"},
        {C::kSplit, 0, {"Фортепиано - Петров / Сидоров", "", "В расписание ставить по ПОДгруппам."},
         "Фортепиано - Петров / Сидоров"},
        {C::kWhole, 0, {"Сольфеджио - Иванова", "", "В расписание ставить по группам."}, "Сольфеджио - Иванова"},
    };
    for (const Case& k : cases) {
        C c;
        c.Select(k.line, k.column);
        EXPECT_EQ(c.state().lines, k.lines) << k.line << "/" << k.column;
        EXPECT_EQ(CompositionWindowCaption(c.m()), k.caption);
    }
    C c;
    c.m().groups[1].division = "Фортепиано";
    c.m().groups[1].course = 2;
    c.m().groups[1].specialty = "Инструментальное исполнительство";
    c.Select(C::kWhole, 2);
    c.Place(1, 1, 1);
    EXPECT_EQ(c.state().lines, (std::array<std::string, 3>{})) << "a placed lesson shows nothing";
    EXPECT_EQ(CompositionWindowCaption(c.m()),
              "Составление расписания - Группа 101 - Фортепиано - 2 курс : Инструментальное исполнительство");
}

TEST(StatusLines, Colours) {
    EXPECT_EQ(StatusLineColour(kStatusPlaceSub1, 2), 0x0000FFu);
    EXPECT_EQ(StatusLineColour(kStatusRoomForSub2, 2), 0x0000FFu);
    EXPECT_EQ(StatusLineColour(kStatusPlaceSub1, 3), 0x000000u);
    EXPECT_EQ(StatusLineColour(kStatusLessonTaken, 2), 0xFF0000u);
    EXPECT_EQ(StatusLineColour(kStatusOnlySubgroups, 3), 0xFF0000u);
    EXPECT_EQ(StatusLineColour(kStatusLineInfo, 2), 0x000000u);
    EXPECT_EQ(StatusLineColour(kStatusRoomTooSmall, 1), 0x000000u);
}

TEST(DivisionPlan, ReadsAtMostSixEntries) {
    C c;
    c.m().config.groupsFolder = c.dir.path() + "/";
    const std::string path = c.m().config.groupsFolder + "otdelplan.ini";
    WriteLines(path, {"8", "-------", "10", "1", "200", "2", "300", "1", "400", "1", "500", "1", "600", "1", "700",
                      "1", "800", "1", "-------"});
    LoadDivisionPlan(c.m());
    EXPECT_EQ(c.m().divisionPlan.count, 6);
    EXPECT_EQ(c.m().divisionPlan.entries[2].labelLeft, 200);
    EXPECT_EQ(c.m().divisionPlan.entries[2].shown, 2);
    EXPECT_EQ(c.m().divisionPlan.entries[6].labelLeft, 600);

    WriteLines(path, {"2", "-------", "10", "1", "200", "1", "-------"});
    LoadDivisionPlan(c.m());
    EXPECT_EQ(c.m().divisionPlan.entries[3].shown, 0) << "unlisted divisions are hidden";

    struct Bad {
        std::vector<std::string> lines;
        const char* message;
    } bad[] = {{{"2", "-------", "10", "да", "-------"}, "Invalid numeric input"},
               {{"x", "-------"}, "Invalid numeric input"},
               {{"-1", "-------"}, "Invalid numeric input"}};
    for (const Bad& b : bad) {
        WriteLines(path, b.lines);
        try {
            LoadDivisionPlan(c.m());
            ADD_FAILURE() << b.lines[0];
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), b.message);
            EXPECT_EQ(e.path(), path);
        }
    }
    RemoveFile(path);
    try {
        LoadDivisionPlan(c.m());
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
}

}  // namespace
