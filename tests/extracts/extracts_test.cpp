#include "extracts/extracts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "timetable/model_fixture.h"

namespace {

struct ExtractFiles : SmallCollege {
    ExtractFiles() {
        AddGroups({"101", "102", "103"});
        AddTeachers({"Иванова", "Смит", "Шульц"});
    }
    std::string Path(const std::string& group) { return m().config.extractsFolder + group + ".vyp"; }
};

TEST(Extracts, LoadNormalisesAndRewritesEveryFileRead) {
    ExtractFiles c;
    WriteLines(c.Path("101"), {"старый номер", "  3", "xxx",
                               "Сольфеджио", "2", "Иванова", "-", "-", "-", "-", "-------",
                               "Английский язык", "-", "-", "2", "Смит", "2", "Уехавший", "-------",
                               "Хор", "1", "", "0", "-", "0", "Неизвестный", "-------"});
    LoadAllExtracts(c.m());

    EXPECT_EQ(ReadLines(c.Path("101")),
              (std::vector<std::string>{"101", "3", "-------",
                                        "Сольфеджио", "2", "Иванова", "0", "-", "0", "-", "-------",
                                        "Английский язык", "0", "-", "2", "Смит", "2", "Неизвестный", "-------",
                                        "Хор", "1", "Неизвестный", "0", "-", "0", "Неизвестный", "-------"}));
    const GroupExtract& x = c.m().extracts[1];
    ASSERT_EQ(x.lines.size(), 3);
    EXPECT_EQ(x.lines[2].teacherSub2, "Неизвестный");
    EXPECT_EQ(x.lines[2].hoursSub2, 2);
    // Split line of 2 hours per subgroup adds 2: 2 + 2 + 1.
    EXPECT_EQ(x.totalHours, 5);
    // A group without a file has no lines and no file is made for it.
    EXPECT_TRUE(c.m().extracts[2].lines.empty());
    EXPECT_FALSE(FileExists(c.Path("102")));
    EXPECT_EQ(ExtractLineCount(c.m()), 3);
}

TEST(Extracts, RenamedTeacherBecomesUnknownOnReload) {
    ExtractFiles c;
    WriteLines(c.Path("102"), {"102", "1", "-------", "Хор", "2", "Шульц", "0", "-", "0", "-", "-------"});
    LoadAllExtracts(c.m());
    EXPECT_EQ(c.m().extracts[2].lines[1].teacherGroup, "Шульц");
    c.m().departments[1].teachers[3].surname = "Шульц-Майер";
    LoadAllExtracts(c.m());
    EXPECT_EQ(c.m().extracts[2].lines[1].teacherGroup, "Неизвестный");
    EXPECT_EQ(ReadLines(c.Path("102"))[5], "Неизвестный");
}

TEST(Extracts, OnlyFilesThatDifferFromTheirNormalisedTextAreRewritten) {
    const std::string written = "101\r\n1\r\n-------\r\nХор\r\n2\r\nИванова\r\n0\r\n-\r\n0\r\nНеизвестный\r\n-------\r\n";
    struct Case {
        std::string text;  // UTF-8, converted to the file's code page
        bool rewritten;
    } cases[] = {
        {written, false},
        {written.substr(0, written.size() - 2), true},          // no line end after the last line
        {written + "\r\n", true},                               // a blank line after the last record
        {written + "\x1A", true},                                // an end-of-file mark
        {"101\n1\n-------\nХор\n2\nИванова\n0\n-\n0\nНеизвестный\n-------\n", true},  // LF only
        {"102\r\n" + written.substr(5), true},                  // another group's number
        {"101\r\n 1\r\n" + written.substr(8), true},          // a blank before the count
        {"101\r\n1\r\n-------\r\nХор\r\n02\r\nИванова\r\n0\r\n-\r\n0\r\nНеизвестный\r\n-------\r\n", true},
        {"101\r\n1\r\n-------\r\nХор\r\n2\r\nИванова\r\n-\r\n-\r\n0\r\nНеизвестный\r\n-------\r\n", true},
        {"101\r\n1\r\n-------\r\nХор\r\n2\r\nИванова\r\n0\r\n-\r\n0\r\nНикто\r\n-------\r\n", true},
        {"101\r\n1\r\n-------\r\nХор\r\n2\r\nИванова\r\n0\r\n-\r\n0\r\nНеизвестный\r\n--------\r\n", true},
    };
    for (const Case& k : cases) {
        ExtractFiles c;
        std::string bytes;
        ASSERT_TRUE(Utf8ToCp1251(k.text, bytes));
        WriteFileAtomically(c.Path("101"), bytes);
        struct stat old {};
        ::stat(c.Path("101").c_str(), &old);
        LoadAllExtracts(c.m());
        std::string want;
        ASSERT_TRUE(Utf8ToCp1251(written, want));
        EXPECT_EQ(ReadFileBytes(c.Path("101")), k.rewritten ? want : bytes) << k.text;
        struct stat now {};
        ::stat(c.Path("101").c_str(), &now);
        EXPECT_EQ(now.st_ino != old.st_ino, k.rewritten) << k.text;  // a rewrite replaces the file
        EXPECT_EQ(c.m().extracts[1].lines[1].teacherSub2, "Неизвестный");
        EXPECT_EQ(c.m().extracts[1].totalHours, 2);
    }
}

TEST(Extracts, AFileIsRewrittenExactlyWhenItDiffersFromWhatWouldBeWritten) {
    // Small edits of a normalised file at every kind of place: each loaded file is
    // rewritten if and only if its bytes differ from the text its extract writes.
    std::string written;
    ASSERT_TRUE(Utf8ToCp1251("101\r\n2\r\n-------\r\nХор\r\n2\r\nИванова\r\n0\r\n-\r\n0\r\nНеизвестный\r\n-------\r\n"
                             "Язык\r\n0\r\n-\r\n2\r\nСмит\r\n2\r\nШульц\r\n-------\r\n",
                             written));
    const std::string pieces[] = {"\r", "\n", "\r\n", " ", "-", "0", "1", "\x1A", "\xDF"};
    unsigned seed = 12345;
    auto next = [&seed](unsigned n) { return (seed = seed * 1103515245u + 12345u) / 65536u % n; };
    int loaded = 0, rewritten = 0;
    for (int k = 0; k < 400; ++k) {
        std::string bytes = written;
        const size_t at = next(static_cast<unsigned>(bytes.size()) + 1);
        if (next(2) == 0 && at < bytes.size())
            bytes.erase(at, 1);
        else
            bytes.insert(at, pieces[next(std::size(pieces))]);
        if (k % 10 == 0) bytes = written;  // and the normalised file itself now and then
        ExtractFiles c;
        WriteFileAtomically(c.Path("101"), bytes);
        struct stat old {};
        ::stat(c.Path("101").c_str(), &old);
        try {
            LoadAllExtracts(c.m());
        } catch (const FileError&) {
            EXPECT_EQ(ReadFileBytes(c.Path("101")), bytes);  // a refused file stays as it was
            continue;
        }
        ++loaded;
        const bool differs = bytes != ExtractFileBytes("101", c.m().extracts[1]);
        struct stat now {};
        ::stat(c.Path("101").c_str(), &now);
        EXPECT_EQ(now.st_ino != old.st_ino, differs) << k << " at " << at;
        if (differs) ++rewritten;
        EXPECT_EQ(ReadFileBytes(c.Path("101")), ExtractFileBytes("101", c.m().extracts[1])) << k;
    }
    EXPECT_GT(loaded, 100);
    EXPECT_GT(rewritten, 50);
    EXPECT_GT(loaded - rewritten, 40);
}

TEST(Extracts, BadFilesAreRefusedNamingTheFileAndNothingIsRewritten) {
    std::vector<std::string> good = {"x", "1", "-------", "Хор", "-", "Иванова", "0", "-", "0", "-", "-------"};
    std::vector<std::vector<std::string>> bad = {
        {"103", "31", "-------"},
        {"103", "-1", "-------"},
        {"103", "1", "-------", "Хор", "два", "Иванова", "0", "-", "0", "-", "-------"},
        {"103", "1", "-------", "Хор", "2", "Иванова", "1.5", "-", "0", "-", "-------"},
        {"103", "1", "-------", "Хор", "-3", "Иванова", "0", "-", "0", "-", "-------"},
        {"103", "2", "-------", "Хор", "2", "Иванова", "0", "-", "0", "-", "-------", "Оркестр", "1"},
    };
    for (const auto& lines : bad) {
        ExtractFiles c;
        WriteLines(c.Path("101"), good);
        WriteLines(c.Path("103"), lines);
        const std::string before101 = ReadFileBytes(c.Path("101")), before103 = ReadFileBytes(c.Path("103"));
        try {
            LoadAllExtracts(c.m());
            ADD_FAILURE() << "accepted: " << lines[1];
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), c.Path("103"));
        }
        EXPECT_EQ(ReadFileBytes(c.Path("103")), before103);
        EXPECT_EQ(ReadFileBytes(c.Path("101")), before101);  // the good file is not rewritten either
        EXPECT_TRUE(c.m().extracts[1].lines.empty());
    }
}

