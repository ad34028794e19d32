#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "composition/composition_fixture.h"
#include "base/textfile.h"

namespace {

using C = CompositionCollege;

TEST(SelectExtractLine, StatusByLineAndColumn) {
    struct Case {
        int line, column, status;
        const char* why;
    } cases[] = {
        {C::kWhole, 2, kStatusPlaceGroup, "hours left for the whole group"},
        {C::kWhole, 1, kStatusOnlyWholeGroup, "no subgroup hours"},
        {C::kWhole, 3, kStatusOnlyWholeGroup, "no subgroup hours"},
        {C::kWhole, 0, kStatusLineInfo, "name column"},
        {C::kSplit, 2, kStatusOnlySubgroups, "no whole-group hours, whatever the subgroup hours"},
        {C::kSplit, 1, kStatusPlaceSub1, "subgroup 1"},
        {C::kSplit, 3, kStatusPlaceSub2, "subgroup 2"},
        {C::kUnknownLine, 2, kStatusIdle, "a teacher is \"Неизвестный\""},
        {C::kUnknownLine, 0, kStatusLineInfo, "information is still shown"},
        {C::kPractice, 2, kStatusIdle, "teaching practice is not placed"},
        {C::kDone, 2, kStatusGroupComplete, "placed equals hours"},
        {C::kSubOnly, 3, kStatusOnlyWholeGroup, "subgroup 2 has no hours"},
    };
    for (const Case& k : cases) {
        C c;
        SelectExtractLine(c.m(), k.line, k.column);
        EXPECT_EQ(c.state().status, k.status) << k.why << " (line " << k.line << ", column " << k.column << ")";
    }
}

TEST(SelectExtractLine, CompleteSubgroupsAndOverplacedParts) {
    C c;
    c.Put(1, 1, 1, 2, "Фортепиано", "Петров");
    c.Put(1, 1, 1, 3, "Фортепиано", "Сидоров");
    RedrawGroupComposition(c.m());
    SelectExtractLine(c.m(), C::kSplit, 1);
    EXPECT_EQ(c.state().status, kStatusSub1Complete);
    SelectExtractLine(c.m(), C::kSplit, 3);
    EXPECT_EQ(c.state().status, kStatusSub2Complete);
    // More lessons placed than the line has: nothing happens.
    c.Put(1, 2, 1, 1, "Хор", "Иванова");
    RedrawGroupComposition(c.m());
    SelectExtractLine(c.m(), C::kDone, 2);
    EXPECT_EQ(c.state().status, kStatusIdle);
}

TEST(SelectExtractLine, TeacherMissingFromEveryListReturnsToIdle) {
    C c;
    c.m().extracts[1].lines[C::kWhole].teacherGroup = "Ушедший";
    SelectExtractLine(c.m(), C::kWhole, 2);
    EXPECT_EQ(c.state().status, kStatusIdle);
}

TEST(SelectExtractLine, AdditionalTrainingOpensTheGroupsSpecialisation) {
    C c;
    c.m().extracts[1].lines.push_back({"Дисциплины допподготовки", 4, "-", 0, "-", 0, "-"});
    const int line = c.m().extracts[1].lines.size();
    EXPECT_EQ(SelectExtractLine(c.m(), line, 2), 0) << "no specialisation names the group yet";
    EXPECT_EQ(c.state().status, kStatusIdle) << "its teachers are \"-\": no teacher to place";
    for (const char* groups : {"102", "101"}) {
        Specialisation s;
        s.key = std::string("Ф-") + groups;
        s.groups.push_back(groups);
        c.m().specialisations.push_back(s);
    }
    c.m().specialisations.push_back(c.m().specialisations[2]);
    EXPECT_EQ(SelectExtractLine(c.m(), line, 2), 51);
    EXPECT_EQ(c.m().currentSpecialisation, 2) << "the first one naming the group";
}

TEST(PlaceAt, WholeGroupLessonWritesTimetableAndOccupancy) {
    C c;
    c.Select(C::kWhole, 2);
    ASSERT_EQ(c.shown(), kStatusPlaceGroup);
    EXPECT_EQ(c.m().extracts[1].lines[C::kWhole].placed[1], 0);
    c.Place(3, 2, 3);
    EXPECT_EQ(c.shown(), kStatusPlaced);
    EXPECT_EQ(c.state().status, kStatusIdle) << "every further lesson needs a new selection";

    std::vector<std::string> ras = ReadLines(c.ras());
    EXPECT_EQ(ras[RasLine(3, 2, 1, 0)], "Сольфеджио");
    EXPECT_EQ(ras[RasLine(3, 2, 1, 1)], "Иванова");
    EXPECT_EQ(ras[RasLine(3, 2, 1, 2)], "-") << "Иванова keeps no room";
    std::vector<std::string> zan = ReadLines(c.zan("Иванова"));
    ASSERT_EQ(zan.size(), 7u);
    EXPECT_EQ(zan[0], "Иванова А.Б.");
    EXPECT_EQ(zan[3], "03000000000000");
    EXPECT_EQ(c.m().extracts[1].lines[C::kWhole].placed[1], 1);
    EXPECT_EQ(ExtractGridCell(c.m(), C::kWhole, 3).text, "1");
}

TEST(PlaceAt, TakenLessons) {
    struct Case {
        int line, column, part;  // the selection
        int filledPart;          // what already stands in Monday's lesson 1
        int status;
    } cases[] = {
        {C::kWhole, 2, 1, 3, kStatusLessonTaken},   // only sub2 filled still takes the whole group's lesson
        {C::kWhole, 2, 1, 1, kStatusLessonTaken},
        {C::kSplit, 1, 2, 3, kStatusPlaced},        // the two subgroups in parallel
        {C::kSplit, 1, 2, 2, kStatusLessonTaken},
        {C::kSplit, 1, 2, 1, kStatusLessonTaken},
        {C::kSplit, 3, 3, 2, kStatusPlaced},
        {C::kSplit, 3, 3, 1, kStatusLessonTaken},
    };
    for (const Case& k : cases) {
        C c;
        c.Put(1, 1, 1, k.filledPart, "Ритмика", "Сидоров");
        c.Select(k.line, k.column);
        c.Place(1, 1, 2);
        EXPECT_EQ(c.shown(), k.status) << "part " << k.part << " over part " << k.filledPart;
        if (k.status == kStatusLessonTaken) {
            EXPECT_FALSE(FileExists(c.ras())) << "nothing is written on a refusal";
            EXPECT_EQ(c.state().lines[2], "Этот урок уже занят!");
        } else {
            EXPECT_EQ(c.Entry(1, 1, 1, k.part).discipline, "Фортепиано");
        }
    }
}

TEST(PlaceAt, TeacherBusyUnlessTheCodeIsFree) {
    for (char code : {'1', '2', '3', '4', '5'}) {
        C c;
        c.teacher(1).occupancy[2][4] = code;  // Tuesday, lesson 5
        c.Select(C::kWhole, 2);
        c.Place(2, 5, 1);
        EXPECT_EQ(c.shown(), kStatusTeacherBusy) << code;
        EXPECT_EQ(c.state().lines[2], "Преподаватель в это время занят!");
        EXPECT_EQ(c.state().caption, "Сольфеджио - Иванова");
        EXPECT_TRUE(c.Entry(1, 2, 5, 1).empty());
        EXPECT_FALSE(FileExists(c.zan("Иванова")));
    }
}

TEST(PlaceAt, AutomaticRoomOfTheTeacher) {
    struct Case {
        int option;
        bool roomTaken;
        const char* room;
    } cases[] = {{1, false, "12"}, {2, false, "-"}, {1, true, "-"}};
    for (const Case& k : cases) {
        C c;
        c.state().autoRoom = k.option;
        if (k.roomTaken) c.Put(2, 4, 6, 1, "Хор", "Сидоров", "12");
        c.Select(C::kSplit, 1);
        c.Place(4, 6, 4);
        EXPECT_EQ(c.Entry(1, 4, 6, 2).room, k.room) << "option " << k.option << " taken " << k.roomTaken;
    }
}

TEST(PlaceAt, SpecialisationLessonsAreProtected) {
    C c;
    Specialisation s;
    s.key = "Ф-1";
    s.day = 2;
    s.hours = 2;
    s.variants = 1;
    s.groups.push_back("101");
    s.cell(1, 1).lesson = 3;
    s.cell(1, 2).lesson = 4;
    c.m().specialisations.push_back(s);
    ComputeSpecialisationDays(c.m());

    c.Place(2, 3, 1);
    EXPECT_EQ(c.shown(), kStatusIdle) << "choosing a specialisation lesson does nothing";
    c.Select(C::kWhole, 2);
    c.Place(2, 4, 2);
    EXPECT_EQ(c.shown(), kStatusIdle);
    EXPECT_TRUE(c.Entry(1, 2, 4, 1).empty());
    c.Select(C::kWhole, 2);
    c.Place(2, 5, 2);
    EXPECT_EQ(c.shown(), kStatusPlaced) << "other lessons of that day behave normally";
    c.Place(3, 3, 1);
    EXPECT_EQ(c.shown(), kStatusLessonChosen);
    EXPECT_EQ(DayTableCell(c.m(), 2, 1, 1).text, "  Специализация");
}

TEST(RemoveAt, ByColumn) {
    struct Case {
        int column;
        int removedPart;  // 0: nothing removed
    } cases[] = {{0, 0}, {1, 0}, {2, 2}, {3, 1}, {4, 3}};
    for (const Case& k : cases) {
        C c;
        c.Put(1, 5, 2, 1, "Сольфеджио", "Иванова", "10");
        c.Put(1, 5, 2, 2, "Фортепиано", "Петров");
        c.Put(1, 5, 2, 3, "Фортепиано", "Сидоров");
        for (int t = 1; t <= 3; ++t) c.teacher(t).occupancy[5][1] = '3';
        RemoveAt(c.m(), 5, 2, k.column);
        RedrawGroupComposition(c.m());
        for (int p = 1; p <= 3; ++p)
            EXPECT_EQ(c.Entry(1, 5, 2, p).empty(), p == k.removedPart) << "column " << k.column << " part " << p;
        if (k.removedPart == 0) {
            EXPECT_FALSE(FileExists(c.ras()));
            continue;
        }
        EXPECT_EQ(c.shown(), kStatusRemoved);
        const std::string who = k.removedPart == 1 ? "Иванова" : k.removedPart == 2 ? "Петров" : "Сидоров";
        EXPECT_EQ(ReadLines(c.zan(who))[5], "00000000000000");
        EXPECT_EQ(ReadLines(c.ras())[RasLine(5, 2, k.removedPart, 0)], "-");
        EXPECT_EQ(ReadLines(c.ras())[RasLine(5, 2, k.removedPart, 2)], "-");
    }
}

TEST(RemoveAt, OnlyWhenIdleAndUnknownTeacherStillCleared) {
    C c;
    c.Put(1, 5, 2, 1, "Сольфеджио", "Ушедший");
    c.Select(C::kWhole, 2);
    RemoveAt(c.m(), 5, 2, 3);
    EXPECT_FALSE(c.Entry(1, 5, 2, 1).empty()) << "not while placing";
    CancelComposition(c.m());
    RemoveAt(c.m(), 5, 2, 3);
    EXPECT_TRUE(c.Entry(1, 5, 2, 1).empty());
    EXPECT_EQ(c.state().status, kStatusRemoved);
    EXPECT_TRUE(FileExists(c.ras()));
}

// Chooses Monday's lesson 1 (with a whole-group and a subgroup-2 lesson) and the part's room choice.
void ChooseRoomFor(C& c, int part) {
    c.Put(1, 1, 1, 2, "Фортепиано", "Петров");
    c.Put(1, 1, 1, 3, "Фортепиано", "Сидоров");
    c.Place(1, 1, 1);
    BeginRoomChoice(c.m(), part);
    RedrawGroupComposition(c.m());
}

TEST(AssignRoom, FreeOccupiedAndSmallRooms) {
    struct Case {
        int part;
        int room;
        int status;
        const char* stored;
    } cases[] = {
        {2, 2, kStatusIdle, "11"},          {3, 2, kStatusIdle, "11"},
        {2, 4, kStatusIdle, "Малый"},       // small rooms suit a subgroup
        {2, 1, kStatusRoomOccupied, "-"},   // room 10 holds group 102's lesson
        {3, 1, kStatusRoomOccupied, "-"},
    };
    for (const Case& k : cases) {
        C c;
        c.Put(2, 1, 1, 1, "Хор", "Иванова", "10");
        ChooseRoomFor(c, k.part);
        ASSERT_EQ(c.state().status, k.part == 2 ? kStatusRoomForSub1 : kStatusRoomForSub2);
        AssignRoom(c.m(), c.dialogs, k.room);
        RedrawGroupComposition(c.m());
        EXPECT_EQ(c.shown(), k.status) << "part " << k.part << " room " << k.room;
        EXPECT_EQ(c.Entry(1, 1, 1, k.part).room, k.stored);
        if (k.status == kStatusIdle) {
            EXPECT_EQ(ReadLines(c.ras())[RasLine(1, 1, k.part, 2)], k.stored);
        }
    }
}

TEST(AssignRoom, WholeGroupRefusedInSmallOrOccupiedRoom) {
    C c;
    c.Put(1, 3, 2, 1, "Сольфеджио", "Иванова");
    c.Put(2, 3, 2, 2, "Хор", "Сидоров", "11");
    c.Place(3, 2, 1);
    for (auto [room, status, line3] : {std::tuple{4, kStatusRoomTooSmall, "Группа не поместится в эту аудиторию!"},
                                       std::tuple{2, kStatusRoomOccupied, "Аудитория занята!"}}) {
        c.Place(3, 2, 1);
        BeginRoomChoice(c.m(), 1);
        RedrawGroupComposition(c.m());
        EXPECT_EQ(c.state().lines[1], "Постановка аудитории для группы");
        AssignRoom(c.m(), c.dialogs, room);
        RedrawGroupComposition(c.m());
        EXPECT_EQ(c.shown(), status);
        EXPECT_EQ(c.state().lines[2], line3);
        EXPECT_EQ(StatusLineColour(c.shown(), 3), 0xFF0000u);
        EXPECT_EQ(c.Entry(1, 3, 2, 1).room, "-");
    }
    EXPECT_FALSE(FileExists(c.ras()));
}

TEST(AssignRoom, OccupiedRoomWhileALessonIsChosenTellsWhoUsesIt) {
    C c;
    c.Put(2, 4, 3, 3, "Хор", "Сидоров", "11");
    c.Place(4, 3, 1);
    AssignRoom(c.m(), c.dialogs, 1);  // free: nothing
    EXPECT_TRUE(c.dialogs.shown.empty());
    EXPECT_EQ(c.state().status, kStatusLessonChosen);
    AssignRoom(c.m(), c.dialogs, 2);
    ASSERT_EQ(c.dialogs.shown.size(), 1u);
    EXPECT_EQ(c.dialogs.shown[0].text, "Аудитория 11 занята на 3 уроке! - 102 группа : Сидоров : Хор");
    EXPECT_EQ(c.state().status, kStatusIdle);
}

TEST(AssignRoom, ASpecialisationLessonBlocksItsRoom) {
    C c;
    Specialisation s;
    s.key = "Ф-2";
    s.division = "Ф";
    s.course = 2;
    s.day = 3;
    s.groups.push_back("102");
    s.cell(1, 1).lesson = 2;
    s.cell(1, 1).teacher = "Сидоров";
    s.cell(1, 1).room = c.m().rooms[2].number;
    c.m().specialisations.push_back(s);
    c.Put(1, 3, 2, 1, "Сольфеджио", "Иванова");
    c.Place(3, 2, 1);
    BeginRoomChoice(c.m(), 1);
    RedrawGroupComposition(c.m());
    AssignRoom(c.m(), c.dialogs, 2);
    RedrawGroupComposition(c.m());
    EXPECT_EQ(c.shown(), kStatusRoomOccupied);
    EXPECT_EQ(c.Entry(1, 3, 2, 1).room, "-");
    // With the lesson only chosen, the box names the specialisation.
    c.Place(3, 2, 1);
    AssignRoom(c.m(), c.dialogs, 2);
    ASSERT_EQ(c.dialogs.shown.size(), 1u);
    EXPECT_EQ(c.dialogs.shown[0].text, "Аудитория " + c.m().rooms[2].number +
                                           " занята на 2 уроке! - Специализация Ф-2 курс : Сидоров");
}

TEST(AssignOtherRoom, OnlyRoomsOutsideTheList) {
    struct Case {
        std::optional<std::string> answer;
        const char* stored;
    } cases[] = {{"Актовый зал", "Актовый зал"}, {"11", "-"}, {"", "-"}, {"-", "-"}, {std::nullopt, "-"}};
    for (const Case& k : cases) {
        C c;
        ChooseRoomFor(c, 3);
        c.dialogs.Answer(k.answer);
        AssignOtherRoom(c.m(), c.dialogs);
        EXPECT_EQ(c.state().status, kStatusIdle);
        ASSERT_EQ(c.dialogs.shown.size(), 1u);
        EXPECT_EQ(c.dialogs.shown[0].caption, "За пределами аудиторного фонда");
        EXPECT_EQ(c.dialogs.shown[0].text, "Для 2 подгруппы");
        EXPECT_EQ(c.Entry(1, 1, 1, 3).room, k.stored) << k.answer.value_or("(cancel)");
        EXPECT_EQ(FileExists(c.ras()), std::string(k.stored) != "-");
        ComputeRoomOccupancy(c.m());
        for (int r = 1; r <= 4; ++r) EXPECT_EQ(c.m().roomOccupancy.at(r, 1, 1), 0);
    }
}

TEST(AssignOtherRoom, TextWithoutWindows1251CodeIsRefused) {
    C c;
    ChooseRoomFor(c, 2);
    c.dialogs.Answer("Зал ✓");
    AssignOtherRoom(c.m(), c.dialogs);
    EXPECT_EQ(c.Entry(1, 1, 1, 2).room, "-");
    EXPECT_FALSE(FileExists(c.ras()));
}

TEST(RoomCommands, RemoveRoomAndBeginOnlyOnFilledParts) {
    C c;
    c.Put(1, 2, 7, 1, "Сольфеджио", "Иванова", "10");
    BeginRoomChoice(c.m(), 1);
    EXPECT_EQ(c.state().status, kStatusIdle) << "no lesson chosen";
    c.Place(2, 7, 1);
    BeginRoomChoice(c.m(), 2);
    EXPECT_EQ(c.state().status, kStatusLessonChosen) << "subgroup 1 has no lesson there";
    RemoveRoom(c.m(), 1);
    EXPECT_EQ(c.state().status, kStatusLessonChosen);
    EXPECT_EQ(c.Entry(1, 2, 7, 1).room, "-");
    EXPECT_EQ(ReadLines(c.ras())[RasLine(2, 7, 1, 2)], "-");
    EXPECT_EQ(ReadLines(c.ras())[RasLine(2, 7, 1, 0)], "Сольфеджио");
}

TEST(ClearDay, AsksThenFreesEveryTeacher) {
    C c;
    c.Put(1, 4, 1, 1, "Сольфеджио", "Иванова", "10");
    c.Put(1, 4, 2, 2, "Фортепиано", "Петров");
    c.Put(1, 4, 2, 3, "Фортепиано", "Сидоров");
    c.Put(1, 5, 1, 1, "Сольфеджио", "Иванова");
    for (int t = 1; t <= 3; ++t) c.teacher(t).occupancy[4] = "33000000000000";
    c.dialogs.ConfirmWith(false).ConfirmWith(true);
    EXPECT_FALSE(ClearDay(c.m(), c.dialogs, 4));
    EXPECT_FALSE(c.Entry(1, 4, 1, 1).empty());
    EXPECT_TRUE(ClearDay(c.m(), c.dialogs, 4));
    EXPECT_EQ(c.dialogs.shown[0].caption, "Очистка расписания на четверг");
    EXPECT_EQ(c.dialogs.shown[0].text, "Снять все уроки с четверга?");
    for (int l : {1, 2})
        for (int p = 1; p <= 3; ++p) EXPECT_TRUE(c.Entry(1, 4, l, p).empty());
    EXPECT_FALSE(c.Entry(1, 5, 1, 1).empty()) << "other days stay";
    EXPECT_EQ(ReadLines(c.zan("Иванова"))[4], "03000000000000");
    EXPECT_EQ(ReadLines(c.zan("Петров"))[4], "30000000000000");
    EXPECT_EQ(ReadLines(c.ras())[RasLine(4, 1, 1, 0)], "-");
}

TEST(DayMenus, PracticeDayAndLimits) {
    C c;
    SetPracticeDay(c.m(), 3);
    EXPECT_EQ(c.m().groups[1].practiceDay, 3);
    EXPECT_TRUE(FileExists(c.m().config.practiceFolder + "praktika.gru"));
    EXPECT_EQ(DayTableCell(c.m(), 3, 5, 1).text, "  Педпрактика");
    EXPECT_EQ(ExtractGridCell(c.m(), C::kPractice, 2).text, "Среда");
    SetPracticeDay(c.m(), 0);
    EXPECT_EQ(DayTableCell(c.m(), 3, 5, 1).text, "");

    SetFirstLesson(c.m(), 2, 3);
    SetLastLesson(c.m(), 2, 6);
    EXPECT_EQ(ReadLines(c.m().config.autoFolder + "101.ogr")[3], "00100200000000");
}

}  // namespace
