#include <gtest/gtest.h>

#include "absences/absent_groups.h"
#include "store/pseudonyms.h"
#include "timetable/model_fixture.h"
#include "store/written_work.h"

namespace {

struct Lists : SmallCollege {
    std::string PseudonymPath() { return m().config.listsFolder + "psevdon.set"; }
};

TEST(Pseudonyms, PrintFormWithAndWithoutMarkerPrefix) {
    Lists c;
    WriteLines(c.PseudonymPath(), {"Физическая культура", "Физ. культура", "Физ-ра", "-------",
                                   "Английский язык", "Англ. язык", "Англ.", "-------"});
    LoadPseudonyms(c.m());
    ASSERT_EQ(c.m().pseudonyms.size(), 2);
    EXPECT_EQ(c.m().pseudonyms[1].fullName, "Английский язык");  // kept in order of full names

    struct Case {
        std::string name;
        int kind;
        std::string form;
    } cases[] = {
        {"Физическая культура", 1, "Физ. культура"},
        {"Ф. Физическая культура", 1, "Физ. культура"},
        {"Ф.Физическая культура", 2, "Физ-ра"},
        {"Ф.  Физическая культура", 1, " Физическая культура"},  // only "Ф. " is removed
        {"Ф. Хоровой класс", 1, "Хоровой класс"},                 // no pseudonym: the name without prefix
        {"Фортепиано", 2, "Фортепиано"},
        {"Физическая культура ", 1, "Физическая культура "},
    };
    for (const Case& k : cases) EXPECT_EQ(PrintForm(c.m(), k.name, k.kind), k.form) << k.name;
}

TEST(Pseudonyms, SavingKeepsTheListSortedAndReplacesExisting) {
    Lists c;
    WriteLines(c.PseudonymPath(), {});
    LoadPseudonyms(c.m());
    EXPECT_TRUE(SavePseudonym(c.m(), "Сольфеджио", "Сольф.", "Сол."));  // empty list: position 1
    EXPECT_TRUE(SavePseudonym(c.m(), "Ф. Ёлочные игрушки", "Ёлки", "Ёл."));
    EXPECT_TRUE(SavePseudonym(c.m(), "Хоровой класс", "Хор. кл.", "Хор"));
    EXPECT_TRUE(SavePseudonym(c.m(), "Анализ", "Ан.", "Ан."));
    EXPECT_TRUE(SavePseudonym(c.m(), "Хоровой класс", "Хор", ""));  // an empty form changes nothing
    EXPECT_TRUE(SavePseudonym(c.m(), "Сольфеджио", "Сольфедж.", "С-о"));

    // Windows-1251 order: "Ё" (0xA8) before "А" (0xC0).
    EXPECT_EQ(ReadLines(c.PseudonymPath()),
              (std::vector<std::string>{"Ёлочные игрушки", "Ёлки", "Ёл.", "-------", "Анализ", "Ан.", "Ан.",
                                        "-------", "Сольфеджио", "Сольфедж.", "С-о", "-------", "Хоровой класс",
                                        "Хор. кл.", "Хор", "-------"}));
    EXPECT_EQ(c.m().pseudonyms.size(), 4);
    LoadPseudonyms(c.m());
    EXPECT_EQ(FindPseudonym(c.m(), "Хоровой класс"), 4);
    EXPECT_EQ(FindPseudonym(c.m(), "Хоровой"), 0);

    c.m().pseudonyms.resize(kMaxPseudonyms);
    EXPECT_FALSE(SavePseudonym(c.m(), "Новая дисциплина", "Н.", "Н."));
}

TEST(WrittenWorkRules, LoadAndMatch) {
    Lists c;
    WriteLines(c.m().config.listsFolder + "pismen.set",
               {"Проверка письменных работ", "3", "Русский язык", "1", "15", "Математ", "2", "10", "Литература", "1",
                "25"});
    LoadWrittenWorkRules(c.m());
    ASSERT_EQ(c.m().writtenWorkRules.size(), 3);
    const auto& r = c.m().writtenWorkRules;
    EXPECT_TRUE(RuleMatches(r[1], "Русский язык"));
    EXPECT_FALSE(RuleMatches(r[1], "Русский язык и культура речи"));
    EXPECT_TRUE(RuleMatches(r[2], "Математика"));
    EXPECT_TRUE(RuleMatches(r[2], "Математ"));
    EXPECT_FALSE(RuleMatches(r[2], "Матем"));
    EXPECT_FALSE(RuleMatches(r[3], "Литература"));  // 25 % never counts

    WriteLines(c.m().config.listsFolder + "pismen.set", {"x", "51"});
    EXPECT_THROW(LoadWrittenWorkRules(c.m()), FileError);
}

TEST(AbsentTeacherGroups, GroupsWithAnyEntryOfAnAbsentTeacher) {
    SmallCollege c;
    c.AddGroups({"101", "102", "103", "104"});
    c.Put(1, 1, 1, 1, "Хор", "Петров");
    c.Put(2, 6, 14, 3, "Немецкий язык", "Шульц");  // only a subgroup-2 lesson
    c.Put(3, 3, 3, 1, "Ритмика", "Иванова");
    c.Put(4, 2, 2, 2, "Хор", "Шульц");
    c.m().absentTeachers.push_back(AbsentTeacher{"Шульц", "Шульц Г.Г."});
    c.m().absentTeachers.push_back(AbsentTeacher{"Петров", "Петров П.П."});
    ComputeAbsentTeacherGroups(c.m());
    ASSERT_EQ(c.m().absentTeacherGroups.size(), 3);
    EXPECT_EQ(c.m().absentTeacherGroups[1], 1);
    EXPECT_EQ(c.m().absentTeacherGroups[2], 2);
    EXPECT_EQ(c.m().absentTeacherGroups[3], 4);
    // A surname written like an empty entry matches the empty entries of every group.
    c.m().absentTeachers.push_back(AbsentTeacher{"-", "-"});
    ComputeAbsentTeacherGroups(c.m());
    EXPECT_EQ(c.m().absentTeacherGroups.size(), 4);
    c.m().absentTeachers.clear();
    ComputeAbsentTeacherGroups(c.m());
    EXPECT_TRUE(c.m().absentTeacherGroups.empty());
}

}  // namespace
