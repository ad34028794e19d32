#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "store/departments.h"
#include "store/store_fixture.h"

namespace {

struct Departments : StoreFixture {
    Departments() { WriteTwoDepartments(); }
    Teacher& T(int d, int t) { return model->departments[d].teachers[t]; }
};

TEST_F(Departments, LoadDerivesRowsTotalsAndCreatesMissingFiles) {
    Write("fort.ots", {"Абрамова", "1", "Белов", "2", "Волков", "1"});
    LoadDepartments(*model);
    Model& m = *model;
    ASSERT_EQ(m.departments.size(), 2);
    EXPECT_EQ(m.lastDepartmentPrefix, "Сов");
    EXPECT_EQ(T(1, 2).displayName, "Белов Б.Б.");
    EXPECT_EQ(T(1, 1).room, "12");
    EXPECT_DOUBLE_EQ(T(1, 1).practiceHoursBudget, 1.5);
    // heading 1, teachers 2..4, heading 5, teacher 6
    EXPECT_EQ(T(1, 1).rowNo, 2);
    EXPECT_EQ(T(1, 3).rowNo, 4);
    EXPECT_EQ(T(2, 1).rowNo, 6);
    EXPECT_EQ(m.departments[2].firstRow, 6);
    EXPECT_EQ(m.allTeachers, 4);
    EXPECT_EQ(m.staffTeachers, 2);
    EXPECT_EQ(m.partTimeTeachers, 2);
    // absences: the existing file is read, the missing one is created with everybody present
    EXPECT_EQ(m.departments[1].absentCount, 1);
    ASSERT_EQ(m.absentTeachers.size(), 1);
    EXPECT_EQ(m.absentTeachers[1].surname, "Белов");
    EXPECT_EQ(m.absentTeachers[1].displayName, "Белов Б.Б. - совм.");
    EXPECT_EQ(Read("sovm.ots"), (std::vector<std::string>{"Гусев", "1"}));
    EXPECT_EQ(Read("Волков.zan"), (std::vector<std::string>{"Волков В.В.", "00000000000000", "00000000000000",
                                                             "00000000000000", "00000000000000", "00000000000000",
                                                             "00000000000000"}));
}

TEST_F(Departments, OccupancyIsReadAndSavedBack) {
    Write("Белов.zan", {"Белов Б.Б.", "30000000000000", "0", "00000000000005", "", "", ""});
    LoadDepartments(*model);
    EXPECT_EQ(T(1, 2).occupancy[1], "30000000000000");
    // short lines are completed with free lessons, so every lesson can be looked at
    EXPECT_EQ(T(1, 2).occupancy[2], "00000000000000");
    T(1, 2).occupancy[4][0] = '2';
    SaveOccupancy(*model, 1, 2);
    EXPECT_EQ(Read("Белов.zan")[4], "20000000000000");
}

TEST_F(Departments, DepartmentFileRoundTripsByteForByte) {
    std::string before = ReadFileBytes(File("fort.kaf"));
    LoadDepartments(*model);
    SaveDepartment(*model, 1);
    EXPECT_EQ(ReadFileBytes(File("fort.kaf")), before);
}

TEST_F(Departments, ContractHoursLineThatIsASeparatorMeansZero) {
    auto t = TeacherLines("Дьяков", "Д.Д.", 1);
    t[7] = "-------";
    std::vector<std::string> kaf = {"sovm", "x", "1", "-------"};
    kaf.insert(kaf.end(), t.begin(), t.end());
    Write("sovm.kaf", kaf);
    LoadDepartments(*model);
    EXPECT_EQ(T(2, 1).practiceHoursContract, 0);
    EXPECT_EQ(T(2, 1).homePhone, "111-11-11");
}

TEST_F(Departments, LookupsTakeTheLastMatch) {
    auto t = TeacherLines("Абрамова", "Я.Я.", 1);
    t[2] = "Яна Яковлевна";
    std::vector<std::string> kaf = {"sovm", "x", "1", "-------"};
    kaf.insert(kaf.end(), t.begin(), t.end());
    Write("sovm.kaf", kaf);
    LoadDepartments(*model);
    Model& m = *model;
    EXPECT_TRUE(FindTeacher(m, "Абрамова"));
    EXPECT_EQ(m.sel.department, 2);
    EXPECT_EQ(m.sel.teacher, 1);
    m.sel.department = 1;
    m.sel.teacher = 3;
    EXPECT_FALSE(FindTeacher(m, "абрамова"));  // exact comparison
    EXPECT_EQ(m.sel.department, 1);
    EXPECT_EQ(m.sel.teacher, 3);
    EXPECT_TRUE(FindTeacherDepartment(m, "Абрамова"));
    EXPECT_EQ(m.sel.department, 2);
    EXPECT_EQ(m.sel.teacher, 3);
    EXPECT_EQ(NameAndPatronymicOf(m, "Абрамова", "прежнее"), "Яна Яковлевна");
    EXPECT_EQ(NameAndPatronymicOf(m, "Никто", "прежнее"), "прежнее");
}

TEST_F(Departments, UnsafeTeacherFileKeyIsRefusedAtLoad) {
    auto t = TeacherLines("Гусев", "Г.Г.", 2);
    t[3] = "../Гусев";
    std::vector<std::string> kaf = {"sovm", "x", "1", "-------"};
    kaf.insert(kaf.end(), t.begin(), t.end());
    Write("sovm.kaf", kaf);
    try {
        LoadDepartments(*model);
        FAIL() << "loaded";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), File("sovm.kaf"));
        EXPECT_NE(std::string(e.what()).find("../Гусев"), std::string::npos);
    }
    EXPECT_FALSE(FileExists(dir.path() + "/../Гусев.zan"));
}

