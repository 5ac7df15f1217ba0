#include "shell/scenario/session.h"

#include <charconv>

namespace velmora::shell::scenario {
namespace {

bool shown(const ui::Control& control) {
    for (const ui::Control* c = &control; c != nullptr; c = c->container()) {
        if (!c->visible()) {
            return false;
        }
    }
    return true;
}

}  // namespace

Session::Session() {
    m_platform.set_title_lookup([this](std::string_view title) {
        return m_app != nullptr && m_app->running() && m_app->program().has_window_titled(title);
    });
}

Session::~Session() {
    m_platform.set_title_lookup({});
}

Outcome Session::start() {
    if (running()) {
        return failed("expected a program that is not running, found it running already");
    }
    m_app.reset();
    m_app = std::make_unique<Application>(m_platform);
    m_app->start();
    return passed();
}

std::optional<Target> Session::resolve(std::string_view name, std::string& why) {
    if (!m_app) {
        why = "expected a started program for " + std::string(name) + ", found none (no start yet)";
        return std::nullopt;
    }
    const std::size_t dot = name.find('.');
    const std::string_view window_name = name.substr(0, dot);
    Target target;
    ui::Program& program = m_app->program();
    // Looking at the extraction window does not load it; only the program's own use does.
    target.window = window_name == "Form3" ? &program.form3_as_is() : program.window(window_name);
    if (target.window == nullptr) {
        why = "expected a window Form1 to Form5, found " + as_text(window_name);
        return std::nullopt;
    }
    if (dot == std::string_view::npos) {
        return target;
    }
    target.control = target.window->find(name.substr(dot + 1));
    if (target.control == nullptr) {
        why = "expected a control " + std::string(name) + ", found no such control";
        return std::nullopt;
    }
    return target;
}

std::optional<Target> Session::resolve_for_event(std::string_view name, std::string& why,
                                                 bool needs_visible) {
    if (!running()) {
        why = "expected a running program for an event on " + std::string(name) + ", found " +
              (started() ? "it ended" : "it not started");
        return std::nullopt;
    }
    auto target = resolve(name, why);
    if (!target || target->control == nullptr) {
        return target;
    }
    const ui::Control& c = *target->control;
    if (c.kind() == ui::ControlKind::MenuItem) {
        return target;  // menus are checked for reachability by the menu command
    }
    if (!c.enabled()) {
        why = "expected an enabled " + std::string(name) + " (a user could not reach it), found it disabled";
        return std::nullopt;
    }
    if (needs_visible && (!shown(c) || !target->window->visible())) {
        why = "expected " + std::string(name) + " in view (a user could not reach it), found it hidden";
        return std::nullopt;
    }
    return target;
}

Outcome run_command(Session& session, const Command& command) {
    if (auto outcome = run_setup_command(session, command)) {
        return *outcome;
    }
    if (auto outcome = run_event_command(session, command)) {
        return *outcome;
    }
    if (auto outcome = run_expectation(session, command)) {
        return *outcome;
    }
    return failed("expected a command, found unknown command " + as_text(command.name));
}

std::optional<long> read_number(std::string_view text) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> read_yes_no(std::string_view text) {
    if (text == "yes") {
        return true;
    }
    if (text == "no") {
        return false;
    }
    return std::nullopt;
}

std::string as_text(std::string_view text) {
    return platform::quote_event_text(text);
}

std::string describe(const Target& target) {
    return target.control == nullptr ? target.window->name()
                                     : target.window->name() + "." + target.control->id();
}

}  // namespace velmora::shell::scenario
