#include "composition/auto_composition.h"

#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "shell/navigation.h"
#include "base/textfile.h"
#include "teacher/teacher_fixture.h"

namespace {

using Lessons = std::vector<std::string>;

// Group "101" with one teacher; the group composition screen is shown.
struct AutoCollege : TeacherWeekCollege {
    AutoCollege() {
        AddGroups({"101", "102"});
        Teachers({"Иванова", "Петров"});
        m().sel.group = 1;
        m().sel.screen = ScreenId::kGroupComposition;
    }
    std::vector<PlacedLesson> Compose(std::vector<std::string>* captions = nullptr) {
        return ComposeWholeGroupLines(m(), [captions](const std::string& c) {
            if (captions) captions->push_back(c);
        });
    }
};

TEST(AutoComposition, FiveHoursOnAnEmptyWeekComeInPairsOnAlternateDays) {
    AutoCollege c;
    c.Line(1, "Сольфеджио", 5, "Иванова");
    std::vector<std::string> captions;
    std::vector<PlacedLesson> placed = c.Compose(&captions);

    EXPECT_EQ(c.RasLessons("101", "Сольфеджио"), (Lessons{"1.1", "1.2", "3.1", "3.2", "5.1"}));
    EXPECT_EQ(c.RasEntry("101", 1, 1, 1), "Сольфеджио|Иванова|-");
    EXPECT_EQ(c.Zan("Иванова", 1), "33000000000000");
    EXPECT_EQ(c.Zan("Иванова", 2), "00000000000000");
    EXPECT_EQ(c.Zan("Иванова", 3), "33000000000000");
    EXPECT_EQ(c.Zan("Иванова", 5), "30000000000000");
    ASSERT_EQ(placed.size(), 5u);
    EXPECT_EQ(placed[4].day, 5);
    EXPECT_EQ(placed[4].lesson, 1);
    EXPECT_EQ(captions, (std::vector<std::string>{kAutoCompositionCaption, "Сольфеджио"}));
    EXPECT_FALSE(c.m().automat.running);
    EXPECT_EQ(c.m().extracts[1].lines[1].placed[1], 5);
}

TEST(AutoComposition, LessonsOfEarlierLinesAndTheTeachersWeekAreRespected) {
    AutoCollege c;
    c.Line(1, "Сольфеджио", 2, "Иванова");
    c.Line(1, "Гармония", 3, "Петров");
    // Petrov cannot teach at Monday 3 ("better not") nor on Tuesday 1 (methodical day mark).
    c.T("Петров").occupancy[1] = "00400000000000";
    c.T("Петров").occupancy[2] = "20000000000000";
    // A subgroup lesson of the group blocks the whole group.
    c.Put(1, 1, 5, 3, "Английский язык", "Смит");
    c.Compose();

    EXPECT_EQ(c.RasLessons("101", "Сольфеджио"), (Lessons{"1.1", "1.2"}));
    EXPECT_EQ(c.RasLessons("101", "Гармония"), (Lessons{"1.4", "1.6", "3.1"}));
    EXPECT_EQ(c.Zan("Петров", 1), "00430300000000");
    EXPECT_EQ(c.RasEntry("101", 1, 5, 3), "Английский язык|Смит|-");
}

TEST(AutoComposition, LinesAlreadyPlacedAreCompletedNotRepeated) {
    AutoCollege c;
    c.Line(1, "Сольфеджио", 3, "Иванова");
    c.Put(1, 2, 4, 1, "Сольфеджио", "Иванова");
    c.T("Иванова").occupancy[2] = "00030000000000";
    std::vector<PlacedLesson> placed = c.Compose();
    // The lesson already standing on Tuesday counts: two more are placed, on Monday.
    EXPECT_EQ(c.RasLessons("101", "Сольфеджио"), (Lessons{"1.1", "1.2", "2.4"}));
    EXPECT_EQ(placed.size(), 2u);
    EXPECT_TRUE(c.Compose().empty());
}

TEST(AutoComposition, PracticeSpecialisationAndEmptyLimitDaysGetNoLessons) {
    enum Blocked { PracticeDay, SpecialisationDay, LastBeforeFirst };
    for (Blocked blocked : {PracticeDay, SpecialisationDay, LastBeforeFirst}) {
        SCOPED_TRACE(blocked);
        AutoCollege c;
        c.Line(1, "Сольфеджио", 5, "Иванова");
        if (blocked == PracticeDay) c.m().groups[1].practiceDay = 1;
        if (blocked == SpecialisationDay) {
            Specialisation s;
            s.key = "ФО-1";
            s.day = 1;
            s.groups.push_back("101");
            c.m().specialisations.push_back(s);
            ComputeSpecialisationDays(c.m());
        }
        if (blocked == LastBeforeFirst) {
            c.m().lessonLimits[1].first[1] = 5;
            c.m().lessonLimits[1].last[1] = 4;
        }
        c.Compose();
        EXPECT_EQ(c.RasLessons("101", "Сольфеджио"), (Lessons{"2.1", "2.2", "4.1", "4.2", "6.1"}));
    }
}

TEST(AutoComposition, LessonsStayWithinTheDayLimits) {
    AutoCollege c;
    c.Line(1, "Сольфеджио", 6, "Иванова");
    for (int d = 1; d <= 6; ++d) c.m().lessonLimits[1].first[d] = 3, c.m().lessonLimits[1].last[d] = 3;
    c.Compose();
    // One lesson a day fits; days after a day holding it are skipped, and the line stays short.
    EXPECT_EQ(c.RasLessons("101", "Сольфеджио"), (Lessons{"1.3", "3.3", "5.3"}));
}

TEST(AutoComposition, KeeperRoomRules) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> rooms;  // number, keeper
        bool takeRoom14;  // another group sits in room "14" at Monday 1
        const char* room;
    } cases[] = {
        {"keeper with initials", {{"12", "Иванова А.А."}}, false, "12"},
        {"exact keeper", {{"12", "Иванова"}}, false, "12"},
        {"shorter keeper never matches", {{"12", "Иван"}}, false, "-"},
        {"other keeper", {{"12", "Петров П.П."}}, false, "-"},
        {"no keeper", {{"12", ""}}, false, "-"},
        {"last free match wins", {{"12", "Иванова"}, {"13", "Петров"}, {"14", "Иванова А."}}, false, "14"},
        {"occupied match is passed over", {{"12", "Иванова"}, {"14", "Иванова А."}}, true, "12"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        AutoCollege c;
        for (auto& [number, keeper] : k.rooms) c.RoomKeptBy(number, keeper);
        if (k.takeRoom14) c.Put(2, 1, 1, 1, "Хор", "Петров", "14");
        c.Line(1, "Сольфеджио", 1, "Иванова");
        c.Compose();
        EXPECT_EQ(c.RasEntry("101", 1, 1, 1), std::string("Сольфеджио|Иванова|") + k.room);
    }
}

