#include "base/textutil.h"

#include <cmath>

#include "base/textfile.h"

const char* const kShortDayNames[8] = {"", "Пн.", "Вт.", "Ср.", "Чт.", "Пт.", "Сб.", "Вс."};
const char* const kDayNames[8] = {"",        "Понедельник", "Вторник", "Среда",
                                  "Четверг", "Пятница",     "Суббота", "Воскресенье"};
const char* const kLowerDayNames[8] = {"",        "понедельник", "вторник", "среда",
                                       "четверг", "пятница",     "суббота", "воскресенье"};

std::string FormatNumber(double value, std::string_view pattern) {
    size_t point = pattern.find('.');
    std::string_view intPart = pattern.substr(0, point);
    std::string_view fracPart = point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
    int minInt = 0;
    for (char c : intPart)
        if (c == '0') ++minInt;
    int places = 0, minFrac = 0;
    for (char c : fracPart) {
        if (c == '0' || c == '#') ++places;
        if (c == '0') minFrac = places;
    }
    bool negative = value < 0;
    double scale = std::pow(10.0, places);
    long long scaled = static_cast<long long>(std::round(std::fabs(value) * scale));
    long long whole = scaled / static_cast<long long>(scale);
    long long frac = scaled % static_cast<long long>(scale);
    std::string fracDigits;
    for (int k = places - 1; k >= 0; --k) {
        long long p = static_cast<long long>(std::pow(10.0, k));
        fracDigits += static_cast<char>('0' + (frac / p) % 10);
    }
    while (static_cast<int>(fracDigits.size()) > minFrac && !fracDigits.empty() && fracDigits.back() == '0')
        fracDigits.pop_back();
    std::string wholeDigits = whole == 0 ? "" : std::to_string(whole);
    while (static_cast<int>(wholeDigits.size()) < minInt) wholeDigits.insert(wholeDigits.begin(), '0');
    std::string out = wholeDigits;
    if (!fracDigits.empty()) out += DecimalSeparator() + fracDigits;
    if (negative && scaled != 0 && !out.empty()) out.insert(out.begin(), '-');
    return out;
}

std::string RightAligned(const std::string& text, int width) {
    int n = CharCount(text);
    return n >= width ? text : std::string(width - n, ' ') + text;
}

std::string RightAligned(long value, int width) { return RightAligned(std::to_string(value), width); }

int CharCount(std::string_view utf8) {
    int n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string FirstChars(std::string_view utf8, int n) {
    if (n <= 0) return "";
    int seen = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (seen == n) return std::string(utf8.substr(0, i));
            ++seen;
        }
    }
    return std::string(utf8);
}

bool TextLess(const std::string& a, const std::string& b) {
    std::string x = Cp1251Codes(a), y = Cp1251Codes(b);
    size_t n = std::min(x.size(), y.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char p = static_cast<unsigned char>(x[i]), q = static_cast<unsigned char>(y[i]);
        if (p >= 'a' && p <= 'z') p -= 32;
        if (q >= 'a' && q <= 'z') q -= 32;
        if (p != q) return p < q;
    }
    return x.size() < y.size();
}

std::string ColourHex(Colour c) {
    static const char* hex = "0123456789ABCDEF";
    std::string s = "#";
    for (int shift = 20; shift >= 0; shift -= 4) s += hex[(c >> shift) & 0xF];
    return s;
}
