#include <gtest/gtest.h>

#include "base/textfile.h"
#include "base/textutil.h"

TEST(FormatNumber, Patterns) {
    SetDecimalSeparator(',');
    struct {
        double v;
        const char* pattern;
        const char* text;
    } cases[] = {
        {2.5, "#0.00", "2,50"},   {0, "#0.00", "0,00"},      {2.5, "#0.##", "2,5"},     {3, "#0.##", "3"},
        {0, "#0.##", "0"},        {0, "##.##", ""},          {0.5, "##.#", ",5"},       {12.345, "##.##", "12,35"},
        {0, "##0", "0"},          {7.6, "##0", "8"},         {1234.5, "###0.##", "1234,5"},
        {0.004, "##.##", ""},     {-1.5, "#0.00", "-1,50"},  {18, "##0.##", "18"},      {0.25, "##0.##", "0,25"},
    };
    for (auto& c : cases) EXPECT_EQ(FormatNumber(c.v, c.pattern), c.text) << c.v << " " << c.pattern;
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatNumber(2.5, "#0.00"), "2.50");
}

TEST(TextHelpers, AlignmentAndFirstCharacters) {
    EXPECT_EQ(RightAligned(7, 3), "  7");
    EXPECT_EQ(RightAligned(12345, 3), "12345");
    EXPECT_EQ(RightAligned("ж", 3), "  ж");
    EXPECT_EQ(FirstChars("Сольфеджио", 4), "Соль");
    EXPECT_EQ(FirstChars("Хор", 10), "Хор");
    EXPECT_EQ(FirstChars("Хор", 0), "");
}

TEST(TextOrder, SingleByteCodesWithLatinFolded) {
    EXPECT_TRUE(TextLess("abc", "ABD"));
    EXPECT_FALSE(TextLess("ABC", "abc"));
    EXPECT_FALSE(TextLess("abc", "ABC"));
    EXPECT_TRUE(TextLess("Хор", "Хоровой класс"));  // a beginning comes first
    EXPECT_TRUE(TextLess("Z", "А"));                // Latin before Cyrillic by code
    EXPECT_TRUE(TextLess("Ё", "А"));                // Ё is 0xA8, below А (0xC0)
    EXPECT_FALSE(TextLess("б", "Б"));               // Cyrillic is not folded: б (0xE1) > Б (0xC1)
    EXPECT_TRUE(TextLess("Б", "б"));

    struct Item {
        std::string key;
        int tag;
    };
    std::vector<Item> items = {{"в", 1}, {"а", 2}, {"б", 3}, {"а", 4}};
    SelectionSortByText(items, [](const Item& i) { return i.key; });
    std::vector<int> tags;
    for (auto& i : items) tags.push_back(i.tag);
    // Selection by exchange: the first "а" is found first, then "б" is swapped away
    // from position 3 and the second "а" comes second.
    EXPECT_EQ(tags, (std::vector<int>{2, 4, 3, 1}));
}

TEST(Colours, ConfigurationFormIsBgr) {
    EXPECT_EQ(ColourFromBgr(0x0000FF), 0xFF0000u);
    EXPECT_EQ(ColourFromBgr(0xFF0000), 0x0000FFu);
    EXPECT_EQ(ColourFromBgr(0x00F0CAA6), 0xA6CAF0u);
    EXPECT_EQ(ColourHex(0xA6CAF0), "#A6CAF0");
    EXPECT_EQ(Toggled(1), 2);
    EXPECT_EQ(Toggled(2), 1);
}
