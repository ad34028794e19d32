// Text helpers shared by screens and reports: number patterns, alignment,
// first characters, the text order, day names, options and colours.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Number by a pattern: "0" a digit always written, "#" a digit written only when
// significant, "." the locale's separator (omitted when no fractional digit is
// written). Patterns in use: "#0.00", "#0.##", "##.##", "##.#", "##0", "##0.##", "###0.##".
std::string FormatNumber(double value, std::string_view pattern);

// Decimal text padded on the left with blanks to `width` characters, never cut.
std::string RightAligned(long value, int width);
std::string RightAligned(const std::string& text, int width);

// The first n characters (not bytes) of a UTF-8 text.
std::string FirstChars(std::string_view utf8, int n);
int CharCount(std::string_view utf8);

// The text order: character by character by Windows-1251 codes, a-z counting as
// A-Z; a text that begins the other comes first.
bool TextLess(const std::string& a, const std::string& b);

// Selection sort in the text order: for each position the first entry with the
// smallest key from there on is exchanged with the entry at that position.
template <class T, class Key>
void SelectionSortByText(std::vector<T>& items, Key key) {
    for (size_t i = 0; i < items.size(); ++i) {
        size_t best = i;
        for (size_t j = i + 1; j < items.size(); ++j)
            if (TextLess(key(items[j]), key(items[best]))) best = j;
        if (best != i) std::swap(items[i], items[best]);
    }
}

// Options are 1 (on) / 2 (off), toggled by 3 - v.
inline int Toggled(int option) { return 3 - option; }

// Day names, indices 1..7 (Monday .. Sunday); index 0 is empty.
extern const char* const kShortDayNames[8];  // "Пн." ...
extern const char* const kDayNames[8];       // "Понедельник" ...
extern const char* const kLowerDayNames[8];  // "понедельник" ...

// Colours are 0xRRGGBB inside the program; configuration files store 0x00BBGGRR.
using Colour = std::uint32_t;
inline Colour ColourFromBgr(long bgr) {
    auto v = static_cast<std::uint32_t>(bgr);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
inline long ColourToBgr(Colour c) { return static_cast<long>(ColourFromBgr(static_cast<long>(c))); }
std::string ColourHex(Colour c);  // "#RRGGBB"

// The named colours the screens use.
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0xFF0000;
inline constexpr Colour kBlue = 0x0000FF;
inline constexpr Colour kNavy = 0x000080;
inline constexpr Colour kMaroon = 0x800000;
inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kLime = 0x00FF00;
inline constexpr Colour kAqua = 0x00FFFF;
inline constexpr Colour kYellow = 0xFFFF00;
inline constexpr Colour kFuchsia = 0xFF00FF;
inline constexpr Colour kPurple = 0x800080;
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kSkyBlue = 0xA6CAF0;
inline constexpr Colour kCream = 0xFFFBF0;
