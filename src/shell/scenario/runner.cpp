#include "shell/scenario/runner.h"

#include <fstream>
#include <sstream>

#include "shell/scenario/session.h"

namespace velmora::shell::scenario {
namespace {

// After every command: a message box nobody could answer fails the scenario; windows the program
// showed become active, as on a desktop.
Outcome settle(Session& session) {
    if (ui::Program* program = session.program()) {
        program->run_pending_activations();
    }
    if (const auto& line = session.platform().unanswered()) {
        std::string text = *line;
        session.platform().clear_unanswered();
        return failed("expected an answer queued for every message box, found none for: " + text);
    }
    return passed();
}

}  // namespace

std::string ScenarioResult::report(std::string_view name) const {
    if (passed) {
        return "ok " + std::string(name);
    }
    return "FAIL " + std::string(name) + ":" + std::to_string(line) + ": " + message;
}

ScenarioResult run_scenario(std::string_view source) {
    Session session;
    return run_scenario(source, session);
}

ScenarioResult run_scenario(std::string_view source, Session& session) {
    const Script script = parse_script(source);
    if (script.error) {
        return {false, script.error_line, "expected a readable line, found " + *script.error};
    }
    for (const Command& command : script.commands) {
        Outcome outcome = run_command(session, command);
        if (!outcome) {
            outcome = settle(session);
        }
        if (outcome) {
            return {false, command.line, *outcome};
        }
    }
    return {};
}

int run_scenario_files(const std::vector<std::string>& files, std::ostream& out) {
    int passed = 0;
    int failed_count = 0;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        ScenarioResult result;
        if (!in) {
            result = {false, 0, "expected a scenario file, found none that could be read"};
        } else {
            std::ostringstream text;
            text << in.rdbuf();
            result = run_scenario(text.str());
        }
        out << result.report(file) << "\n";
        (result.passed ? passed : failed_count) += 1;
    }
    out << passed << " passed, " << failed_count << " failed\n";
    return failed_count == 0 ? 0 : 1;
}

}  // namespace velmora::shell::scenario
