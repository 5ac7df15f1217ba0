#pragma once
// The scenario runner: runs scenario files against the program on the headless desktop and
// reports "ok NAME" or "FAIL NAME:LINE: expected ..., found ..." per file, then the totals.
//
//   ScenarioResult r = run_scenario(source, "startup/first_start.scenario");
//   int status = run_scenario_files({"a.scenario", "b.scenario"}, std::cout);

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::shell::scenario {

struct ScenarioResult {
    bool passed = true;
    int line = 0;         // the failing command's line
    std::string message;  // what was expected and what was found
    // "ok NAME" or "FAIL NAME:LINE: message"
    std::string report(std::string_view name) const;
};

class Session;

// Runs a scenario's text; it stops at the first failing command.
ScenarioResult run_scenario(std::string_view source);
// The same on a desktop and program prepared by the caller.
ScenarioResult run_scenario(std::string_view source, Session& session);

// Runs every file, prints one report line each and the totals; 0 only when all passed.
int run_scenario_files(const std::vector<std::string>& files, std::ostream& out);

}  // namespace velmora::shell::scenario