TEST(Extracts, SaveAndSaveAsReload) {
    ExtractFiles c;
    WriteLines(c.Path("101"), {"101", "1", "-------", "Хор", "2", "Иванова", "0", "-", "0", "-", "-------"});
    LoadAllExtracts(c.m());
    c.m().sel.group = 1;
    c.m().extracts[1].lines.push_back(ExtractLine{"Ритмика", 1, "Никто"});
    SaveCurrentExtract(c.m());
    EXPECT_EQ(c.m().extracts[1].lines[2].teacherGroup, "Неизвестный");
    EXPECT_EQ(c.m().extracts[1].totalHours, 3);

    SaveExtractAs(c.m(), "103");
    EXPECT_EQ(ReadLines(c.Path("103"))[0], "103");
    ASSERT_EQ(c.m().extracts[3].lines.size(), 2);
    EXPECT_EQ(c.m().extracts[3].lines[1].discipline, "Хор");
    EXPECT_THROW(SaveExtractAs(c.m(), "../101"), FileError);
}

TEST(Extracts, RemainingText) {
    struct Case {
        ExtractLine line;
        std::array<int, 4> placed;
        std::string text;
    } cases[] = {
        {{"Хор", 3, "Иванова"}, {0, 1, 0, 0}, "  2"},
        {{"Хор", 3, "Иванова"}, {0, 3, 0, 0}, ""},
        {{"Хор", 3, "Иванова"}, {0, 5, 0, 0}, ""},  // placed too often: nothing, never negative
        {{"Язык", 0, "-", 2, "Смит", 2, "Шульц"}, {0, 0, 1, 0}, "1 / 2"},
        {{"Язык", 0, "-", 2, "Смит", 2, "Шульц"}, {0, 0, 2, 1}, " / 1"},
        {{"Язык", 0, "-", 2, "Смит", 2, "Шульц"}, {0, 0, 1, 2}, "1 / "},
        {{"Язык", 0, "-", 2, "Смит", 2, "Шульц"}, {0, 0, 2, 3}, ""},
        {{"Язык", 0, "-", 2, "Смит", 0, "-"}, {0, 0, 0, 0}, ""},  // neither shape
    };
    for (Case& k : cases) {
        k.line.placed = k.placed;
        EXPECT_EQ(RemainingText(k.line), k.text) << k.line.discipline << " " << k.placed[1] << k.placed[2];
    }
}

TEST(Extracts, SpecialNamesBehaveAsOneClassEach) {
    for (const char* n : {"Педпрактика", "Педагогическая практика"}) {
        EXPECT_TRUE(IsTeachingPractice(n));
        EXPECT_TRUE(CountsAsPracticeLoad(n));
    }
    EXPECT_FALSE(IsTeachingPractice("Практика"));
    EXPECT_TRUE(CountsAsPracticeLoad("Практика"));
    for (const char* n :
         {"Дисциплины допподготовки", "Дисциплины дополнительной подготовки", "Дисциплины доп.подготовки"})
        EXPECT_TRUE(IsAdditionalTraining(n));
    EXPECT_FALSE(IsAdditionalTraining("дисциплины допподготовки"));
    EXPECT_TRUE(IsOverviewDiscipline("Физическая культура"));
    EXPECT_FALSE(IsOverviewDiscipline("Педпрактика"));
}

}  // namespace
