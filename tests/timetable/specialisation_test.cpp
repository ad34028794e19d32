#include "timetable/specialisation.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "timetable/model_fixture.h"

namespace {

struct SpecialisationFiles : SmallCollege {
    SpecialisationFiles() {
        AddGroups({"101", "102", "201"});
        AddTeachers({"Сидоров", "Кузнецова"});
        const std::string f = m().config.specialisationFolder;
        WriteLines(f + "spec.set", {"2", "---", "Ф-1", "Ф", "1", "2", "2", "101", "102", "---", "Ф-2", "Ф", "2", "1",
                                    "1", "201", "---"});
        WriteLines(f + "Ф-1.spe", {"Ф-1", "3", "2", "2", "-------",
                                   "1", "Сидоров", "12", "4", "Уволенный", "14", "5", "-------",
                                   "2", "Кузнецова", "-", "4", "Неизвестный", "-", "0", "-------"});
        WriteLines(f + "Ф-2.spe", {"Ф-2", "3", "9", "1", "-------", "1", "Сидоров", "Зал", "4", "-------"});
    }
};

std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Specialisations, LoadReadsListAndCellsAndWritesNothing) {
    SpecialisationFiles c;
    const std::string f = c.m().config.specialisationFolder;
    const std::string before = ReadFileBytes(f + "Ф-1.spe");
    auto names = Listing(f);
    LoadSpecialisations(c.m());
    EXPECT_EQ(Listing(f), names);
    EXPECT_EQ(ReadFileBytes(f + "Ф-1.spe"), before);

    ASSERT_EQ(c.m().specialisations.size(), 2);
    const Specialisation& s = c.m().specialisations[1];
    EXPECT_EQ(s.key, "Ф-1");
    EXPECT_EQ(s.day, 3);
    EXPECT_EQ(s.hours, 2);
    EXPECT_EQ(s.variants, 2);
    ASSERT_EQ(s.groups.size(), 2);
    EXPECT_EQ(s.cell(1, 1).teacher, "Сидоров");
    EXPECT_EQ(s.cell(1, 1).room, "12");
    EXPECT_EQ(s.cell(1, 1).lesson, 4);
    // A teacher in no department list: unknown, no room, not placed.
    EXPECT_EQ(s.cell(1, 2).teacher, "Неизвестный");
    EXPECT_EQ(s.cell(1, 2).room, "-");
    EXPECT_EQ(s.cell(1, 2).lesson, 0);
    // The hours of spec.set count, not those of the .spe file.
    EXPECT_EQ(c.m().specialisations[2].hours, 1);
    EXPECT_EQ(c.m().specialisationDay[1], 3);
    EXPECT_EQ(c.m().specialisationDay[3], 3);
}

TEST(Specialisations, SavedFilesReadBackTheSame) {
    SpecialisationFiles c;
    LoadSpecialisations(c.m());
    const std::string f = c.m().config.specialisationFolder;
    const std::string list = ReadFileBytes(f + "spec.set");
    SaveSpecialisationList(c.m());
    EXPECT_EQ(ReadFileBytes(f + "spec.set"), list);
    c.m().specialisations[2].cell(1, 1).room = "Малый зал";
    SaveSpecialisation(c.m(), 2);
    EXPECT_EQ(ReadLines(f + "Ф-2.spe"),
              (std::vector<std::string>{"Ф-2", "3", "1", "1", "-------", "1", "Сидоров", "Малый зал", "4", "-------"}));
    LoadSpecialisations(c.m());
    EXPECT_EQ(c.m().specialisations[2].cell(1, 1).room, "Малый зал");
}

TEST(Specialisations, FindLessonTakesTheLastMatchAndMakesItCurrent) {
    SpecialisationFiles c;
    LoadSpecialisations(c.m());
    c.m().currentSpecialisation = 1;
    EXPECT_EQ(FindSpecialisationLesson(c.m(), "Сидоров", 3, 4), 2);
    EXPECT_EQ(c.m().currentSpecialisation, 2);
    EXPECT_EQ(SpecialisationLessonRoom(c.m(), 2, "Сидоров", 4), "Зал");
    EXPECT_EQ(FindSpecialisationLesson(c.m(), "Сидоров", 2, 4), 0);
    EXPECT_EQ(c.m().currentSpecialisation, 2);
    // The unknown cell's lesson 5 no longer counts.
    EXPECT_EQ(FindSpecialisationLesson(c.m(), "Уволенный", 3, 5), 0);
    EXPECT_EQ(SpecialisationOccupantText(c.m(), "14", 3, 5), "");
    EXPECT_EQ(SpecialisationOccupantText(c.m(), "Зал", 3, 4), "Специализация Ф-2 курс : Сидоров");
}

TEST(Specialisations, FilesBeyondTheTablesAreRefused) {
    struct Case {
        std::vector<std::string> list, spe;
    } cases[] = {
        {{"13", "---"}, {}},
        {{"1", "---", "Ф-1", "Ф", "1", "11", "1", "101", "---"}, {"Ф-1", "3", "11", "1", "-------"}},
        {{"1", "---", "Ф-1", "Ф", "1", "1", "1", "101", "---"}, {"Ф-1", "3", "1", "9", "-------"}},
        {{"1", "---", "Ф-1", "Ф", "1", "1", "1", "101", "---"}, {"Ф-1", "7", "1", "1", "-------"}},
        {{"1", "---", "Ф-1", "Ф", "1", "1", "1", "101", "---"},
         {"Ф-1", "3", "1", "1", "-------", "1", "Сидоров", "-", "15", "-------"}},
        {{"1", "---", "../x", "Ф", "1", "1", "1", "101", "---"}, {}},
    };
    for (const Case& k : cases) {
        SpecialisationFiles c;
        LoadSpecialisations(c.m());
        const std::string f = c.m().config.specialisationFolder;
        WriteLines(f + "spec.set", k.list);
        if (!k.spe.empty()) WriteLines(f + "Ф-1.spe", k.spe);
        EXPECT_THROW(LoadSpecialisations(c.m()), FileError) << k.list[0] << " " << (k.spe.empty() ? "" : k.spe[1]);
        ASSERT_EQ(c.m().specialisations.size(), 2);  // unchanged, entries and cells alike
        EXPECT_EQ(c.m().specialisations[2].key, "Ф-2");
        EXPECT_EQ(c.m().specialisations[1].cell(1, 1).teacher, "Сидоров");
        EXPECT_EQ(c.m().specialisations[1].cell(1, 2).teacher, "Неизвестный");
        EXPECT_EQ(c.m().specialisations[2].cell(1, 1).room, "Зал");
    }
}

}  // namespace
