// Automatic composition of one group of the full college, with every file it
// writes (the group's timetable after each lesson, each teacher's week file).
// The aggregate to read is the median; the target is 50 ms or less.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "demo/demo.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "shell/startup.h"
#include "composition/auto_composition.h"

namespace {

struct FullCollege {
    std::string dir;
    std::unique_ptr<Model> loaded = std::make_unique<Model>();
    int group = 0;

    FullCollege() {
        dir = (std::filesystem::temp_directory_path() / ("urokoset-bench-" + std::to_string(::getpid()))).string();
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        WriteDemoCollege(dir, DemoOptions{.full = true});
        FixedClock clock(DateTime{2024, 9, 2, 1, 10, 0, 0});
        RunStartup(*loaded, dir, clock);
        // The group with the most whole-group hours, its whole-group lessons cleared
        // as the menu item does, so that every run composes a whole week.
        int most = -1;
        for (int g = 1; g <= loaded->groups.size(); ++g) {
            int hours = 0;
            for (const ExtractLine& x : loaded->extracts[g].lines)
                if (x.teacherGroup != "-" && x.teacherGroup != kUnknownTeacher) hours += x.hoursGroup;
            if (hours > most) most = hours, group = g;
        }
        loaded->sel.group = group;
        ScriptedDialogs ok;
        ok.ConfirmWith(true);
        ClearWholeGroupLessons(*loaded, ok);
    }
    ~FullCollege() { std::filesystem::remove_all(dir); }
};

void BM_ComposeOneGroupOfTheFullCollege(benchmark::State& state) {
    static FullCollege college;
    auto model = std::make_unique<Model>();
    size_t lessons = 0;
    for (auto _ : state) {
        state.PauseTiming();
        *model = *college.loaded;  // the same starting week every run
        model->sel.group = college.group;
        state.ResumeTiming();
        lessons = ComposeWholeGroupLines(*model).size();
    }
    state.counters["lessons"] = static_cast<double>(lessons);
    state.counters["groups"] = college.loaded->groups.size();
    state.SetLabel("group " + college.loaded->groups[college.group].number);
}

BENCHMARK(BM_ComposeOneGroupOfTheFullCollege)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
