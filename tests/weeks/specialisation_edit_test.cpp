#include "composition/specialisation_edit.h"

#include <functional>
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "base/textfile.h"
#include "timetable/model_fixture.h"
#include "timetable/specialisation.h"

namespace {

// Two groups, two teachers, two rooms and one block "Ф-1" on Tuesday: 2 hours x 2
// variants, variant 1 taught by Сидоров in room 12, variant 2 by nobody yet.
struct SpecScreen : SmallCollege {
    ScriptedDialogs dialogs;

    SpecScreen() {
        AddGroups({"101", "102"});
        AddTeachers({"Сидоров", "Кузнецова"});
        AddRooms({"12", "14"});
        m().config.occupancyFolder = dir.path() + "/zan/";
        MakeFolders(m().config.occupancyFolder);
        for (Teacher& t : m().departments[1].teachers) t.fileKey = t.surname;
        Specialisation s;
        s.key = "Ф-1";
        s.division = "Ф";
        s.course = 1;
        s.day = 2;
        s.hours = 2;
        s.variants = 2;
        s.groups.push_back("101");
        s.groups.push_back("102");
        s.cell(1, 1) = {"Сидоров", "12", 0};
        s.cell(1, 2) = {"Сидоров", "12", 0};
        m().specialisations.push_back(s);
        m().currentSpecialisation = 1;
        SaveAll();
    }
    void SaveAll() {
        SaveSpecialisationList(m());
        for (int i = 1; i <= m().specialisations.size(); ++i) SaveSpecialisation(m(), i);
    }
    Specialisation& Spec() { return m().specialisations[m().currentSpecialisation]; }
    std::string& Code(int teacher, int day) { return m().departments[1].teachers[teacher].occupancy[day]; }
    std::string SpeFile(const std::string& key) { return m().config.specialisationFolder + key + ".spe"; }

