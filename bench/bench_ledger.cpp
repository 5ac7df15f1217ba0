// The contest check: the stock check of one contest against a history of 100,000 records and a
// stock list of 10,000 entries, and the import of 1,000 contests; the floor is a raw substring
// scan of the same history and stock bytes for the contest's URL root. The check with its save of
// zov5.ini is also measured against that scan plus a durable write of the same zov5.ini bytes.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "floors.h"
#include "heavy_user.h"
#include "ledger/shared_procedures.h"
#include "text/text.h"
#include "workloads.h"

namespace {

const bench::HeavyUser& user() {
    static const bench::HeavyUser heavy = bench::heavy_user(bench::kSeed);
    return heavy;
}

// The history and stock bytes as their files hold them.
const std::string& ledger_bytes() {
    static const std::string bytes = bench::joined(user().history) + bench::joined(user().stock);
    return bytes;
}

std::string root_of(std::string_view contest) {
    return velmora::ledger::UrlRoot(velmora::text::mid(contest, 11));
}

void check(benchmark::State& state, velmora::ledger::StockSave save) {
    bench::LedgerRun run(user());
    for (auto _ : state) {
        benchmark::DoNotOptimize(run.check(user().new_contest, save));
    }
    if (run.asked()) {
        state.SkipWithError("the check asked a question");
    }
}

void check_floor(benchmark::State& state) {
    const std::string root = root_of(user().new_contest);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::scan_floor(ledger_bytes(), root));
    }
}

// The floor of the check with its save: the scan, then zov5.ini (the stock list with the new
// entry) replaced as durably as the program replaces it.
void check_save_floor(benchmark::State& state) {
    const std::string root = root_of(user().new_contest);
    std::vector<std::string> stock = user().stock;
    stock.push_back(user().new_contest);
    const std::string bytes = bench::joined(stock);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "velmora-bench-floor";
    std::filesystem::create_directories(dir);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::scan_floor(ledger_bytes(), root));
        bench::durable_write_floor(dir / "zov5.ini", bytes);
    }
    std::filesystem::remove_all(dir);
}

void import(benchmark::State& state) {
    bench::LedgerRun run(user());
    const std::string text = bench::import_text(user());
    long stocked = 0;
    for (auto _ : state) {
        state.PauseTiming();
        run.reset(user());
        state.ResumeTiming();
        stocked = run.import(text);
    }
    if (run.asked()) {
        state.SkipWithError("the import asked a question");
    }
    state.counters["stocked"] = static_cast<double>(stocked - bench::kStockEntries);
}

// The floor of the import: the raw scan for each imported contest's root.
void import_floor(benchmark::State& state) {
    std::vector<std::string> roots;
    for (const std::string& line : user().imports) {
        roots.push_back(root_of(line));
    }
    for (auto _ : state) {
        long hits = 0;
        for (const std::string& root : roots) {
            hits += bench::scan_floor(ledger_bytes(), root);
        }
        benchmark::DoNotOptimize(hits);
    }
}

BENCHMARK_CAPTURE(check, save, velmora::ledger::StockSave::EachCheck)
    ->Name("check")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(check, scan, velmora::ledger::StockSave::ByCaller)
    ->Name("check/scan")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(check_floor)->Name("floor/check")->Unit(benchmark::kMillisecond);
BENCHMARK(check_save_floor)->Name("floor/check+save")->Unit(benchmark::kMillisecond);
BENCHMARK(import)->Name("import")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(import_floor)->Name("floor/import")->Unit(benchmark::kMillisecond);

}  // namespace
