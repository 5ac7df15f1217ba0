// Parsing: every format's parser over a generated newsletter of 200,000 lines, and its floor
// (the same text split into lines, each line scanned once for a marker).

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "floors.h"
#include "newsletter_generator.h"
#include "workloads.h"

namespace {

const std::string& text_of(int code) {
    static std::map<int, std::string> texts;
    auto& text = texts[code];
    if (text.empty()) {
        text = bench::newsletter(code, bench::kNewsletterLines, bench::kSeed);
    }
    return text;
}

void set_line_rate(benchmark::State& state) {
    state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(bench::kNewsletterLines),
                                                       benchmark::Counter::kIsIterationInvariantRate);
}

void parse(benchmark::State& state, int code) {
    bench::ParseRun run(text_of(code));
    long contests = 0;
    for (auto _ : state) {
        contests = run.parse(code);
        benchmark::DoNotOptimize(contests);
    }
    if (contests < bench::kNewsletterLines / 40) {
        state.SkipWithError("the parser found too few contests: the generated shape is off");
    }
    state.counters["contests"] = static_cast<double>(contests);
    set_line_rate(state);
}

// What every parser pays before its own work, on format 117's newsletter.
void lines_only(benchmark::State& state) {
    bench::ParseRun run(text_of(117));
    for (auto _ : state) {
        benchmark::DoNotOptimize(run.read_lines());
    }
    set_line_rate(state);
}

void parse_floor(benchmark::State& state, int code) {
    const std::string& text = text_of(code);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::parse_floor(text, "http"));
    }
    set_line_rate(state);
}

const bool registered = [] {
    for (int code = bench::kFirstFormat; code <= bench::kLastFormat; ++code) {
        const std::string id = std::to_string(code);
        benchmark::RegisterBenchmark(("parse/" + id).c_str(), parse, code)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("floor/parse/" + id).c_str(), parse_floor, code)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("parse/lines-only", lines_only)->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
