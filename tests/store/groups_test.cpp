#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "store/groups.h"
#include "store/store_fixture.h"

namespace {

std::vector<std::string> GroupLines(const std::string& number, int base, int course, int financing) {
    return {number, "ФО", std::to_string(base), std::to_string(course), "Фортепиано", "53.02.03",
            std::to_string(financing), "Иванова И.И.", "-------"};
}

struct Groups : StoreFixture {
    Groups() {
        Write("kody.set", {"1", "53.02.03", "Инструментальное исполнительство"});
        Write("otdel.set", {"1", "Фортепианное отделение", "3", "2", "11", "Фортепиано", "б", "12", "99", "Чужая",
                            "дог", "3", "0", "0", "1", "41", "Выпуск", "б", "0", "-------"});
        std::vector<std::string> g = {"3", "-------"};
        for (auto& x : {GroupLines("11", 9, 1, 1), GroupLines("21", 9, 2005, 2), GroupLines("41", 11, 2005, 1)})
            g.insert(g.end(), x.begin(), x.end());
        Write("gruppy.set", g);
        Write("gruprasp.set", {"7", "1", "-------", "11", "21", "нет", "41", "-------"});
        Write("praktika.gru", {"3", "-------", "41", "3", "-------", "11", "0", "-------", "21", "5", "-------"});
        Write("gruppoi.set", {"Хор", "Оркестр"});
    }
    Group& G(int i) { return model->groups[i]; }
};

TEST_F(Groups, LoadConvertsYearsResolvesSheetsAndReadsPracticeDaysByPosition) {
    LoadGroups(*model);
    Model& m = *model;
    ASSERT_EQ(m.groups.size(), 3);
    EXPECT_EQ(G(2).course, 2);  // admitted 2005 after 9 classes
    EXPECT_EQ(G(3).course, 3);  // admitted 2005 after 11 classes
    EXPECT_EQ(m.budgetGroups, 2);
    EXPECT_EQ(m.contractGroups, 1);
    ASSERT_EQ(m.divisions.size(), 1);
    EXPECT_EQ(m.divisions[1].courses[1].size(), 2);
    EXPECT_EQ(m.divisions[1].courses[1][2].financingMark, "дог");
    EXPECT_EQ(m.divisions[1].courses[4][1].group, "41");
    EXPECT_EQ(m.sheetPlanValue, 7);
    EXPECT_EQ(m.sheets[1].positions, (std::array<int, 5>{0, 1, 2, 0, 3}));
    // the first record names group 41 but belongs to the first group of the list
    EXPECT_EQ(G(1).practiceDay, 3);
    EXPECT_EQ(G(3).practiceDay, 5);
    EXPECT_EQ(m.dutyGroup, 0);  // "dezur.gr" and "gosprakt.gr" are optional
    LoadSpecialGroupLines(m);
    EXPECT_EQ(m.specialGroupLines.size(), 2);
}

TEST(CourseFromStored, YearOfAdmissionBecomesACourse) {
    struct Case {
        int stored, base, course;
    };
    for (const Case& c : {Case{3, 9, 3}, Case{2005, 9, 2}, Case{2005, 11, 3}, Case{2006, 9, 1}, Case{2005, 2, 2}})
        EXPECT_EQ(CourseFromStored(c.stored, c.base), c.course) << c.stored << " " << c.base;
}

TEST_F(Groups, SavedFilesReadBackUnchangedAndYearsBecomeCourses) {
    LoadGroups(*model);
    G(1).practiceDay = 6;
    model->dutyGroup = 2;
    model->statePracticeGroups = {0, 3, 0, 0, 0, 0, 1};
    SaveGroups(*model);
    SaveSheets(*model);
    SavePracticeDays(*model);
    SaveDutyGroup(*model);
    SaveStatePractice(*model);
    EXPECT_EQ(Read("gruppy.set")[2 + 9 + 3], "2");
    EXPECT_EQ(Read("praktika.gru")[2], "11");
    EXPECT_EQ(Read("gruprasp.set"), (std::vector<std::string>{"7", "1", "-------", "11", "21", "нет", "41", "-------"}));
    std::vector<std::string> names = {"otdel.set", "gruppy.set", "gruprasp.set", "praktika.gru", "dezur.gr", "gosprakt.gr"};
    std::vector<std::string> before;
    for (auto& n : names) before.push_back(ReadFileBytes(File(n)));
    LoadGroups(*model);
    EXPECT_EQ(G(1).practiceDay, 6);
    EXPECT_EQ(model->dutyGroup, 2);
    EXPECT_EQ(model->statePracticeGroups[6], 1);
    SaveGroups(*model);
    SaveSheets(*model);
    SavePracticeDays(*model);
    SaveDutyGroup(*model);
    SaveStatePractice(*model);
    for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(ReadFileBytes(File(names[i])), before[i]) << names[i];
}

TEST_F(Groups, StoredPositionsThatNameNoGroupCountAsNone) {
    Write("dezur.gr", {"61"});
    Write("gosprakt.gr", {"1", "-4", "3", "4", "", "2"});
    LoadGroups(*model);
    EXPECT_EQ(model->dutyGroup, 0);
    EXPECT_EQ(model->statePracticeGroups, (std::array<int, 7>{0, 1, 0, 3, 0, 2, 0}));
}

TEST_F(Groups, FindGroupTakesTheLastMatch) {
    std::vector<std::string> g = {"2", "-------"};
    for (auto& x : {GroupLines("11", 9, 1, 1), GroupLines("11", 9, 2, 1)}) g.insert(g.end(), x.begin(), x.end());
    Write("gruppy.set", g);
    LoadGroups(*model);
    model->sel.group = 1;
    EXPECT_TRUE(FindGroup(*model, "11"));
    EXPECT_EQ(model->sel.group, 2);
    EXPECT_FALSE(FindGroup(*model, "12"));
    EXPECT_EQ(model->sel.group, 2);
}

// ---------------------------------------------------------------- division cell edits

TEST_F(Groups, DivisionCellEdits) {
    LoadGroups(*model);
    struct Case {
        int field;
        std::optional<std::string> answer;
        bool saved;
        std::string caption, prompt, def;
    };
    const std::vector<Case> cases = {
        {1, "Петров П.П.", true, "Смена классного руководителя!",
         "Введите ФИО нового классного руководителя для группы 11", "Иванова И.И."},
        {1, "", false, "", "", ""},
        {2, "0", false, "Смена количества студентов!", "Введите количество студентов для группы 11", "12"},
        {2, "", false, "", "", ""},
        {2, "14", true, "", "", ""},
        {3, "11 ", false, "Смена базы!", "Введите новую базу для группы 11", "9"},
        {3, "11", true, "", "", ""},
        {4, "53.02.04", true, "Смена кода специальности!", "Введите новый код для группы 11", "53.02.03"},
        {5, std::nullopt, true, "Смена Бюдж/Дог!", "Если группа 11 договорная, введите дог", "б"},
        {5, "дог", true, "", "", ""},
    };
    for (const Case& c : cases) {
        ScriptedDialogs d;
        d.Answer(c.answer);
        EXPECT_EQ(EditDivisionCell(*model, d, 1, 1, 1, c.field), c.saved) << c.field << " " << c.answer.value_or("-");
        ASSERT_EQ(d.shown.size(), 1u);
        if (!c.caption.empty()) {
            EXPECT_EQ(d.shown[0].caption, c.caption);
            EXPECT_EQ(d.shown[0].text, c.prompt);
            EXPECT_EQ(d.shown[0].def, c.def);
        }
    }
    // every accepted change was saved and read back
    EXPECT_EQ(G(1).classTutor, "Петров П.П.");
    EXPECT_EQ(model->divisions[1].courses[1][1].students, 14);
    EXPECT_EQ(G(1).base, 11);
    EXPECT_EQ(G(1).code, "53.02.04");
    EXPECT_EQ(G(1).financing, 2);
    EXPECT_EQ(model->divisions[1].courses[1][1].financingMark, "дог");
    EXPECT_EQ(model->contractGroups, 2);
    EXPECT_EQ(Read("gruppy.set")[2 + 7], "Петров П.П.");
}

TEST_F(Groups, CancelKeepsTheContractMarkAndABadStudentNumberChangesNothing) {
    LoadGroups(*model);
    model->divisions[1].courses[1][1].financingMark = "дог";
    G(1).financing = 2;
    ScriptedDialogs d;
    d.Cancel().Answer("двенадцать");
    EXPECT_TRUE(EditDivisionCell(*model, d, 1, 1, 1, 5));
    EXPECT_EQ(G(1).financing, 2);
    try {
        EditDivisionCell(*model, d, 1, 1, 1, 2);
        FAIL() << "accepted";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "'двенадцать' is not a valid integer value");
    }
    EXPECT_EQ(model->divisions[1].courses[1][1].students, 12);
}

TEST_F(Groups, CellOfAnUnknownGroupAsksNothing) {
    LoadGroups(*model);
    model->sel.group = 3;
    ScriptedDialogs d;
    EXPECT_FALSE(EditDivisionCell(*model, d, 1, 1, 2, 1));  // cell "99"
    EXPECT_TRUE(d.shown.empty());
    EXPECT_EQ(model->sel.group, 3);
}

TEST_F(Groups, SheetCellKeepsTheAnswerAsTyped) {
    LoadGroups(*model);
    ScriptedDialogs d;
    d.Answer("41").Answer("");
    EXPECT_TRUE(EditSheetCell(*model, d, 1, 3));
    EXPECT_EQ(d.shown[0].caption, "Изменение листа расписания");
    EXPECT_EQ(d.shown[0].text, "Номер группы?");
    EXPECT_EQ(d.shown[0].def, "нет");
    EXPECT_EQ(model->sheets[1].positions[3], 3);
    EXPECT_TRUE(EditSheetCell(*model, d, 1, 1));
    EXPECT_EQ(model->sheets[1].groups[1], "");
    EXPECT_EQ(Read("gruprasp.set"), (std::vector<std::string>{"7", "1", "-------", "", "21", "41", "41", "-------"}));
}

}  // namespace
