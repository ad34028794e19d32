// The present moment, through an interface so that tests and `--at` fix it.
#pragma once
#include <string>

struct DateTime {
    int year = 2000, month = 1, day = 1;
    int weekday = 1;  // 1 = Monday ... 7 = Sunday
    int hour = 0, minute = 0, second = 0;
    int MinuteOfDay() const { return hour * 60 + minute; }
};

// Weekday of a calendar date, 1 = Monday ... 7 = Sunday.
int WeekdayOf(int year, int month, int day);
// "YYYY-MM-DD HH:MM" (seconds optional); false when the text is not such a moment.
bool ParseDateTime(const std::string& text, DateTime& out);

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
};

class SystemClock : public Clock {
public:
    DateTime Now() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime at) : at_(at) {}
    DateTime Now() const override { return at_; }
    void Set(DateTime at) { at_ = at; }

private:
    DateTime at_;
};
