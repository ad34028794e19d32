#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "common/fixtures.h"
#include "base/textfile.h"
#include "base/textutil.h"

namespace {

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> expect;  // "i:" integer read, "s:" line read, "r:" real read
};

std::string Step(TextReader& r, const std::string& step) {
    if (step[0] == 'i') return std::to_string(r.ReadInt());
    if (step[0] == 'r') return FormatReal2(r.ReadReal());
    if (step[0] == 'k') return r.Skip(), "";
    return r.ReadLine();
}

}  // namespace

TEST(TextReader, PositionalReadingRules) {
    SetDecimalSeparator(',');
    const ReadCase cases[] = {
        {"count after blank lines", "\r\n\r\n  12\r\nnext\r\n", {"i", "s"}},
        {"rest of integer line skipped", "7 штук\r\nдальше\r\n", {"i", "s"}},
        {"blank string line is empty", "\r\nтекст\r\n", {"s", "s"}},
        {"lone LF accepted", "3\nа б\nв", {"i", "s", "s"}},
        {"ctrl-z ends text", "5\r\n\x1A" "6\r\n", {"i", "i", "s"}},
        {"past the end gives empty and zero", "x", {"s", "s", "i"}},
        {"separator skipped unchecked", "1\r\n=====\r\n2\r\n", {"i", "k", "i"}},
        {"either decimal separator", "1,50\r\n2.25\r\n", {"r", "r"}},
        {"blanks are kept in strings", "  два пробела \r\n", {"s"}},
        {"tab before integer", "\t42\r\n", {"i"}},
    };
    const std::vector<std::vector<std::string>> expected = {
        {"12", "next"},   {"7", "дальше"},    {"", "текст"},   {"3", "а б", "в"}, {"5", "0", ""},
        {"x", "", "0"},   {"1", "", "2"},     {"1,50", "2,25"}, {"  два пробела "}, {"42"},
    };
    for (size_t k = 0; k < std::size(cases); ++k) {
        std::string raw;
        Utf8ToCp1251(cases[k].bytes, raw);
        TextReader r(raw, "f");
        std::vector<std::string> got;
        for (const std::string& step : cases[k].expect) got.push_back(Step(r, step));
        EXPECT_EQ(got, expected[k]) << cases[k].name;
    }
    SetDecimalSeparator('.');
}

// Lines of every length around the word size of the line search, with one
// Cyrillic byte at each place (or none) and each kind of last line end, read back as
// the whole-text decoder decodes them.
// Each byte decoded on its own, so the long-run decoding is checked against the table.
std::string DecodedByteByByte(const std::string& bytes) {
    std::string out;
    for (char c : bytes) out += Cp1251ToUtf8(std::string(1, c));
    return out;
}

TEST(TextReader, LinesOfEveryLengthAndByteReadWhole) {
    // Plain letters with one Cyrillic byte, and Cyrillic letters (the whole range
    // А..я) with one blank, "Ё" or "€" among them, at every position.
    for (const char odd : {'\xE0', ' ', '\xA8', '\x88'})
        for (const char* end : {"\n", "\r\n", ""})
            for (size_t length = 0; length <= 40; ++length)
                for (size_t high = 0; high <= length; ++high) {
                    std::string line;
                    for (size_t k = 0; k < length; ++k) {
                        const char plain = odd == '\xE0' ? static_cast<char>('a' + k % 26)
                                                         : static_cast<char>(0xC0 + (k * 37) % 64);
                        line += k == high ? odd : plain;
                    }
                    const std::string bytes = "\r\n" + line + "\n" + line + end;  // a blank line first shifts the rest
                    TextReader r(bytes, "f");
                    const std::string want = DecodedByteByByte(line);
                    EXPECT_EQ(r.ReadLine(), "");
                    EXPECT_EQ(r.ReadLine(), want) << length << " " << high;
                    EXPECT_EQ(r.ReadLine(), want) << length << " " << high;
                    EXPECT_TRUE(r.AtEnd());
                    EXPECT_EQ(Cp1251ToUtf8(line), want);
                }
}