    // Hour mode: choose cell (v, h), then lesson l in its column.
    void Place(int v, int h, int l) {
        SpecialisationCellClick(m(), dialogs, v, h);
        SpecialisationLessonClick(m(), v, l);
    }
};

TEST(SpecialisationPlacing, PlacesMarksTheTeacherAndWritesBothFiles) {
    SpecScreen c;
    c.Place(1, 1, 3);
    EXPECT_EQ(c.Spec().cell(1, 1).lesson, 3);
    EXPECT_EQ(c.m().specScreen.state, kSpecIdle);
    EXPECT_EQ(c.m().specScreen.warning, "");
    EXPECT_EQ(c.Code(1, 2), "00500000000000");
    // The teacher's file and the block's file hold the lesson; reading them back agrees.
    EXPECT_EQ(ReadLines(c.m().config.occupancyFolder + "Сидоров.zan")[2], "00500000000000");
    auto spe = ReadLines(c.SpeFile("Ф-1"));
    EXPECT_EQ(spe[8], "3");  // variant 1, hour 1: teacher, room, lesson
    // The room is now taken by the block.
    ComputeRoomOccupancy(c.m());
    EXPECT_EQ(c.m().roomOccupancy.at(1, 2, 3), 1);

    // Another hour of the same variant at the same lesson: back to idle, nothing placed.
    c.Place(1, 2, 3);
    EXPECT_EQ(c.Spec().cell(1, 2).lesson, 0);
    EXPECT_EQ(c.m().specScreen.state, kSpecIdle);
    // A placed cell cannot be chosen.
    SpecialisationCellClick(c.m(), c.dialogs, 1, 1);
    EXPECT_EQ(c.m().specScreen.state, kSpecIdle);
}

TEST(SpecialisationPlacing, EachRefusalPlacesNothing) {
    struct Case {
        const char* what;
        std::function<void(SpecScreen&)> setUp;
        int variant;
        std::string warning;
    } cases[] = {
        {"group lesson taken", [](SpecScreen& c) { c.Put(2, 2, 4, 3, "Хор", "Кузнецова", "14"); }, 1,
         "У 102 группы 4 урок уже занят: Хор"},
        {"busy teacher", [](SpecScreen& c) { c.Code(1, 2) = "00020000000000"; }, 1,
         "Преподаватель Сидоров занят(а) на 4 уроке!"},
        {"occupied room",
         [](SpecScreen& c) {
             c.AddGroups({"201"});  // a group outside the block
             c.Put(3, 2, 4, 1, "Хор", "Кузнецова", "12");
         },
         1,
         "Аудитория 12 занята на 4 уроке!"},
        {"unknown teacher", [](SpecScreen&) {}, 2, ""},
    };
    for (const Case& k : cases) {
        SpecScreen c;
        k.setUp(c);
        const auto speBefore = ReadLines(c.SpeFile("Ф-1"));
        const std::string codeBefore = c.Code(1, 2);
        c.Place(k.variant, 1, 4);
        EXPECT_EQ(c.Spec().cell(k.variant, 1).lesson, 0) << k.what;
        EXPECT_EQ(c.m().specScreen.warning, k.warning) << k.what;
        EXPECT_EQ(c.m().specScreen.state, kSpecIdle) << k.what;
        EXPECT_EQ(c.Code(1, 2), codeBefore) << k.what;
        EXPECT_EQ(ReadLines(c.SpeFile("Ф-1")), speBefore) << k.what;
        EXPECT_FALSE(FileExists(c.m().config.occupancyFolder + "Сидоров.zan")) << k.what;
    }
}

TEST(SpecialisationPlacing, DoubleClickRemovesTheVariantsLessonAndFreesTheTeacher) {
    SpecScreen c;
    c.Place(1, 1, 3);
    c.Place(1, 2, 5);
    SpecialisationLessonDoubleClick(c.m(), 2, 3);  // nothing of variant 2 there
    EXPECT_EQ(c.Spec().cell(1, 1).lesson, 3);
    SpecialisationLessonDoubleClick(c.m(), 1, 3);
    EXPECT_EQ(c.Spec().cell(1, 1).lesson, 0);
    EXPECT_EQ(c.Spec().cell(1, 2).lesson, 5);
    EXPECT_EQ(c.Code(1, 2), "00005000000000");
    EXPECT_EQ(ReadLines(c.m().config.occupancyFolder + "Сидоров.zan")[2], "00005000000000");
    EXPECT_EQ(ReadLines(c.SpeFile("Ф-1"))[8], "0");
}

TEST(SpecialisationPlacing, RoomModeSetsRemovesAndTypesRooms) {
    SpecScreen c;
    Model& m = c.m();
    c.Place(1, 1, 3);
    c.AddGroups({"201"});  // a group outside the block holds room 14 at that lesson
    c.Put(3, 2, 3, 1, "Хор", "Кузнецова", "14");
    SwitchSpecialisationRoomMode(m);
    SpecialisationLessonClick(m, 1, 4);  // no lesson of the variant there
    EXPECT_EQ(m.specScreen.state, kSpecIdle);
    SpecialisationLessonClick(m, 1, 3);
    EXPECT_EQ(m.specScreen.state, kSpecRoomLesson);
    EXPECT_EQ(SpecialisationStatusTexts(m).mode, "   Аудитория!");
    SpecialisationRoomClick(m, 2);  // occupied: nothing
    EXPECT_EQ(c.Spec().cell(1, 1).room, "12");
    EXPECT_EQ(m.specScreen.state, kSpecRoomLesson);
    RemoveSpecialisationRoom(m);
    EXPECT_EQ(c.Spec().cell(1, 1).room, "-");
    EXPECT_EQ(m.specScreen.state, kSpecIdle);

    // "Другая...": a listed room name changes nothing, another text becomes the room.
    SpecialisationLessonClick(m, 1, 3);
    c.dialogs.Answer("12");
    OtherSpecialisationRoom(m, c.dialogs);
    EXPECT_EQ(c.Spec().cell(1, 1).room, "-");
    EXPECT_EQ(m.specScreen.state, kSpecIdle);
    SpecialisationLessonClick(m, 1, 3);
    c.dialogs.Answer("Актовый зал");
    OtherSpecialisationRoom(m, c.dialogs);
    EXPECT_EQ(c.Spec().cell(1, 1).room, "Актовый зал");
    EXPECT_EQ(c.dialogs.shown.back().caption, "За пределами аудиторного фонда");
    EXPECT_EQ(c.dialogs.shown.back().text, "Для группы");

    // An unplaced cell's room is typed; an empty answer is "-".
    c.dialogs.Answer("");
    SpecialisationCellClick(m, c.dialogs, 1, 2);
    EXPECT_EQ(c.Spec().cell(1, 2).room, "-");
    EXPECT_EQ(c.dialogs.shown.back().caption, "Изменение аудитории");
    EXPECT_EQ(ReadLines(c.SpeFile("Ф-1"))[10], "-");
}

TEST(SpecialisationPlacing, AfterReloadACellOfAVanishedTeacherIsUnknown) {
    SpecScreen c;
    c.Spec().cell(2, 1) = {"Уволенный", "14", 0};
    c.SaveAll();
    LoadSpecialisations(c.m());
    EXPECT_EQ(c.Spec().cell(2, 1).teacher, "Неизвестный");
    EXPECT_EQ(c.Spec().cell(2, 1).room, "-");
}

// ---------------------------------------------------------------- editing

struct Editing : SpecScreen {
    Editing() { SwitchSpecialisationEditing(m()); }
    bool Run(SpecialisationCommand cmd) { return RunSpecialisationCommand(m(), dialogs, cmd); }
    void Choose(int v, int h) { SpecialisationCellClick(m(), dialogs, v, h); }
};

TEST(SpecialisationEditing, PlacedCellsBlockDayGroupsRemovalAndTheirColumnAndRow) {
    Editing c;
    c.m().specScreen.editing = false;
    c.Place(1, 1, 3);
    c.m().specScreen.editing = true;
    c.Choose(1, 1);
    EXPECT_EQ(c.m().specScreen.state, kSpecIdle);  // a placed cell is chosen but not for editing
    using C = SpecialisationCommand;
    for (C cmd : {C::ChangeDay, C::AddGroup, C::RemoveGroup, C::DeleteSpecialisation, C::RemoveVariant,
                  C::RemoveHour, C::TeacherForCell, C::TeacherForVariant})
        EXPECT_FALSE(c.Run(cmd)) << SpecialisationCommandText(cmd);
    EXPECT_TRUE(c.dialogs.shown.empty());  // failed conditions ask nothing
    EXPECT_EQ(c.Spec().day, 2);
    EXPECT_EQ(c.Spec().groups.size(), 2);

    // Taken off again, the day can change and the groups' specialisation day follows.
    c.m().specScreen.editing = false;
    SpecialisationLessonDoubleClick(c.m(), 1, 3);
    c.m().specScreen.editing = true;
    c.dialogs.ConfirmWith(true).Answer("5");
    EXPECT_TRUE(c.Run(C::ChangeDay));
    EXPECT_EQ(c.Spec().day, 5);
    EXPECT_EQ(c.m().specialisationDay[1], 5);
    EXPECT_EQ(ReadLines(c.SpeFile("Ф-1"))[1], "5");
    c.dialogs.ConfirmWith(true).Answer("7");
    EXPECT_FALSE(c.Run(C::ChangeDay));
    EXPECT_EQ(c.Spec().day, 5);
}

TEST(SpecialisationEditing, VariantsHoursAndTeachers) {
    Editing c;
    using C = SpecialisationCommand;
    EXPECT_TRUE(c.Run(C::AddHour));
    EXPECT_EQ(c.Spec().hours, 3);
    EXPECT_EQ(ReadLines(c.m().config.specialisationFolder + "spec.set")[5], "3");
    // Remove hour 1: hour 2 moves up; Cancel on the confirmation keeps it.
    c.Choose(2, 1);
    c.Spec().cell(1, 2).room = "14";
    c.dialogs.ConfirmWith(false);
    EXPECT_FALSE(c.Run(C::RemoveHour));
    c.dialogs.ConfirmWith(true);
    EXPECT_TRUE(c.Run(C::RemoveHour));
    EXPECT_EQ(c.Spec().hours, 2);
    EXPECT_EQ(c.Spec().cell(1, 1).room, "14");

    // One cell: a department's teacher, "Н" for nobody, anything else changes nothing.
    c.Choose(2, 1);
    c.dialogs.Answer("Кузнецова");
    EXPECT_TRUE(c.Run(C::TeacherForCell));
    EXPECT_EQ(c.Spec().cell(2, 1).teacher, "Кузнецова");
    c.Choose(2, 1);
    c.dialogs.Answer("Кузнец");
    EXPECT_FALSE(c.Run(C::TeacherForCell));
    EXPECT_EQ(c.Spec().cell(2, 1).teacher, "Кузнецова");
    c.Choose(1, 1);
    c.dialogs.Answer("Н");
    EXPECT_TRUE(c.Run(C::TeacherForCell));
    EXPECT_EQ(c.Spec().cell(1, 1).teacher, "Неизвестный");
    EXPECT_EQ(c.Spec().cell(1, 1).room, "-");

    // The whole variant 2, offered its named teacher.
    c.Choose(2, 2);
    c.dialogs.ConfirmWith(true).Answer("Сидоров");
    EXPECT_TRUE(c.Run(C::TeacherForVariant));
    EXPECT_EQ(c.dialogs.shown.back().def, "Кузнецова");
    EXPECT_EQ(c.Spec().cell(2, 1).teacher, "Сидоров");
    EXPECT_EQ(c.Spec().cell(2, 2).teacher, "Сидоров");

    // Variants: add a third, remove the first; later ones move left.
    EXPECT_TRUE(c.Run(C::AddVariant));
    EXPECT_EQ(c.Spec().variants, 3);
    EXPECT_EQ(c.Spec().cell(3, 1).teacher, "Неизвестный");
    c.Choose(1, 1);
    c.dialogs.ConfirmWith(true);
    EXPECT_TRUE(c.Run(C::RemoveVariant));
    EXPECT_EQ(c.Spec().variants, 2);
    EXPECT_EQ(c.Spec().cell(1, 1).teacher, "Сидоров");
    EXPECT_EQ(ReadLines(c.SpeFile("Ф-1"))[3], "2");
}

TEST(SpecialisationEditing, GroupsAddOnlyExistingAndRemoveTheChosen) {
    Editing c;
    using C = SpecialisationCommand;
    c.dialogs.Answer("999");
    EXPECT_FALSE(c.Run(C::AddGroup));
    c.AddGroups({"103"});
    c.dialogs.Answer("103");
    EXPECT_TRUE(c.Run(C::AddGroup));
    EXPECT_EQ(c.m().specialisationDay[3], 2);
    SpecialisationGroupClick(c.m(), 0);
    c.dialogs.ConfirmWith(true);
    EXPECT_TRUE(c.Run(C::RemoveGroup));
    ASSERT_EQ(c.Spec().groups.size(), 2);
    EXPECT_EQ(c.Spec().groups[1], "102");
    EXPECT_EQ(c.m().specialisationDay[1], 0);
}

TEST(SpecialisationEditing, AddingRefusesDuplicatesAndBadAnswers) {
    Editing c;
    using C = SpecialisationCommand;
    struct Case {
        std::vector<std::string> answers;  // division, course, group
        bool added;
    } cases[] = {
        {{"Ф", "1", "101"}, false},   // the key exists already
        {{"", "1", "101"}, false},
        {{"Ф", "6", "101"}, false},
        {{"Ф", "2", ""}, false},
        {{"Ф/../x", "2", "101"}, false},  // no plain file name
        {{"Ф", "2", "102"}, true},
    };
    for (const Case& k : cases) {
        c.dialogs.ConfirmWith(true);
        for (const std::string& a : k.answers) c.dialogs.Answer(a);
        EXPECT_EQ(c.Run(C::AddSpecialisation), k.added) << k.answers[0] << k.answers[1];
    }
    ASSERT_EQ(c.m().specialisations.size(), 2);
    EXPECT_EQ(c.m().currentSpecialisation, 2);
    EXPECT_EQ(c.Spec().key, "Ф-2");
    EXPECT_EQ(c.Spec().hours, 2);
    EXPECT_EQ(c.Spec().day, 1);
    EXPECT_TRUE(FileExists(c.SpeFile("Ф-2")));
}

TEST(SpecialisationEditing, RemovingTheSecondOfThreeKeepsTheThird) {
    Editing c;
    for (const char* key : {"С-2", "Д-3"}) {
        Specialisation s = c.m().specialisations[1];
        s.key = key;
        s.division = std::string(key).substr(0, 2);
        s.course = key[3] - '0';
        c.m().specialisations.push_back(s);
    }
    c.m().specialisations[3].day = 4;
    c.m().specialisations[3].cell(1, 1) = {"Кузнецова", "14", 6};
    c.SaveAll();
    const auto third = ReadLines(c.SpeFile("Д-3"));

    SelectSpecialisation(c.m(), 2);
    c.dialogs.ConfirmWith(true);
    EXPECT_TRUE(RunSpecialisationCommand(c.m(), c.dialogs, SpecialisationCommand::DeleteSpecialisation));
    EXPECT_FALSE(FileExists(c.SpeFile("С-2")));
    ASSERT_EQ(c.m().specialisations.size(), 2);
    EXPECT_EQ(c.m().currentSpecialisation, 1);
    EXPECT_EQ(c.m().specialisations[2].key, "Д-3");
    EXPECT_EQ(c.m().specialisations[2].day, 4);
    EXPECT_EQ(c.m().specialisations[2].cell(1, 1).lesson, 6);
    EXPECT_EQ(ReadLines(c.SpeFile("Д-3")), third);
    // The block with a placed lesson cannot be removed.
    SelectSpecialisation(c.m(), 2);
    EXPECT_FALSE(RunSpecialisationCommand(c.m(), c.dialogs, SpecialisationCommand::DeleteSpecialisation));
}

TEST(SpecialisationScreenCells, TitleListAndTablesShowTheBlock) {
    SpecScreen c;
    Model& m = c.m();
    m.config.colourC = 0x00FF00;
    c.Place(1, 2, 7);
    EXPECT_EQ(SpecialisationTitle(m), "Специализация : 1  курс - Ф : Группы 101 - 102 : Вторник");
    EXPECT_EQ(SpecialisationListCell(m, 1, 0).text, "   1");
    EXPECT_EQ(SpecialisationListCell(m, 1, 2).text, " 2");
    EXPECT_EQ(SpecialisationListCell(m, 1, 3).text, "Вт.");
    EXPECT_EQ(SpecialisationCellTableCell(m, 0, 2).text, " 2 вариант");
    EXPECT_EQ(SpecialisationCellTableCell(m, 2, 1).text, "Сидо : 12");
    EXPECT_EQ(SpecialisationCellTableCell(m, 2, 1).background, Colour(0x00FF00));
    EXPECT_EQ(SpecialisationCellTableCell(m, 1, 1).background, Colour(0xFFFFFF));
    SwitchSpecialisationDisplay(m);
    EXPECT_EQ(SpecialisationCellTableCell(m, 2, 1).text, "Сидоров");
    SwitchSpecialisationDisplay(m);
    EXPECT_EQ(SpecialisationCellTableCell(m, 2, 1).text, "12");
    EXPECT_EQ(SpecialisationLessonTableCell(m, 7, 1).text, "Сидо : 12");
    EXPECT_EQ(SpecialisationLessonTableCell(m, 6, 1).text, "");
    EXPECT_EQ(SpecialisationGroupCell(m, 1).text, "102 группа");
    SpecialisationCellClick(m, c.dialogs, 2, 1);
    const SpecialisationStatus st = SpecialisationStatusTexts(m);
    EXPECT_EQ(st.mode, "   Постановка!");
    EXPECT_EQ(st.variant, " 2 вариант");
    EXPECT_EQ(st.hour, " 1 час");
    EXPECT_EQ(st.cell, "Неиз : -");
    EXPECT_EQ(SpecialisationCellTableCell(m, 1, 2).background, Colour(0x00FFFF));
}

}  // namespace
