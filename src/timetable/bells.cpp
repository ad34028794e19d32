#include "timetable/bells.h"

#include <algorithm>

#include "shell/model.h"
#include "base/textfile.h"

void ReadBellSet(const std::string& path, BellSet& set) {
    set = BellSet{};
    TextReader r = TextReader::Open(path);
    long n = r.ReadInt();
    r.Skip();
    // Records beyond the fourteenth are not read.
    int count = n <= 0 ? 0 : n > kMaxBellLessons ? kMaxBellLessons : static_cast<int>(n);
    for (int k = 1; k <= count; ++k) {
        BellLesson& b = set.lessons[k];
        r.Skip();
        std::string startHour = r.ReadLine(), startMinute = r.ReadLine();
        long sh = r.ReadInt(), sm = r.ReadInt();
        std::string endHour = r.ReadLine(), endMinute = r.ReadLine();
        long eh = r.ReadInt(), em = r.ReadInt();
        b.breakAfter = static_cast<int>(r.ReadInt());
        r.Skip();
        b.startText = startHour + "." + startMinute;
        b.endText = endHour + "." + endMinute;
        b.start = static_cast<int>(sh * 60 + sm);
        b.end = static_cast<int>(eh * 60 + em);
    }
    set.count = count;
}

void LoadBellSchedules(Model& model) {
    BellSchedule bells;
    ReadBellSet(model.config.bellsFolder + "1.uro", bells.sets[1]);
    ReadBellSet(model.config.bellsFolder + "2.uro", bells.sets[2]);
    model.bells = bells;
}

int BellSetOfDay(int day) { return day == 6 ? 2 : 1; }
int BellLessonsOfDay(int day) { return day == 6 ? kSaturdayBellLessons : kMaxBellLessons; }

NowState ComputeNowState(const BellSchedule& bells, const DateTime& at) {
    NowState s;
    s.today = at.weekday == 7 ? 1 : at.weekday;
    s.now = at.MinuteOfDay();
    const BellSet& set = bells.sets[BellSetOfDay(s.today)];
    // Lessons the file does not list have no times; they never run (otherwise an
    // unlisted lesson of 0.00 - 0.00 would be "running" at midnight).
    int lessons = std::min(BellLessonsOfDay(s.today), set.count);
    for (int k = 1; k <= lessons; ++k) {
        const BellLesson& b = set.lessons[k];
        if (b.start <= s.now && s.now <= b.end) s.lesson = k;
        if (k == s.lesson) s.lessonMinutesLeft = b.end - s.now;
        if (k < lessons && s.now > b.end && set.lessons[k + 1].start > s.now) s.breakAfter = k;
        if (k == s.breakAfter) s.breakMinutesLeft = set.lessons[k + 1].start - s.now;
    }
    return s;
}

NowState ComputeNowState(const Model& model, const Clock& clock) { return ComputeNowState(model.bells, clock.Now()); }