TEST(TextReader, EntriesReadAsWholeLines) {
    // Every way a line can end, around the lone "-" that is told without decoding.
    for (const char* bytes : {"-", "-\r", "-\n", "-\r\n", "-\r\nx", "--\r\n", "-\r\r\n", "- \r\n", "-x", "x\r\n-",
                              "\xF5\xEE\xF0\r\n-\n-\r\n\xF5\xEE\xF0", "\r\n-\r\n", "-\x1A-\r\n"}) {
        TextReader lines(std::string_view(bytes), "f"), entries(std::string_view(bytes), "f");
        std::string value = "старое";
        while (!lines.AtEnd()) {
            const std::string want = lines.ReadLine();
            ASSERT_FALSE(entries.AtEnd()) << bytes;
            entries.ReadEntry(value);
            EXPECT_EQ(value, want) << bytes;
        }
        EXPECT_TRUE(entries.AtEnd()) << bytes;
    }
}

TEST(TextReader, ConversionErrorsCarryTheRuntimeMessageAndFile) {
    struct Case {
        std::string bytes;
        bool real;
        std::string message;
    } cases[] = {
        {"abc\r\n", false, "Invalid numeric input"},
        {"12x\r\n", false, "Invalid numeric input"},
        {"\r\n", true, "'' is not a valid floating point value"},
        {"1,5,0\r\n", true, "'1,5,0' is not a valid floating point value"},
        {"полтора\r\n", true, "'полтора' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        std::string raw;
        Utf8ToCp1251(c.bytes, raw);
        TextReader r(raw, "/data/x.kaf");
        try {
            if (c.real)
                r.ReadReal();
            else
                r.ReadInt();
            ADD_FAILURE() << "no error for " << c.bytes;
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), c.message);
            EXPECT_EQ(e.path(), "/data/x.kaf");
            EXPECT_EQ(e.Describe(), c.message + "\n/data/x.kaf");
        }
    }
}

TEST(TextWriter, WritesWindows1251WithCrLfAndLocaleSeparator) {
    SetDecimalSeparator(',');
    TextWriter w;
    w.Line("Ёлка").Int(-15).Real(2.5).Real(0.125).Real(0).Separator().Line("");
    EXPECT_EQ(w.bytes(), std::string("\xA8\xEB\xEA\xE0\r\n-15\r\n2,50\r\n0,13\r\n0,00\r\n-------\r\n\r\n"));
    SetDecimalSeparator('.');
    TextWriter p;
    p.Real(12.345);
    EXPECT_EQ(p.bytes(), "12.35\r\n");
}

TEST(TextWriter, RefusesTextWindows1251CannotHoldAndKeepsTheOldFile) {
    TempFolder dir;
    std::string path = dir / "a.set";
    WriteLines(path, {"старое"});
    TextWriter w;
    w.Line("Zoë ✓");
    try {
        w.Save(path);
        FAIL() << "saved";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("Windows-1251"), std::string::npos);
        EXPECT_EQ(e.path(), path);
    }
    EXPECT_EQ(ReadLines(path), std::vector<std::string>{"старое"});
}

TEST(TextFiles, MissingFileAndAtomicReplace) {
    TempFolder dir;
    try {
        TextReader::Open(dir / "нет.set");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "File not found");
        EXPECT_EQ(e.path(), dir / "нет.set");
    }
    // A write into a folder that does not exist fails before touching anything.
    EXPECT_THROW(TextWriter().Line("x").Save(dir / "no/such/x.set"), FileError);

    std::string path = dir / "b.set";
    TextWriter().Line("1").Save(path);
    TextWriter().Line("2").Line("3").Save(path);
    EXPECT_EQ(ReadLines(path), (std::vector<std::string>{"2", "3"}));
    // No temporary file is left behind.
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) entries += e.is_regular_file();
    EXPECT_EQ(entries, 1);
}

