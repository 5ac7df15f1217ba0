#pragma once
// One scenario's world: the headless desktop (kept across restarts, with its directories and
// files) and the program running on it, plus the lookups every command shares: windows and
// controls by their scenario names, rows, yes/no words. A command returns the empty text when
// it passed, else what was expected and what was found.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/memory_platform.h"
#include "shell/application.h"
#include "shell/scenario/script.h"

namespace velmora::shell::scenario {

using Outcome = std::optional<std::string>;  // nullopt: passed; else the reason it failed
inline Outcome passed() {
    return std::nullopt;
}
inline Outcome failed(std::string why) {
    return why;
}

struct Target {
    ui::Window* window = nullptr;
    ui::Control* control = nullptr;  // null when the target is the window itself
};

class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    platform::MemoryPlatform& platform() { return m_platform; }
    bool started() const { return m_app != nullptr; }
    bool running() const { return m_app != nullptr && m_app->running(); }
    // The program, started before; null before the first start.
    ui::Program* program() { return m_app ? &m_app->program() : nullptr; }
    // Starts the program, or starts it again after it ended.
    Outcome start();

    // "Form1" or "Form1.Text(12)": the window and control, or why it could not be found.
    std::optional<Target> resolve(std::string_view name, std::string& why);
    // As resolve, for user events: the program must be running and the control enabled and shown.
    std::optional<Target> resolve_for_event(std::string_view name, std::string& why,
                                            bool needs_visible = true);

private:
    platform::MemoryPlatform m_platform;
    std::unique_ptr<Application> m_app;
};

// Runs one command; the runner checks message boxes and activations afterwards.
Outcome run_command(Session& session, const Command& command);

// The handler families, each answering nullopt when the command is not one of theirs.
std::optional<Outcome> run_setup_command(Session& session, const Command& command);
std::optional<Outcome> run_event_command(Session& session, const Command& command);
std::optional<Outcome> run_expectation(Session& session, const Command& command);

// Small readers shared by the handlers.
std::optional<long> read_number(std::string_view text);
std::optional<bool> read_yes_no(std::string_view text);
std::string as_text(std::string_view text);
std::string describe(const Target& target);

}  // namespace velmora::shell::scenario
