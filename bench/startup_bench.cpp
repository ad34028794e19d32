// Start-up load of the full demo college (every table at its limit) against
// reading the bytes of the same files. Both report medians; the load benchmark
// also reports both medians of its own runs and their ratio as counters.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "demo/demo.h"
#include "platform/clock.h"
#include "shell/startup.h"
#include "base/textfile.h"

namespace {

struct FullCollege {
    std::string dir;
    std::vector<std::string> files;  // every file the start-up of catalog 1 reads

    FullCollege() {
        dir = (std::filesystem::temp_directory_path() / "urk-bench-full").string();
        std::filesystem::remove_all(dir);
        WriteDemoCollege(dir, DemoOptions{true});
        auto model = std::make_unique<Model>();
        RunStartup(*model, dir, FixedClock(DateTime{}));
        const AppConfig& c = model->config;
        files.push_back(dir + "/urk-jer.ini");
        for (const std::string* folder : {&c.settingsFolder, &c.listsFolder, &c.dataFolder})
            for (const auto& e : std::filesystem::recursive_directory_iterator(*folder))
                if (e.is_regular_file()) files.push_back(e.path().string());
        std::sort(files.begin(), files.end());
        files.erase(std::unique(files.begin(), files.end()), files.end());
    }
    ~FullCollege() { std::filesystem::remove_all(dir); }
};

FullCollege& College() {
    static FullCollege college;
    return college;
}

size_t ReadAll() {
    size_t bytes = 0;
    for (const std::string& f : College().files) bytes += ReadFileBytes(f).size();
    return bytes;
}

// One start-up: a new model, loaded. The model is handed back so that its
// destruction, which the program does only at exit, stays out of the timing.
std::unique_ptr<Model> Load() {
    auto model = std::make_unique<Model>();
    RunStartup(*model, College().dir, FixedClock(DateTime{}));
    benchmark::DoNotOptimize(model->loaded);
    return model;
}

template <class F>
double MedianMs(F f, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        auto result = f();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(result);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void BM_RawRead(benchmark::State& state) {
    College();
    size_t bytes = 0;
    for (auto _ : state) bytes = ReadAll();
    state.counters["files"] = static_cast<double>(College().files.size());
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_StartupLoad(benchmark::State& state) {
    College();
    for (auto _ : state) {
        auto model = Load();
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    // Both medians measured side by side in this run, and their ratio.
    const double raw = MedianMs(ReadAll, 15), load = MedianMs(Load, 15);
    state.counters["raw_median_ms"] = raw;
    state.counters["load_median_ms"] = load;
    state.counters["ratio"] = load / raw;
}

}  // namespace

BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