TEST(TextFiles, FilesCreatedWhenMissingAreCreatedOnlyThen) {
    TempFolder dir;
    const std::string path = dir / "a.ras";
    int created = 0;
    auto create = [&] { ++created, TextWriter().Line("новый").Int(7).Save(path); };
    TextReader fresh = OpenOrCreate(path, create);
    EXPECT_EQ(fresh.ReadLine(), "новый");
    EXPECT_EQ(fresh.ReadInt(), 7);
    TextWriter().Line("свой").Save(path);
    EXPECT_EQ(OpenOrCreate(path, create).ReadLine(), "свой");
    EXPECT_EQ(created, 1);

    // Only a regular file counts as present, as for FileExists.
    std::string bytes = "untouched";
    ::mkdir((dir / "d.vyp").c_str(), 0755);
    EXPECT_FALSE(ReadFileIfPresent(dir / "d.vyp", bytes));
    EXPECT_FALSE(ReadFileIfPresent(dir / "none.vyp", bytes));
    EXPECT_FALSE(ReadFileIfPresent(dir / "a.ras/x", bytes));
    EXPECT_EQ(bytes, "untouched");
    ASSERT_TRUE(ReadFileIfPresent(path, bytes));
    EXPECT_EQ(bytes, "\xF1\xE2\xEE\xE9\r\n");

    // Through an open folder: the same answers, and paths outside it are still read.
    const FolderHandle folder(dir.path() + "/");
    std::string viaFolder;
    ASSERT_TRUE(ReadFileIfPresent(path, viaFolder, &folder));
    EXPECT_EQ(viaFolder, bytes);
    EXPECT_FALSE(ReadFileIfPresent(dir / "d.vyp", viaFolder, &folder));
    EXPECT_FALSE(ReadFileIfPresent(dir / "none.vyp", viaFolder, &folder));
    TextWriter().Line("вложен").Save(dir / "d.vyp/in.set");
    ASSERT_TRUE(ReadFileIfPresent(dir / "d.vyp/in.set", viaFolder, &folder));
    EXPECT_EQ(viaFolder, "\xE2\xEB\xEE\xE6\xE5\xED\r\n");
    const FolderHandle missing(dir / "no/");
    ASSERT_TRUE(ReadFileIfPresent(path, viaFolder, &missing));
    EXPECT_EQ(viaFolder, bytes);

    // Files of every size around one read are read whole, an empty one too; a pipe
    // in a file's place is no file.
    for (size_t size : {0, 1, 16383, 16384, 16385, 200000}) {
        std::string text(size, 'x');
        for (size_t k = 0; k < size; k += 97) text[k] = static_cast<char>('a' + k % 26);
        WriteFileAtomically(dir / "big.set", text);
        viaFolder = "old";
        ASSERT_TRUE(ReadFileIfPresent(dir / "big.set", viaFolder, &folder)) << size;
        EXPECT_EQ(viaFolder, text) << size;
        EXPECT_EQ(ReadFileBytes(dir / "big.set"), text) << size;
    }
    ASSERT_EQ(::mkfifo((dir / "p.zan").c_str(), 0644), 0);
    EXPECT_FALSE(ReadFileIfPresent(dir / "p.zan", viaFolder, &folder));
    EXPECT_FALSE(FileExists(dir / "p.zan"));
}

TEST(TextFiles, AccessDeniedIsReported) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores permissions";
    TempFolder dir;
    ::chmod(dir.path().c_str(), 0500);
    try {
        TextWriter().Line("x").Save(dir / "c.set");
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    ::chmod(dir.path().c_str(), 0700);
}

TEST(Encoding, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x1A) all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_FALSE(IsCp1251Encodable("日本"));
    EXPECT_TRUE(IsCp1251Encodable("Пётр №5 «кв.»"));
}

