#include <gtest/gtest.h>

#include "store/departments.h"
#include "timetable/model_fixture.h"

namespace {

TEST(TeacherReferences, ExtractAndSpecialisationTeachersBlockRemoval) {
    SmallCollege c;
    c.AddGroups({"101", "102"});
    c.AddTeachers({"Иванова", "Смит", "Сидоров", "Петров"});
    c.m().extracts[1].lines.push_back(ExtractLine{"Хор", 2, "Иванова"});
    c.m().extracts[2].lines.push_back(ExtractLine{"Язык", 0, "-", 2, "Петров", 2, "Смит"});
    Specialisation s;
    s.division = "Фортепиано";
    s.course = 2;
    s.variants = 2;
    s.cell(2, 1).teacher = "Сидоров";
    c.m().specialisations.push_back(s);

    auto refusal = [&](const std::string& surname) {
        return TeacherRemovalRefusalFor(surname, ExtractTeacherLists(c.m()), SpecialisationTeacherLists(c.m()));
    };
    ASSERT_TRUE(refusal("Смит"));
    EXPECT_EQ(refusal("Смит")->prompt, "У преподавателя нагрузка!");
    EXPECT_EQ(refusal("Смит")->text, "Смит - 102 гр.");
    ASSERT_TRUE(refusal("Сидоров"));
    EXPECT_EQ(refusal("Сидоров")->text, "Сидоров - Фортепиано - 2 курс");
    EXPECT_FALSE(refusal("Кузнецова"));
}

}  // namespace
