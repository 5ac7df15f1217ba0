// Start-up and shutdown of the main window over a heavy user's files (code page 932), and their
// floors: reading and decoding the same bytes; encoding and crash-safely writing them.

#include <benchmark/benchmark.h>

#include "floors.h"
#include "heavy_user.h"
#include "store/store.h"
#include "workloads.h"

namespace {

const bench::HeavyUser& user() {
    static const bench::HeavyUser heavy = bench::heavy_user(bench::kSeed);
    return heavy;
}

void start(benchmark::State& state) {
    bench::StartRun run(user());
    long records = 0;
    for (auto _ : state) {
        records = run.start();
        state.PauseTiming();
        run.close();
        state.ResumeTiming();
    }
    if (records != bench::kHistoryRecords) {
        state.SkipWithError("the history was not loaded whole");
    }
}

void start_floor(benchmark::State& state) {
    bench::StartRun run(user());
    const auto files = bench::start_files(run.directory());
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::read_decode_floor(files));
    }
}

void shutdown(benchmark::State& state) {
    bench::StartRun run(user());
    for (auto _ : state) {
        state.PauseTiming();
        run.start();
        state.ResumeTiming();
        run.close();
    }
}

void shutdown_floor(benchmark::State& state) {
    using velmora::store::kFlowchartFile, velmora::store::kHistoryFile, velmora::store::kIdBookFile,
        velmora::store::kWindowFile;
    bench::StartRun run(user());
    const auto& dir = run.directory();
    std::vector<std::string> window = {" 3000 ", " 9000 "};
    window.insert(window.end(), user().profile.begin(), user().profile.end());
    const std::vector<std::pair<std::filesystem::path, std::vector<std::string>>> files = {
        {dir / kWindowFile, window},
        {dir / kHistoryFile, user().history},
        {dir / kFlowchartFile, user().flowchart_lines},
        {dir / kIdBookFile, user().id_book}};
    for (auto _ : state) {
        bench::write_encode_floor(files);
    }
}

BENCHMARK(start)->Name("startup")->Unit(benchmark::kMillisecond);
BENCHMARK(start_floor)->Name("floor/startup")->Unit(benchmark::kMillisecond);
BENCHMARK(shutdown)->Name("shutdown")->Unit(benchmark::kMillisecond);
BENCHMARK(shutdown_floor)->Name("floor/shutdown")->Unit(benchmark::kMillisecond);

}  // namespace