TEST(Encoding, ExactlyTheDecodedCharactersEncode) {
    // Every character a byte decodes to encodes back to that byte; every other one is refused.
    std::map<std::string, int> decoded;
    for (int b = 0; b < 256; ++b) decoded[Cp1251ToUtf8(std::string(1, static_cast<char>(b)))] = b;
    ASSERT_EQ(decoded.size(), 256u);
    for (char32_t c = 0; c < 0x3000; ++c) {
        std::string u;
        if (c < 0x80) {
            u += static_cast<char>(c);
        } else if (c < 0x800) {
            u += static_cast<char>(0xC0 | (c >> 6)), u += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            u += static_cast<char>(0xE0 | (c >> 12)), u += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            u += static_cast<char>(0x80 | (c & 0x3F));
        }
        std::string out;
        auto it = decoded.find(u);
        ASSERT_EQ(Utf8ToCp1251(u, out), it != decoded.end()) << std::hex << static_cast<int>(c);
        ASSERT_EQ(IsCp1251Encodable("Я" + u + "я"), it != decoded.end()) << std::hex << static_cast<int>(c);
        ASSERT_EQ(Cp1251Codes(u), std::string(1, it != decoded.end() ? static_cast<char>(it->second) : '?'));
        if (it != decoded.end()) {
            ASSERT_EQ(out, std::string(1, static_cast<char>(it->second)));
        }
    }
}

TEST(Encoding, CodeOrderWithoutMakingTheCodes) {
    const std::vector<std::string> texts = {"", "а", "А", "Я", "я", "Ё", "ё", "Е", "№5", "5", "z", "Z", "日", "?",
                                            "Хор", "Хоровое", "Хор 1", "«Хор»", "Ритмика", "ритмика", "Ф. Хор", "€"};
    auto byCodes = [](const std::string& a, const std::string& b) {
        const std::string x = Cp1251Codes(a), y = Cp1251Codes(b);
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
            return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
        });
    };
    for (const std::string& a : texts)
        for (const std::string& b : texts) EXPECT_EQ(Cp1251CodesLess(a, b), byCodes(a, b)) << a << " < " << b;
}

TEST(Conversions, TypedIntegersAndReals) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("-3"), -3);
    for (const char* bad : {"", "4 2", "11 ", "x", "99999999999"}) {
        try {
            ParseInteger(bad);
            ADD_FAILURE() << bad;
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
    // Reals read exactly as the C notation reads, whichever separator and locale.
    const std::pair<const char*, double> reals[] = {{"1,5", 1.5},   {"1.5", 1.5},      {" 12.50 ", 12.5}, {"+3", 3},
                                                    {"-0,25", -0.25}, {"5.", 5},        {".5", 0.5},       {"0.1", 0.1},
                                                    {"36,00", 36},  {"007", 7}};
    for (const auto& [text, value] : reals) EXPECT_EQ(ParseReal(text), value) << text;
    for (const char* bad : {"1.5x", "1e5", "--1", "1 5", ".", "+", "-", "+-1", "1-"})
        EXPECT_THROW(ParseReal(bad), FileError) << bad;
}

TEST(FileNames, UnsafeKeysAreRefused) {
    EXPECT_EQ(FileNameProblem("Иванов"), "");
    EXPECT_EQ(FileNameProblem("Римский-Корсаков"), "");
    for (const char* bad : {"", "a/b", "a\\b", "..", "x..y", "tab\there", "日本"})
        EXPECT_NE(FileNameProblem(bad), "") << bad;
}

TEST(CheckCount, RefusesBeyondCapacityNamingFileAndLimit) {
    EXPECT_NO_THROW(CheckCount(30, 30, "f.kaf", "преподаватели"));
    try {
        CheckCount(31, 30, "f.kaf", "преподаватели");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("30"), std::string::npos);
        EXPECT_EQ(e.path(), "f.kaf");
    }
    EXPECT_THROW(CheckCount(-1, 30, "f.kaf", "x"), FileError);
}
