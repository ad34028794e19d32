// urokoset-cli: the headless companion. Loads a semester through the same
// start-up as the program and runs model operations from the command line.
#include <clocale>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "shell/startup.h"
#include "shell/summary.h"
#include "store/groups.h"
#include "base/textfile.h"
#include "composition/auto_composition.h"
#include "timetable/bells.h"
#include "views/week_cells.h"

namespace {

int Usage() {
    std::cerr << "usage: urokoset-cli [--dir FOLDER] [--at \"YYYY-MM-DD HH:MM\"] COMMAND [ARGS]\n"
                 "commands:\n"
                 "  summary                 what the semester holds\n"
                 "  now                     the running lesson or break by the bell schedule\n"
                 "  week group|teacher|room KEY   the week-table cells of a group, teacher or room\n"
                 "  compose GROUP           automatic composition of the group's whole-group lessons\n";
    return 2;
}

void PrintNow(const Model& model, const Clock& clock) {
    NowState s = ComputeNowState(model, clock);
    std::cout << "today: " << s.today << "\n"
              << "now: " << s.now << "\n"
              << "lesson: " << s.lesson << "\n"
              << "lesson minutes left: " << s.lessonMinutesLeft << "\n"
              << "break after: " << s.breakAfter << "\n"
              << "break minutes left: " << s.breakMinutesLeft << "\n";
}

// Prints the week-table cells of a group, teacher or room: one line per day and
// lesson whose columns 1..3 are not all empty. False when KEY names nothing.
bool PrintWeek(Model& model, const std::string& kind, const std::string& key) {
    int department = 0, position = 0;
    if (kind == "group") {
        for (int g = 1; g <= model.groups.size(); ++g)
            if (model.groups[g].number == key) position = g;
    } else if (kind == "teacher") {
        for (int d = 1; d <= model.departments.size(); ++d)
            for (int t = 1; t <= model.departments[d].teachers.size(); ++t)
                if (model.departments[d].teachers[t].surname == key) department = d, position = t;
    } else if (kind == "room") {
        for (int r = 1; r <= model.rooms.size(); ++r)
            if (model.rooms[r].number == key) position = r;
    }
    if (position == 0) return false;
    for (int day = 1; day <= 6; ++day)
        for (int lesson = 1; lesson <= 14; ++lesson) {
            std::string cols[4];
            for (int c = 1; c <= 3; ++c) {
                if (kind == "group")
                    cols[c] = GroupWeekCell(model, position, day, lesson, c).text;
                else if (kind == "teacher")
                    cols[c] = TeacherWeekCell(model, department, position, day, lesson, c).text;
                else
                    cols[c] = RoomWeekCell(model, position, day, lesson, c).text;
            }
            if (cols[1].empty() && cols[2].empty() && cols[3].empty()) continue;
            std::cout << day << "\t" << lesson << "\t" << cols[1] << "\t" << cols[2] << "\t" << cols[3] << "\n";
        }
    return true;
}

// Automatic composition of one group, as the "Автомат" menu item runs it: one
// line per lesson placed, in the order placed.
int Compose(Model& model, const std::string& number) {
    if (!model.config.autoCompositionAllowed) {
        std::cerr << "compose: automatic composition is not allowed in this catalog\n";
        return 1;
    }
    const int group = GroupPosition(model, number);
    if (group == 0) {
        std::cerr << "compose: no group \"" << number << "\"\n";
        return 1;
    }
    model.sel.group = group;
    for (const PlacedLesson& p : ComposeWholeGroupLines(model))
        std::cout << p.day << "\t" << p.lesson << "\t" << p.discipline << "\t" << p.teacher << "\t" << p.room << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SetDecimalSeparator(DecimalSeparatorFromLocale());
    std::setlocale(LC_NUMERIC, "C");

    std::string folder = ".";
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--dir" && i + 1 < argc) {
            folder = argv[++i];
        } else if (a == "--at" && i + 1 < argc) {
            DateTime at;
            if (!ParseDateTime(argv[++i], at)) {
                std::cerr << "--at: expected \"YYYY-MM-DD HH:MM\", got \"" << argv[i] << "\"\n";
                return 2;
            }
            clock = std::make_unique<FixedClock>(at);
        } else if (a == "-h" || a == "--help") {
            return Usage();
        } else {
            args.push_back(a);
        }
    }
    if (args.empty()) return Usage();

    auto model = std::make_unique<Model>();
    try {
        RunStartup(*model, folder, *clock);
    } catch (const FileError& e) {
        std::cerr << e.Describe() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }

    try {
        const std::string& command = args[0];
        if (command == "summary" && args.size() == 1) {
            for (const std::string& line : SummaryLines(*model, *clock)) std::cout << line << "\n";
            return 0;
        }
        if (command == "now" && args.size() == 1) {
            PrintNow(*model, *clock);
            return 0;
        }
        if (command == "week" && args.size() == 3 &&
            (args[1] == "group" || args[1] == "teacher" || args[1] == "room")) {
            if (PrintWeek(*model, args[1], args[2])) return 0;
            std::cerr << "week: no " << args[1] << " \"" << args[2] << "\"\n";
            return 1;
        }
        if (command == "compose" && args.size() == 2) return Compose(*model, args[1]);
    } catch (const FileError& e) {
        std::cerr << e.Describe() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return Usage();
}