// ---------------------------------------------------------------- adding and inserting

struct TeacherCommands : Departments {
    ScriptedDialogs dialogs;
    TeacherCommands() {
        Write("fort.ots", {"Абрамова", "1", "Белов", "2", "Волков", "1"});
        LoadDepartments(*model);
        model->sel.department = 1;
    }
    void AnswerNewTeacher(const std::string& surname) {
        dialogs.ConfirmWith(true).Answer(surname).Answer("Е.Е.").Answer("Елена Евгеньевна").Answer("0");
    }
};

TEST_F(TeacherCommands, InsertMovesEveryFieldOfTheLaterTeachers) {
    T(1, 2).room = "7";
    T(1, 2).mobilePhone = "мобильный";
    T(1, 3).practiceHoursContract = 2.25;
    SaveDepartment(*model, 1);
    AnswerNewTeacher("Ежова");
    ASSERT_TRUE(InsertTeacher(*model, dialogs, 2));
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_EQ(dialogs.shown[0].caption, "Вставка нового преподавателя в список кафедры");
    EXPECT_EQ(dialogs.shown[0].text, "Включаем в список нового преподавателя?");
    EXPECT_EQ(dialogs.shown[2].def, "А.А.");
    ASSERT_EQ(model->departments[1].teachers.size(), 4);
    const Teacher& added = T(1, 2);
    EXPECT_EQ(added.displayName, "Ежова Е.Е.");
    EXPECT_EQ(added.nameAndPatronymic, "Елена Евгеньевна");
    EXPECT_EQ(added.fileKey, "Ежова");
    EXPECT_EQ(added.kind, 2);
    EXPECT_EQ(added.room, "-");
    EXPECT_EQ(added.presence, 1);
    // the moved teachers keep room, phones, hours, kind and absence mark
    EXPECT_EQ(T(1, 3).surname, "Белов");
    EXPECT_EQ(T(1, 3).room, "7");
    EXPECT_EQ(T(1, 3).mobilePhone, "мобильный");
    EXPECT_EQ(T(1, 3).kind, 2);
    EXPECT_EQ(T(1, 3).presence, 2);
    EXPECT_EQ(T(1, 4).surname, "Волков");
    EXPECT_DOUBLE_EQ(T(1, 4).practiceHoursContract, 2.25);
    EXPECT_EQ(Read("fort.ots"), (std::vector<std::string>{"Абрамова", "1", "Ежова", "1", "Белов", "2", "Волков", "1"}));
    EXPECT_EQ(Read("Ежова.zan").size(), 7u);
    EXPECT_EQ(T(2, 1).rowNo, 7);  // reloaded: rows counted again
}