TEST(AutoComposition, LinesWithoutAKnownTeacherOrWholeGroupHoursAreSkipped) {
    AutoCollege c;
    c.Line(1, "Сольфеджио", 2, kUnknownTeacher);
    c.Line(1, "Гармония", 2, "-");
    c.Line(1, "Фортепиано", 0, "Иванова", 1, "Иванова", 1, "Петров");
    c.Line(1, "Хор", 2, "Сидоров");  // in no department list
    c.Line(1, "Литература", 1, "Петров");
    std::vector<std::string> captions;
    std::vector<PlacedLesson> placed = c.Compose(&captions);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].discipline, "Литература");
    EXPECT_EQ(c.RasEntry("101", 1, 1, 1), "Литература|Петров|-");
    EXPECT_EQ(captions, (std::vector<std::string>{kAutoCompositionCaption, "Хор", "Литература"}));
    EXPECT_FALSE(c.ZanExists("Иванова")) << "no file is written for a skipped line";
}

TEST(AutoComposition, OnlyTheComposedGroupsFileChanges) {
    AutoCollege c;
    LoadAllTimetables(c.m());
    const std::string before = ReadFileBytes(c.m().config.timetableFolder + "102.ras");
    c.Line(1, "Сольфеджио", 2, "Иванова");
    c.Compose();
    EXPECT_EQ(ReadFileBytes(c.m().config.timetableFolder + "102.ras"), before);
    EXPECT_FALSE(c.ZanExists("Петров"));
}

// ---------------------------------------------------------------- the other menu items

