#pragma once
// Scores an extractor on a folder of newsletters with their expected contests (NN-name.txt beside
// NN-name.expect: "# today yyyy/mm/dd", then DEADLINE<TAB>URL<TAB>KEY per real contest). Each
// newsletter runs through the command-line extractor at 09:00 of its day. Recall is the share of
// expected contests found with the same URL, the same deadline and a title that holds the key;
// precision the share of extracted contests whose URL is an expected one (matched one to one).
//
//   auto r = run_score({"--min-recall", "0.95", "tests/data/generic/tuned"});  // exit 1 below it

#include <string>
#include <string_view>
#include <vector>

#include "extract/command_line_extractor.h"

namespace velmora::extract::generic {

struct ExpectedContest {
    std::string deadline;
    std::string url;
    std::string key;
};

struct Expectation {
    locale::DateTime now;  // 09:00 of the newsletter's day
    std::vector<ExpectedContest> contests;
};

// The .expect text; the message when it is malformed (no "# today" line, a row without tabs).
struct ExpectationRead {
    Expectation expectation;
    std::string error;
};
ExpectationRead read_expectation(std::string_view text);

struct ExtractedContest {
    std::string title;
    std::string deadline;
    std::string url;
};

struct FileScore {
    std::string name;
    int expected = 0;
    int found = 0;  // expected contests found (recall)
    int extracted = 0;
    int real = 0;                     // extracted contests that are real (precision)
    std::vector<std::string> misses;  // one line per expected contest not found
    std::vector<std::string> extras;  // one line per extracted contest that is no real one
};

// Scores one newsletter's extracted contests against its expectation.
FileScore score_contests(std::string_view name, const std::vector<ExtractedContest>& extracted,
                         const std::vector<ExpectedContest>& expected);

// The contests of JSON lines as the command-line extractor prints them.
std::vector<ExtractedContest> contests_of_json(std::string_view json_lines);

// velmora-score [--format CODE] [--min-recall R] [--min-precision P] FOLDER
ExtractorResult run_score(const std::vector<std::string>& args);

}  // namespace velmora::extract::generic