TEST_F(TeacherCommands, AddAppendsAStaffTeacherUnlessTheAnswerIsZero) {
    dialogs.ConfirmWith(true).Answer("Жуков").Cancel().Answer("").Answer("");
    ASSERT_TRUE(AddTeacher(*model, dialogs));
    EXPECT_EQ(dialogs.shown[0].caption, "Добавление нового преподавателя в конец списка кафедры");
    EXPECT_EQ(T(1, 4).surname, "Жуков");
    EXPECT_EQ(T(1, 4).initials, "А.А.");
    EXPECT_EQ(T(1, 4).kind, 1);
    EXPECT_EQ(model->staffTeachers, 3);
}

TEST_F(TeacherCommands, RefusalsChangeNothing) {
    struct Case {
        const char* what;
        std::string surname;
        std::string lastBox;  // text of the last box shown, "" when none after the prompt
    };
    const std::string kaf = ReadFileBytes(File("fort.kaf"));
    for (const Case& c : {Case{"empty answer", "", "Фамилия нового преподавателя?"},
                          Case{"same surname in another department", "Гусев", "Уже есть такой преподаватель!"},
                          Case{"path in the surname", "../x", ""}, Case{"slash", "Иванов/Петров", ""},
                          Case{"not Windows-1251", "Ли\u4e00", ""}}) {
        ScriptedDialogs d;
        d.ConfirmWith(true).Answer(c.surname).ConfirmWith(true);
        EXPECT_FALSE(AddTeacher(*model, d)) << c.what;
        EXPECT_EQ(model->departments[1].teachers.size(), 3) << c.what;
        if (!c.lastBox.empty()) EXPECT_EQ(d.shown.back().text, c.lastBox) << c.what;
        else EXPECT_EQ(d.shown.back().kind, "message") << c.what;
    }
    EXPECT_EQ(ReadFileBytes(File("fort.kaf")), kaf);
    EXPECT_FALSE(FileExists(dir.path() + "/x.zan"));
}

TEST_F(TeacherCommands, SurnameDifferingOnlyInCaseIsNew) {
    AnswerNewTeacher("абрамова");
    EXPECT_TRUE(AddTeacher(*model, dialogs));
    EXPECT_EQ(model->departments[1].teachers.size(), 4);
}

TEST_F(TeacherCommands, ThirtyFirstTeacherIsRefused) {
    std::vector<std::string> kaf = {"fort", "x", "30", "-------"};
    for (int i = 1; i <= 30; ++i) {
        auto t = TeacherLines("П" + std::to_string(i), "П.П.", 1);
        kaf.insert(kaf.end(), t.begin(), t.end());
    }
    Write("fort.kaf", kaf);
    RemoveFile(File("fort.ots"));
    LoadDepartments(*model);
    AnswerNewTeacher("Новый");
    EXPECT_FALSE(InsertTeacher(*model, dialogs, 1));
    EXPECT_EQ(dialogs.shown.back().kind, "message");
    EXPECT_EQ(model->departments[1].teachers.size(), 30);
    EXPECT_EQ(T(1, 1).surname, "П1");
}

// ---------------------------------------------------------------- removing

TEST(TeacherRemovalRefusal, NamesTheLastGroupThenTheLastSpecialisation) {
    std::vector<ExtractTeacherNames> extracts = {{"11", {"Белов"}}, {"21", {"-", "Белов"}}, {"31", {"Волков"}}};
    std::vector<SpecialisationTeacherNames> specialisations = {{"Хор", 1, {"Белов", "Гусев"}}, {"Оркестр", 2, {"Гусев"}}};
    auto load = TeacherRemovalRefusalFor("Белов", extracts, specialisations);
    ASSERT_TRUE(load);
    EXPECT_EQ(load->prompt, "У преподавателя нагрузка!");
    EXPECT_EQ(load->text, "Белов - 21 гр.");
    auto special = TeacherRemovalRefusalFor("Гусев", extracts, specialisations);
    ASSERT_TRUE(special);
    EXPECT_EQ(special->prompt, "У преподавателя - специализация!");
    EXPECT_EQ(special->text, "Гусев - Оркестр - 2 курс");
    EXPECT_FALSE(TeacherRemovalRefusalFor("белов", extracts, specialisations));
}