TEST(AutomatMenu, FirstAndLastLessonForAllDays) {
    struct Case {
        bool first;
        std::optional<std::string> answer;
        bool changes;
        int value;
    } cases[] = {
        {true, "3", true, 3},   {true, "14", true, 14}, {true, "1", false, 1},  // "1" is the default
        {true, "", false, 1},   {true, "0", false, 1},  {true, "15", false, 1}, {true, std::nullopt, false, 1},
        {false, "10", true, 10}, {false, "-2", false, 8},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.answer.value_or("<cancel>"));
        AutoCollege c;
        c.m().lessonLimits[1].first[4] = 2;  // a day that differs from Monday
        ScriptedDialogs dialogs;
        dialogs.Answer(k.answer);
        bool changed = k.first ? FirstLessonAllDays(c.m(), dialogs) : LastLessonAllDays(c.m(), dialogs);
        EXPECT_EQ(changed, k.changes);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption,
                  k.first ? "Начало уроков на все дни недели" : "Конец уроков на все дни недели");
        EXPECT_EQ(dialogs.shown[0].text, k.first ? "1-й урок?" : "Последний урок?");
        EXPECT_EQ(dialogs.shown[0].def, k.first ? "1" : "8");
        const std::string ogr = c.m().config.autoFolder + "101.ogr";
        if (k.changes) {
            std::string line = LimitsDayLine(k.first ? k.value : 1, k.first ? 8 : k.value);
            if (!k.first) {
                EXPECT_EQ(ReadLines(ogr)[2 + 4 - 1], LimitsDayLine(2, k.value));
            }
            EXPECT_EQ(ReadLines(ogr)[2], line);
            EXPECT_EQ(ReadLines(ogr)[7], line);
        } else {
            EXPECT_FALSE(FileExists(ogr));
            EXPECT_EQ(c.m().lessonLimits[1].first[4], 2);
        }
    }
}

TEST(AutomatMenu, NonNumericLimitIsReportedAndChangesNothing) {
    AutoCollege c;
    ScriptedDialogs dialogs;
    dialogs.Answer("три");
    try {
        FirstLessonAllDays(c.m(), dialogs);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "'три' is not a valid integer value");
    }
    EXPECT_EQ(c.m().lessonLimits[1].first[1], 1);
    EXPECT_FALSE(FileExists(c.m().config.autoFolder + "101.ogr"));
}

TEST(AutomatMenu, LimitsItemsNeedTheGroupCompositionScreen) {
    AutoCollege c;
    c.m().sel.screen = ScreenId::kMainMenu;
    ScriptedDialogs dialogs;
    EXPECT_FALSE(FirstLessonAllDays(c.m(), dialogs));
    EXPECT_FALSE(LastLessonAllDays(c.m(), dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(AutomatMenu, ClearingByKindFreesTheTeachersAndKeepsTheOtherKind) {
    for (bool whole : {true, false}) {
        for (bool ok : {true, false}) {
            SCOPED_TRACE(std::string(whole ? "whole group" : "subgroups") + (ok ? " OK" : " Cancel"));
            AutoCollege c;
            c.Put(1, 1, 1, 1, "Сольфеджио", "Иванова", "12");
            c.Put(1, 2, 3, 2, "Фортепиано", "Петров");
            c.Put(1, 2, 3, 3, "Фортепиано", "Иванова");
            c.Put(1, 4, 1, 1, "Хор", "Сидоров");  // in no list: cleared, no file
            c.T("Иванова").occupancy[1] = "30000000000000";
            c.T("Иванова").occupancy[2] = "00300000000000";
            c.T("Петров").occupancy[2] = "00300000000000";
            ScriptedDialogs dialogs;
            dialogs.ConfirmWith(ok);
            bool changed = whole ? ClearWholeGroupLessons(c.m(), dialogs) : ClearSubgroupLessons(c.m(), dialogs);
            EXPECT_EQ(changed, ok);
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].kind, "confirm");
            EXPECT_EQ(dialogs.shown[0].caption, whole ? "Очистка расписания от дисциплин \"по групе\""
                                                      : "Очистка расписания от дисциплин \"по подгруппам\"");
            EXPECT_EQ(dialogs.shown[0].text, "Уверены, что хотите очистить расписание?");
            if (!ok) {
                EXPECT_FALSE(FileExists(c.m().config.timetableFolder + "101.ras"));
                continue;
            }
            if (whole) {
                EXPECT_EQ(c.RasEntry("101", 1, 1, 1), "-|-|-");
                EXPECT_EQ(c.RasEntry("101", 4, 1, 1), "-|-|-");
                EXPECT_EQ(c.RasEntry("101", 2, 3, 2), "Фортепиано|Петров|-");
                EXPECT_EQ(c.Zan("Иванова", 1), "00000000000000");
                EXPECT_FALSE(c.ZanExists("Петров"));
            } else {
                EXPECT_EQ(c.RasEntry("101", 1, 1, 1), "Сольфеджио|Иванова|12");
                EXPECT_EQ(c.RasEntry("101", 2, 3, 2), "-|-|-");
                EXPECT_EQ(c.RasEntry("101", 2, 3, 3), "-|-|-");
                EXPECT_EQ(c.Zan("Иванова", 2), "00000000000000");
                EXPECT_EQ(c.Zan("Иванова", 1), "30000000000000");
                EXPECT_EQ(c.Zan("Петров", 2), "00000000000000");
            }
        }
    }
}

}  // namespace
