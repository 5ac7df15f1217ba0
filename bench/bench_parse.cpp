// Parsing: every format's parser over a generated newsletter of 200,000 lines, and its floor
// (the same text split into lines, each line scanned once for a marker). 自動判別 and 汎用 as the
// menu runs them, over format 117's newsletter at that size and at the size of one real
// newsletter (2,000 lines), each beside the parse floor of the same text.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "floors.h"
#include "newsletter_generator.h"
#include "workloads.h"

namespace {

// The size of one newsletter as a user receives it, at which 自動判別 must stay under 20 ms.
constexpr long kOneNewsletterLines = 2000;
// The format whose newsletter 自動判別 and 汎用 read.
constexpr int kChoiceFormat = 117;

const std::string& text_of(int code, long lines = bench::kNewsletterLines) {
    static std::map<std::pair<int, long>, std::string> texts;
    auto& text = texts[{code, lines}];
    if (text.empty()) {
        text = bench::newsletter(code, lines, bench::kSeed);
    }
    return text;
}

void set_line_rate(benchmark::State& state, long lines = bench::kNewsletterLines) {
    state.counters["lines_per_s"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate);
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

void parse_floor(benchmark::State& state, int code, long lines) {
    const std::string& text = text_of(code, lines);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::parse_floor(text, "http"));
    }
    set_line_rate(state, lines);
}

// 自動判別 must find format 117 and all of its contests.
void choose_automatically(benchmark::State& state, long lines) {
    bench::ChoiceRun run(text_of(kChoiceFormat, lines));
    long contests = 0;
    for (auto _ : state) {
        contests = run.choose_automatically();
        benchmark::DoNotOptimize(contests);
    }
    if (run.chosen() != kChoiceFormat - bench::kFirstFormat || contests < lines / 40) {
        state.SkipWithError("自動判別 did not choose the newsletter's own format");
    }
    state.counters["contests"] = static_cast<double>(contests);
    set_line_rate(state, lines);
}

void choose_generic(benchmark::State& state, long lines) {
    bench::ChoiceRun run(text_of(kChoiceFormat, lines));
    long contests = 0;
    for (auto _ : state) {
        contests = run.choose_generic();
        benchmark::DoNotOptimize(contests);
    }
    state.counters["contests"] = static_cast<double>(contests);
    set_line_rate(state, lines);
}

const bool registered = [] {
    for (int code = bench::kFirstFormat; code <= bench::kLastFormat; ++code) {
        const std::string id = std::to_string(code);
        benchmark::RegisterBenchmark(("parse/" + id).c_str(), parse, code)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("floor/parse/" + id).c_str(), parse_floor, code,
                                     bench::kNewsletterLines)
            ->Unit(benchmark::kMillisecond);
    }
    const std::string small = "/" + std::to_string(kOneNewsletterLines) + "-lines";
    const std::string floor = "floor/parse/" + std::to_string(kChoiceFormat);
    for (const long lines : {bench::kNewsletterLines, kOneNewsletterLines}) {
        const std::string size = lines == bench::kNewsletterLines ? "" : small;
        benchmark::RegisterBenchmark(("auto" + size).c_str(), choose_automatically, lines)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("generic" + size).c_str(), choose_generic, lines)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark((floor + small).c_str(), parse_floor, kChoiceFormat, kOneNewsletterLines)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("parse/lines-only", lines_only)->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
