// One full redraw of the group composition screen on the full college: the derived
// tables and every cell function of the extract grid, the six day tables, the room
// tables and the group choosers.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "demo/demo.h"
#include "platform/clock.h"
#include "shell/startup.h"
#include "base/textfile.h"

namespace {

Model& FullCollege() {
    static std::unique_ptr<Model> model = [] {
        const std::string dir =
            (std::filesystem::temp_directory_path() / ("urokoset-bench-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(dir);
        WriteDemoCollege(dir, DemoOptions{.full = true});
        auto m = std::make_unique<Model>();
        RunStartup(*m, dir, FixedClock(DateTime{}));
        std::filesystem::remove_all(dir);
        // The busiest group, in the placing mode of its first line, so every colour rule runs.
        m->sel.group = 1;
        SelectExtractLine(*m, 1, 2);
        return m;
    }();
    return *model;
}

void RedrawScreen(benchmark::State& state) {
    Model& m = FullCollege();
    size_t sink = 0;
    for (auto _ : state) {
        const CompositionStatus keep = m.composition.status;
        RedrawGroupComposition(m);  // placed counts and room occupancy
        m.composition.status = keep;
        for (int r = 0; r < ExtractGridRows(m); ++r)
            for (int c = 0; c < 4; ++c) sink += ExtractGridCell(m, r, c).text.size();
        for (int d = 1; d <= kDays; ++d)
            for (int r = 0; r <= kLessons; ++r)
                for (int c = 0; c < 5; ++c) sink += DayTableCell(m, d, r, c).text.size();
        for (int room = 1; room <= m.rooms.size(); ++room) sink += RoomTableCell(m, room).text.size();
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 13; ++c) sink += CompactChooserCell(m, r, c).text.size();
        for (int d = 1; d <= kPlanDivisions && d <= m.divisions.size(); ++d)
            for (int r = 0; r < kCourses; ++r)
                for (int c = 0; c < m.divisions[d].columns; ++c) sink += DivisionTableCell(m, d, r, c).text.size();
        benchmark::DoNotOptimize(sink);
    }
}
BENCHMARK(RedrawScreen)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

void DerivedTablesOnly(benchmark::State& state) {
    Model& m = FullCollege();
    for (auto _ : state) {
        ComputePlacedCounts(m);
        ComputeRoomOccupancy(m);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DerivedTablesOnly)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
