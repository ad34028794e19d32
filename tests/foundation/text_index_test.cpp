#include "base/text_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TextIndex, NumbersDistinctTextsInFirstInsertionOrder) {
    // More texts than expected (the table grows), texts sharing their first eight
    // bytes or their length, the empty text and Cyrillic ones.
    std::vector<std::string> texts = {"", "-", "Иванова", "Иванов", "Иванова-Петрова", "abcdefgh", "abcdefgi",
                                      "abcdefghabcdefgh", "abcdefghabcdefgi"};
    for (int k = 0; k < 100; ++k) texts.push_back("Преподаватель " + std::to_string(k));
    TextIndex index(3);
    for (size_t k = 0; k < texts.size(); ++k) EXPECT_EQ(index.Insert(texts[k]), static_cast<int>(k)) << texts[k];
    for (size_t k = 0; k < texts.size(); ++k) {
        EXPECT_EQ(index.Insert(texts[k]), static_cast<int>(k)) << texts[k];  // a second insertion keeps the number
        EXPECT_EQ(index.Find(texts[k]), static_cast<int>(k)) << texts[k];
    }
    EXPECT_EQ(index.size(), texts.size());
    for (const char* absent : {"Иванов ", "abcdefg", "abcdefghabcdefg", "Преподаватель 100", " "}) {
        EXPECT_EQ(index.Find(absent), -1) << absent;
        EXPECT_FALSE(index.Contains(absent)) << absent;
    }
    EXPECT_FALSE(TextIndex(0).Contains(""));
}

}  // namespace
