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
#include "store/textfile.h"

namespace {

int Usage() {
    std::cerr << "usage: urokoset-cli [--dir FOLDER] [--at \"YYYY-MM-DD HH:MM\"] COMMAND [ARGS]\n"
                 "commands:\n"
                 "  summary                 what the semester holds\n";
    return 2;
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
    } catch (const FileError& e) {
        std::cerr << e.Describe() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return Usage();
}
