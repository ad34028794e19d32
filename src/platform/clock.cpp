#include "platform/clock.h"

#include <cstdio>
#include <ctime>

int WeekdayOf(int year, int month, int day) {
    // Sakamoto's method: 0 = Sunday.
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    int w = (year + year / 4 - year / 100 + year / 400 + t[month - 1] + day) % 7;
    return w == 0 ? 7 : w;
}

bool ParseDateTime(const std::string& text, DateTime& out) {
    DateTime d;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%n", &d.year, &d.month, &d.day, &d.hour, &d.minute, &consumed) != 5)
        return false;
    if (consumed < static_cast<int>(text.size())) {
        int more = 0;
        if (std::sscanf(text.c_str() + consumed, ":%2d%n", &d.second, &more) != 1 ||
            consumed + more != static_cast<int>(text.size()))
            return false;
    }
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31 || d.hour > 23 || d.minute > 59 || d.second > 59)
        return false;
    d.weekday = WeekdayOf(d.year, d.month, d.day);
    out = d;
    return true;
}

DateTime SystemClock::Now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    DateTime d;
    d.year = tm.tm_year + 1900;
    d.month = tm.tm_mon + 1;
    d.day = tm.tm_mday;
    d.weekday = tm.tm_wday == 0 ? 7 : tm.tm_wday;
    d.hour = tm.tm_hour;
    d.minute = tm.tm_min;
    d.second = tm.tm_sec;
    return d;
}
