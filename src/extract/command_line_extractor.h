#pragma once
// The command-line extractor: runs one newsletter format's parser over a saved newsletter (a file
// or standard input) as if it were the clipboard text, and prints the contests found, as readable
// blocks or one JSON object per line. Bad arguments give a message and exit status 2.
//
//   auto r = run_extractor({"--format", "117", "--json", "mail.txt"}, std::cin, current_local_time());

#include <istream>
#include <string>
#include <vector>

#include "platform/date.h"

namespace velmora::extract {

struct ExtractorResult {
    int exit_code = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

inline constexpr int kExitBadArguments = 2;

// Runs the extractor with the arguments after the program name. `standard_input` is read when the
// file is omitted or "-"; `now` is the clock the parser's dates are fixed against.
ExtractorResult run_extractor(const std::vector<std::string>& args, std::istream& standard_input,
                              const locale::DateTime& now);

// The machine's current local date and time.
locale::DateTime current_local_time();

}  // namespace velmora::extract
