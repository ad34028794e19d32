#include "composition/teacher_composition.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/dialogs.h"
#include "base/textfile.h"
#include "teacher/teacher_fixture.h"

namespace {

constexpr Colour kYellow = 0xFFFF00, kAqua = 0x00FFFF, kCream = 0xFFFBF0, kLime = 0x00FF00, kRed = 0xFF0000;

// Иванова teaches both subgroups of "Фортепиано" and the whole group "Сольфеджио" in 101,
// and subgroup 1 of "Хор" in 102; Петров has no lines.
struct TeacherCollege : TeacherWeekCollege {
    TeacherCollege() {
        AddGroups({"101", "102"});
        Teachers({"Иванова", "Петров"});
        AddRooms({"12"});
        Line(1, "Фортепиано", 0, "-", 1, "Иванова", 1, "Иванова");
        Line(1, "Сольфеджио", 2, "Иванова");
        Line(2, "Хор", 0, "-", 2, "Иванова", 2, "Петров");
        Select("Иванова");
    }
    bool Open() {
        ScriptedDialogs dialogs;
        return OpenTeacherComposition(m(), dialogs);
    }
    std::string ListRow(int row) {
        std::string text;
        for (int col = 0; col < 4; ++col) text += (col ? "|" : "") + TeacherLineCell(m(), row, col).text;
        return text;
    }
    std::string Day(int day, int row, int col) { return TeacherDayCell(m(), day, row, col).text; }
};

TEST(TeacherLineList, EntriesPerPartOverAllGroups) {
    TeacherCollege c;
    ASSERT_TRUE(c.Open());
    EXPECT_EQ(c.ListRow(0), "Группа|Часы|Дисциплина|Ост.");
    EXPECT_EQ(c.ListRow(1), "101|1 /|Фортепиано|1");
    EXPECT_EQ(c.ListRow(2), "101|/ 1|Фортепиано|1");
    EXPECT_EQ(c.ListRow(3), "101|2|Сольфеджио|2");
    EXPECT_EQ(c.ListRow(4), "102|2 /|Хор|2");
    EXPECT_EQ(TeacherLineRows(c.m()), 5);

    c.Select("Петров");
    ASSERT_TRUE(c.Open());
    EXPECT_EQ(c.ListRow(1), "102|/ 2|Хор|2");
    EXPECT_EQ(TeacherLineRows(c.m()), 2);
}

TEST(TeacherLineList, PlacedLessonsOfThePartAndTeacherCount) {
    TeacherCollege c;
    c.Put(1, 1, 1, 2, "Фортепиано", "Иванова");
    c.Put(1, 1, 2, 3, "Фортепиано", "Иванова");
    c.Put(1, 2, 1, 1, "Сольфеджио", "Иванова");
    c.Put(1, 2, 2, 1, "Сольфеджио", "Петров");  // another teacher's lesson does not count
    ASSERT_TRUE(c.Open());
    EXPECT_EQ(c.ListRow(1), "101|1 /|Фортепиано|");
    EXPECT_EQ(c.ListRow(2), "101|/ 1|Фортепиано|");
    EXPECT_EQ(c.ListRow(3), "101|2|Сольфеджио|1");
    EXPECT_EQ(TeacherLineCell(c.m(), 1, 0).background, c.m().config.colourC);
    EXPECT_EQ(TeacherLineCell(c.m(), 3, 0).background, kCream);
    c.m().composition.completeColour = 2;
    EXPECT_EQ(TeacherLineCell(c.m(), 1, 2).background, 0xC0C0C0u);
}

TEST(TeacherLineList, AtMostFiftyEntries) {
    TeacherCollege c;
    for (int g = 1; g <= 2; ++g)
        for (int i = c.m().extracts[g].lines.size(); i < 30; ++i)
            c.Line(g, "Ансамбль " + std::to_string(i), 0, "-", 1, "Иванова", 1, "Иванова");
    ASSERT_TRUE(c.Open());
    EXPECT_EQ(c.m().teacherComposition.lines.size(), 50);
    EXPECT_EQ(TeacherLineRows(c.m()), 51);
}

TEST(TeacherLineList, TeacherWithoutLinesGetsTheMessage) {
    TeacherCollege c;
    c.m().extracts[2].lines.clear();
    c.Select("Петров");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(OpenTeacherComposition(c.m(), dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "message");
    EXPECT_EQ(dialogs.shown[0].text, "Петров А.А. - нет уроков по выпискам!");
}

TEST(TeacherLineList, ClicksChooseModes) {
    TeacherCollege c;
    c.Put(1, 1, 1, 2, "Фортепиано", "Иванова");  // entry 1 complete
    ASSERT_TRUE(c.Open());
    TeacherComposition& tc = c.m().teacherComposition;
    struct Case {
        int row, column, mode;
    } cases[] = {
        {3, 2, 2}, {2, 2, 4}, {4, 2, 3}, {3, 0, 1}, {1, 0, 1},  // column 0 of a complete entry: information
        {1, 2, 0},                                             // a complete entry cannot be placed
        {3, 1, 0}, {3, 3, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.row) + ":" + std::to_string(k.column));
        tc.mode = 2;
        std::string caption = ClickTeacherLine(c.m(), k.row, k.column);
        EXPECT_EQ(caption, k.row == 4 ? "102 - Хор" : k.row == 3 ? "101 - Сольфеджио" : "101 - Фортепиано");
        EXPECT_EQ(tc.mode, k.mode);
        if (k.mode != 0) {
            EXPECT_EQ(tc.selected, k.row);
            EXPECT_EQ(TeacherLineCell(c.m(), k.row, 1).background, k.mode == 1 ? kYellow : kAqua);
        }
    }
    tc.mode = 2;
    EXPECT_EQ(ClickTeacherLine(c.m(), 0, 2), "");
    EXPECT_EQ(ClickTeacherLine(c.m(), 9, 2), "");
    EXPECT_EQ(tc.mode, 2);
}

// ---------------------------------------------------------------- placement and removal

TEST(TeacherPlacement, LastHourMakesTheEntryComplete) {
    TeacherCollege c;
    ASSERT_TRUE(c.Open());
    ClickTeacherLine(c.m(), 3, 2);
    EXPECT_TRUE(PlaceTeacherLesson(c.m(), 1, 1));
    EXPECT_EQ(c.RasEntry("101", 1, 1, 1), "Сольфеджио|Иванова|-");
    EXPECT_EQ(c.Zan("Иванова", 1), "30000000000000");
    EXPECT_EQ(c.m().teacherComposition.mode, 0);
    EXPECT_EQ(c.ListRow(3), "101|2|Сольфеджио|1");
    EXPECT_FALSE(PlaceTeacherLesson(c.m(), 1, 2)) << "each lesson needs a new choice";

    ClickTeacherLine(c.m(), 3, 2);
    EXPECT_TRUE(PlaceTeacherLesson(c.m(), 4, 7));
    EXPECT_EQ(c.ListRow(3), "101|2|Сольфеджио|");
    EXPECT_TRUE(c.m().teacherComposition.lines[3].complete);
    EXPECT_EQ(c.Zan("Иванова", 4), "00000030000000");
    ClickTeacherLine(c.m(), 3, 2);
    EXPECT_EQ(c.m().teacherComposition.mode, 0);
    EXPECT_FALSE(PlaceTeacherLesson(c.m(), 1, 3));
    EXPECT_EQ(c.RasLessons("101", "Сольфеджио"), (std::vector<std::string>{"1.1", "4.7"}));
}

TEST(TeacherPlacement, RefusedClicksChangeNothing) {
    struct Case {
        const char* name;
        int row;  // 1 sub1 Фортепиано, 2 sub2 Фортепиано, 3 whole Сольфеджио
        std::function<void(TeacherCollege&)> setup;
        bool placed;
    } cases[] = {
        {"practice day", 3, [](TeacherCollege& c) { c.m().groups[1].practiceDay = 2; }, false},
        {"specialisation day", 3, [](TeacherCollege& c) { c.m().specialisationDay[1] = 2; }, false},
        {"other group's practice day", 3, [](TeacherCollege& c) { c.m().groups[2].practiceDay = 2; }, true},
        {"whole group over subgroup 2", 3, [](TeacherCollege& c) { c.Put(1, 2, 5, 3, "Хор", "Петров"); }, false},
        {"subgroup 1 beside subgroup 2", 1, [](TeacherCollege& c) { c.Put(1, 2, 5, 3, "Хор", "Петров"); }, true},
        {"subgroup 2 beside subgroup 2", 2, [](TeacherCollege& c) { c.Put(1, 2, 5, 3, "Хор", "Петров"); }, false},
        {"subgroup 1 under a whole group", 1, [](TeacherCollege& c) { c.Put(1, 2, 5, 1, "Хор", "Петров"); }, false},
        {"teacher better not", 3, [](TeacherCollege& c) { c.T("Иванова").occupancy[2] = "00004000000000"; }, false},
        {"teacher's specialisation", 3, [](TeacherCollege& c) { c.T("Иванова").occupancy[2] = "00005000000000"; },
         false},
        {"teacher's lesson elsewhere", 1, [](TeacherCollege& c) { c.T("Иванова").occupancy[2] = "00003000000000"; },
         false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeacherCollege c;
        k.setup(c);
        ASSERT_TRUE(c.Open());
        ClickTeacherLine(c.m(), k.row, 2);
        EXPECT_EQ(PlaceTeacherLesson(c.m(), 2, 5), k.placed);
        EXPECT_EQ(FileExists(c.m().config.timetableFolder + "101.ras"), k.placed);
        EXPECT_EQ(c.ZanExists("Иванова"), k.placed);
        if (k.placed) {
            EXPECT_EQ(c.Zan("Иванова", 2), "00003000000000");
        }
    }
}

TEST(TeacherPlacement, TeachersRoomOnlyWhenFreeAtThatMoment) {
    struct Case {
        const char* name;
        bool option;
        bool takenSinceLastRedraw;
        const char* room;
    } cases[] = {
        {"free room", true, false, "12"},
        {"room taken after the last recount", true, true, "-"},
        {"option off", false, false, "-"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeacherCollege c;
        c.T("Иванова").room = "12";
        c.m().composition.autoRoom = k.option ? 1 : 2;
        ComputeRoomOccupancy(c.m());
        if (k.takenSinceLastRedraw) c.Put(2, 3, 2, 1, "Хор", "Петров", "12");
        ASSERT_TRUE(c.Open());
        ClickTeacherLine(c.m(), 3, 2);
        ASSERT_TRUE(PlaceTeacherLesson(c.m(), 3, 2));
        EXPECT_EQ(c.RasEntry("101", 3, 2, 1), std::string("Сольфеджио|Иванова|") + k.room);
    }
}

TEST(TeacherRemoval, DoubleClickRemovesOneLessonOfTheTeacher) {
    TeacherCollege c;
    c.Put(1, 5, 3, 3, "Фортепиано", "Иванова", "12");
    c.Put(2, 5, 3, 1, "Хор", "Иванова");
    c.Put(1, 5, 4, 1, "Сольфеджио", "Петров");
    c.T("Иванова").occupancy[5] = "00300000000000";
    ASSERT_TRUE(c.Open());

    EXPECT_FALSE(RemoveTeacherLesson(c.m(), 5, 4)) << "another teacher's lesson stays";
    ClickTeacherLine(c.m(), 3, 2);
    EXPECT_FALSE(RemoveTeacherLesson(c.m(), 5, 3)) << "only in mode 0";
    CancelTeacherComposition(c.m());

    EXPECT_TRUE(RemoveTeacherLesson(c.m(), 5, 3));
    EXPECT_EQ(c.RasEntry("101", 5, 3, 3), "-|-|-");
    EXPECT_EQ(c.Zan("Иванова", 5), "00000000000000");
    EXPECT_FALSE(FileExists(c.m().config.timetableFolder + "102.ras"));
    EXPECT_EQ(c.ListRow(2), "101|/ 1|Фортепиано|1");

    EXPECT_TRUE(RemoveTeacherLesson(c.m(), 5, 3));
    EXPECT_EQ(c.RasEntry("102", 5, 3, 1), "-|-|-");
    EXPECT_FALSE(RemoveTeacherLesson(c.m(), 5, 3));
}

// ---------------------------------------------------------------- day marks

TEST(TeacherDayMarks, WholeDaysAndUnavailableLessons) {
    struct Case {
        const char* before;
        DayMark mark;
        int lesson;
        const char* after;  // nullptr: refused
    } cases[] = {
        {"00000000000000", DayMark::Methodical, 0, "22222222222222"},
        {"00000000000000", DayMark::Practice, 0, "11111111111111"},
        {"22222222222222", DayMark::Ordinary, 0, "00000000000000"},
        {"00005500000000", DayMark::Practice, 0, "11111111111111"},  // specialisation codes are overwritten
        {"00300000000000", DayMark::Methodical, 0, nullptr},         // a placed lesson blocks the day
        {"00300000000000", DayMark::Ordinary, 0, nullptr},
        {"22232222222222", DayMark::Practice, 0, nullptr},
        {"00300000000000", DayMark::Unavailable, 5, "00304000000000"},
        {"00000000000000", DayMark::Unavailable, 14, "00000000000004"},
        {"00040000000000", DayMark::Unavailable, 4, "00000000000000"},
        {"11111111111111", DayMark::Unavailable, 4, nullptr},
        {"00300000000000", DayMark::Unavailable, 3, nullptr},
        {"00000000000000", DayMark::Unavailable, 0, nullptr},  // the header row
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.before) + " mark " + std::to_string(static_cast<int>(k.mark)));
        TeacherCollege c;
        c.T("Иванова").occupancy[3] = k.before;
        bool changed = MarkTeacherDay(c.m(), 3, k.mark, k.lesson);
        EXPECT_EQ(changed, k.after != nullptr);
        if (k.after) {
            EXPECT_EQ(c.Zan("Иванова", 3), k.after);
            EXPECT_EQ(c.Zan("Иванова", 1), "00000000000000");
        } else {
            EXPECT_FALSE(c.ZanExists("Иванова"));
            EXPECT_EQ(c.T("Иванова").occupancy[3], k.before);
        }
    }
}

// ---------------------------------------------------------------- day table cells

TEST(TeacherDayTable, CellsShowTheTeachersWeek) {
    TeacherCollege c;
    c.Put(1, 1, 1, 2, "Фортепиано", "Иванова", "12");
    c.Put(1, 1, 2, 3, "Фортепиано", "Иванова");
    c.Put(2, 1, 3, 1, "Хор", "Иванова", "31");
    Teacher& t = c.T("Иванова");
    t.occupancy[1] = "33301245000000";
    Specialisation s;
    s.division = "ФО";
    s.course = 2;
    s.day = 1;
    s.cell(1, 1) = {"Иванова", "40", 8};
    c.m().specialisations.push_back(s);
    ASSERT_TRUE(c.Open());

    EXPECT_EQ(c.Day(1, 0, 2), "Понедельник");
    EXPECT_EQ(c.Day(6, 0, 2), "Суббота");
    EXPECT_EQ(c.Day(1, 0, 1), "Груп");
    struct Case {
        int lesson;
        const char* group;
        const char* discipline;
        const char* room;
    } cases[] = {
        {1, "101/", "Фортепиано", "12"},
        {2, "/101", "Фортепиано", "-"},
        {3, "102", "Хор", "31"},
        {4, "", "", ""},
        {5, "", " Педпрактика", ""},
        {6, "", " Методический день", ""},
        {7, "", " -------", ""},
        {8, "", "Специализация - 2 к. ФО", "40"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.lesson);
        EXPECT_EQ(c.Day(1, k.lesson, 0), std::to_string(k.lesson));
        EXPECT_EQ(c.Day(1, k.lesson, 1), k.group);
        EXPECT_EQ(c.Day(1, k.lesson, 2), k.discipline);
        EXPECT_EQ(c.Day(1, k.lesson, 3), k.room);
    }
}

TEST(TeacherDayTable, Colours) {
    TeacherCollege c;
    c.Put(1, 2, 1, 1, "Сольфеджио", "Иванова");
    c.Put(1, 2, 2, 3, "Хор", "Петров");
    c.Put(1, 2, 3, 2, "Хор", "Петров");
    c.T("Иванова").occupancy[2] = "30012500000000";
    c.m().groups[1].practiceDay = 4;
    c.m().specialisationDay[1] = 5;
    ASSERT_TRUE(c.Open());

    // Column 0 follows the teacher's codes only with the occupancy check on.
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 1, 0).background, 0xFFFFFFu);
    c.m().options.teacherOccupancyCheck = 1;
    const Colour codes[] = {c.m().config.colourD, kLime, kLime, kRed, kYellow, 0x808080};
    for (int l = 1; l <= 6; ++l) EXPECT_EQ(TeacherDayCell(c.m(), 2, l, 0).background, codes[l - 1]) << l;
    EXPECT_EQ(TeacherDayCell(c.m(), 3, 1, 0).background, kLime);

    // Information mode marks the selected line's lessons.
    ClickTeacherLine(c.m(), 3, 0);
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 1, 2).background, kYellow);
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 1, 4).background, 0xFFFFFFu);

    // Placing modes show the selected group's week in column 4.
    ClickTeacherLine(c.m(), 1, 2);  // subgroup 1
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 1, 2).background, 0xFFFFFFu);
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 1, 4).background, kRed);
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 2, 4).background, kLime) << "subgroup 2 only: free for subgroup 1";
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 3, 4).background, kRed);
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 4, 4).background, 0xFFFFFFu);
    EXPECT_EQ(TeacherDayCell(c.m(), 4, 1, 4).background, 0x800080u);
    EXPECT_EQ(TeacherDayCell(c.m(), 5, 9, 4).background, 0xFF00FFu);
    ClickTeacherLine(c.m(), 2, 2);  // subgroup 2
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 2, 4).background, kRed);
    EXPECT_EQ(TeacherDayCell(c.m(), 2, 3, 4).background, kLime);
}

}  // namespace
