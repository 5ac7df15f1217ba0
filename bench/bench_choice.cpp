// 自動判別 and 汎用 as the menu runs them, each beside the parse floor of the same text: on format
// 117's generated newsletter (a format wins) and on the general extractor's tuned corpus run
// together (no format reads it, the general extractor wins), at the parse figures' 200,000 lines
// and at the 2,000 lines of one newsletter as users receive it.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "extract/extraction_window.h"
#include "floors.h"
#include "newsletter_generator.h"
#include "workloads.h"

namespace {

constexpr long kOneNewsletterLines = 2000;
constexpr int kFormat = 117;

enum class Source { Format117, Foreign };

const std::string& text_of(Source source, long lines) {
    static std::map<std::pair<Source, long>, std::string> texts;
    auto& text = texts[{source, lines}];
    if (text.empty()) {
        text = source == Source::Format117 ? bench::newsletter(kFormat, lines, bench::kSeed)
                                           : bench::foreign_newsletter(lines);
    }
    return text;
}

void finish(benchmark::State& state, long contests, long lines) {
    state.counters["contests"] = static_cast<double>(contests);
    state.counters["lines_per_s"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate);
}

void parse_floor(benchmark::State& state, Source source, long lines) {
    const std::string& text = text_of(source, lines);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::parse_floor(text, "http"));
    }
    finish(state, 0, lines);
}

// 自動判別 must choose format 117 on its newsletter and the general extractor on the corpus, and
// show their contests.
void choose_automatically(benchmark::State& state, Source source, long lines) {
    bench::ChoiceRun run(text_of(source, lines));
    long contests = 0;
    for (auto _ : state) {
        contests = run.choose_automatically();
        benchmark::DoNotOptimize(contests);
    }
    const long expected =
        source == Source::Format117 ? kFormat - bench::kFirstFormat : velmora::extract::kGenericMailNo;
    if (run.chosen() != expected || contests < lines / 40) {
        state.SkipWithError("自動判別 did not choose the parser that reads this newsletter");
    }
    finish(state, contests, lines);
}

void choose_generic(benchmark::State& state, Source source, long lines) {
    bench::ChoiceRun run(text_of(source, lines));
    long contests = 0;
    for (auto _ : state) {
        contests = run.choose_generic();
        benchmark::DoNotOptimize(contests);
    }
    if (contests < lines / 40) {
        state.SkipWithError("the general extractor found too few contests in its own corpus");
    }
    finish(state, contests, lines);
}

const bool registered = [] {
    const auto add = [](const std::string& name, auto work, Source source, long lines) {
        benchmark::RegisterBenchmark(name.c_str(), work, source, lines)->Unit(benchmark::kMillisecond);
    };
    const std::string small = "/" + std::to_string(kOneNewsletterLines) + "-lines";
    for (const long lines : {bench::kNewsletterLines, kOneNewsletterLines}) {
        const std::string size = lines == bench::kNewsletterLines ? "" : small;
        add("auto" + size, choose_automatically, Source::Format117, lines);
        add("auto/foreign" + size, choose_automatically, Source::Foreign, lines);
        add("generic" + size, choose_generic, Source::Foreign, lines);
        add("floor/parse/foreign" + size, parse_floor, Source::Foreign, lines);
    }
    // floor/parse/117 at 200,000 lines is bench_parse.cpp's.
    add("floor/parse/117" + small, parse_floor, Source::Format117, kOneNewsletterLines);
    return true;
}();

}  // namespace