TEST_F(TeacherCommands, RemoveShiftsTheLaterTeachersAndDeletesTheOccupancyFile) {
    T(1, 3).room = "44";
    SaveDepartment(*model, 1);
    ASSERT_TRUE(FileExists(File("Белов.zan")));
    dialogs.ConfirmWith(true);
    ASSERT_TRUE(RemoveTeacher(*model, dialogs, 2));
    EXPECT_EQ(dialogs.shown[0].caption, "Исключение преподавателя из списка кафедры");
    EXPECT_EQ(dialogs.shown[0].text, "Исключаем из списка преподавателя?");
    EXPECT_FALSE(FileExists(File("Белов.zan")));
    ASSERT_EQ(model->departments[1].teachers.size(), 2);
    EXPECT_EQ(T(1, 2).surname, "Волков");
    EXPECT_EQ(T(1, 2).room, "44");
    EXPECT_EQ(T(1, 2).presence, 1);
    EXPECT_EQ(Read("fort.ots"), (std::vector<std::string>{"Абрамова", "1", "Волков", "1"}));
    EXPECT_EQ(model->absentTeachers.size(), 0);
}

TEST_F(TeacherCommands, TheOnlyTeacherIsNotRemoved) {
    model->sel.department = 2;
    dialogs.ConfirmWith(true);
    EXPECT_FALSE(RemoveTeacher(*model, dialogs, 1));
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(FileExists(File("Гусев.zan")));
}

// ---------------------------------------------------------------- field edits and presence

TEST_F(TeacherCommands, FieldEdits) {
    model->sel.teacher = 1;
    dialogs.Answer("");
    EditTeacherRoom(*model, dialogs);
    EXPECT_EQ(dialogs.shown[0].caption, "Абрамова");
    EXPECT_EQ(dialogs.shown[0].def, "12");
    EXPECT_EQ(T(1, 1).room, "-");
    dialogs.Answer("3,5").Answer("");
    EditPracticeHours(*model, dialogs);
    EXPECT_EQ(dialogs.shown[1].def, "1,50");
    EXPECT_DOUBLE_EQ(T(1, 1).practiceHoursBudget, 3.5);
    EXPECT_DOUBLE_EQ(T(1, 1).practiceHoursContract, 0);
    dialogs.Cancel();
    EditHomePhone(*model, dialogs);
    EXPECT_EQ(T(1, 1).homePhone, "111-11-11");
    LoadDepartments(*model);  // every edit was written at once
    EXPECT_EQ(T(1, 1).room, "-");
    EXPECT_DOUBLE_EQ(T(1, 1).practiceHoursBudget, 3.5);
}

TEST_F(TeacherCommands, BadPracticeHoursChangeNeitherValue) {
    model->sel.teacher = 1;
    const std::string kaf = ReadFileBytes(File("fort.kaf"));
    dialogs.Answer("4").Answer("много");
    try {
        EditPracticeHours(*model, dialogs);
        FAIL() << "accepted";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "'много' is not a valid floating point value");
    }
    EXPECT_DOUBLE_EQ(T(1, 1).practiceHoursBudget, 1.5);
    EXPECT_EQ(ReadFileBytes(File("fort.kaf")), kaf);
}

TEST_F(TeacherCommands, PresenceToggleAndEverybodyPresent) {
    TogglePresence(*model, 2, 1);
    EXPECT_EQ(model->absentTeachers.size(), 2);
    EXPECT_EQ(model->absentTeachers[2].displayName, "Гусев Г.Г. - совм.");
    EXPECT_EQ(Read("sovm.ots"), (std::vector<std::string>{"Гусев", "2"}));
    MarkEverybodyPresent(*model);
    EXPECT_EQ(model->absentTeachers.size(), 0);
    EXPECT_EQ(model->departments[1].absentCount, 0);
    EXPECT_EQ(Read("fort.ots"), (std::vector<std::string>{"Абрамова", "1", "Белов", "1", "Волков", "1"}));
}

}  // namespace
