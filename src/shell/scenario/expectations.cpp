// Expectations: what the windows, controls, clipboard, files, desktop log and program show.

#include <algorithm>
#include <sstream>

#include "shell/scenario/event_match.h"
#include "shell/scenario/session.h"
#include "store/store.h"

namespace velmora::shell::scenario {
namespace {

using Lines = std::vector<std::string>;

std::string list_text(const Lines& lines) {
    std::string out = "[";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += (i == 0 ? "" : ", ") + as_text(lines[i]);
    }
    return out + "]";
}

std::string rows_text(const std::vector<long>& rows) {
    std::string out;
    for (long row : rows) {
        out += (out.empty() ? "" : " ") + std::to_string(row);
    }
    return out.empty() ? "none" : out;
}

Outcome compare_lines(std::string_view what, const Lines& expected, const Lines& found) {
    if (expected == found) {
        return passed();
    }
    std::size_t i = 0;
    while (i < expected.size() && i < found.size() && expected[i] == found[i]) {
        ++i;
    }
    const std::string want = i < expected.size() ? as_text(expected[i]) : "no line";
    const std::string got = i < found.size() ? as_text(found[i]) : "no line";
    return failed("expected " + std::string(what) + " line " + std::to_string(i + 1) + " " + want +
                  ", found " + got + " (all found: " + list_text(found) + ")");
}

Outcome expect_events(Session& session, const Arg& arg) {
    const Lines expected = lines_of(arg);
    const Lines found = session.platform().take_events();
    const long at = first_event_mismatch(expected, found);
    if (at < 0) {
        return passed();
    }
    const auto i = static_cast<std::size_t>(at);
    std::ostringstream out;
    out << "expected event " << at + 1 << " " << (i < expected.size() ? expected[i] : "(no more events)")
        << ", found " << (i < found.size() ? found[i] : "(no more events)") << "; all events found:";
    for (const std::string& line : found) {
        out << "\n    " << line;
    }
    return failed(out.str());
}

Outcome expect_file(const std::filesystem::path& dir, const Command& command) {
    if (command.args.size() != 2) {
        return failed("expected " + command.name + " NAME TEXT, found another form");
    }
    const auto lines = store::read_lines(dir / store::path_of(command.args[0].text));
    if (!lines) {
        return failed("expected the file " + command.args[0].text + ", found no such file");
    }
    return compare_lines(command.args[0].text, lines_of(command.args[1]), *lines);
}

const char* colour_word(ui::Colour colour) {
    switch (colour) {
        case ui::Colour::Red:
            return "red";
        case ui::Colour::Grey:
            return "grey";
        case ui::Colour::Black:
            return "black";
        case ui::Colour::Normal:
            return "normal";
    }
    return "normal";
}

Outcome expect_geometry(const Target& target, const Command& command) {
    if (command.args.size() != 5) {
        return failed("expected geometry TARGET LEFT TOP WIDTH HEIGHT, found another form");
    }
    const ui::Geometry g = target.control ? target.control->geometry() : target.window->geometry();
    const long actual[] = {g.left, g.top, g.width, g.height};
    std::string want;
    bool same = true;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string& word = command.args[i + 1].text;
        want += (i == 0 ? "" : " ") + word;
        if (word == "-") {
            continue;
        }
        const auto value = read_number(word);
        if (!value) {
            return failed("expected a number or -, found " + as_text(word));
        }
        same = same && *value == actual[i];
    }
    if (same) {
        return passed();
    }
    return failed("expected geometry " + want + ", found " + std::to_string(g.left) + " " +
                  std::to_string(g.top) + " " + std::to_string(g.width) + " " + std::to_string(g.height));
}

Outcome expect_flag(const Target& target, const Command& command, const std::string& kind) {
    const auto want = command.args.size() == 2 ? read_yes_no(command.args[1].text) : std::nullopt;
    if (!want) {
        return failed("expected " + kind + " TARGET yes|no, found another form");
    }
    bool found = false;
    if (kind == "visible") {
        found = target.control ? target.control->visible() : target.window->visible();
    } else if (kind == "enabled") {
        found = target.control ? target.control->enabled() : true;
    } else if (auto* box = dynamic_cast<ui::CheckBox*>(target.control)) {
        found = box->checked();
    } else if (auto* item = dynamic_cast<ui::MenuItem*>(target.control)) {
        found = item->checked();
    } else {
        return failed("expected a check box or menu item, found " + describe(target));
    }
    if (found == *want) {
        return passed();
    }
    return failed("expected " + describe(target) + " " + kind + " " + (*want ? "yes" : "no") + ", found " +
                  (found ? "yes" : "no"));
}

Outcome expect_list(const Target& target, const Command& command, const std::string& kind) {
    auto* list = dynamic_cast<ui::ListBox*>(target.control);
    if (list == nullptr) {
        return failed("expected a list, found " + describe(target));
    }
    if (kind == "rows") {
        if (command.args.size() != 2) {
            return failed("expected rows TARGET TEXT, found another form");
        }
        return compare_lines(describe(target) + " row", lines_of(command.args[1]), list->rows().to_vector());
    }
    if (kind == "count") {
        const auto n = command.args.size() == 2 ? read_number(command.args[1].text) : std::nullopt;
        if (!n) {
            return failed("expected count TARGET N, found another form");
        }
        return *n == list->count() ? passed()
                                   : failed("expected " + std::to_string(*n) + " rows in " +
                                            describe(target) + ", found " + std::to_string(list->count()));
    }
    std::vector<long> want;
    for (std::size_t i = 1; i < command.args.size(); ++i) {
        const auto row = read_number(command.args[i].text);
        if (!row) {
            return failed("expected a row number, found " + as_text(command.args[i].text));
        }
        want.push_back(*row);
    }
    std::sort(want.begin(), want.end());
    const auto found = list->selected_rows();
    return want == found ? passed()
                         : failed("expected selected rows " + rows_text(want) + " in " + describe(target) +
                                  ", found " + rows_text(found));
}

Outcome expect_on_target(Session& session, const Command& command, const std::string& kind) {
    if (command.args.size() < 2) {
        return failed("expected " + kind + " TARGET ..., found no target");
    }
    Command rest{command.line, kind, {command.args.begin() + 1, command.args.end()}};
    std::string why;
    const auto target = session.resolve(rest.args[0].text, why);
    if (!target) {
        return failed(why);
    }
    if (kind == "caption" || kind == "text") {
        if (rest.args.size() != 2) {
            return failed("expected " + kind + " TARGET TEXT, found another form");
        }
        const std::string want = text_joined(rest.args[1]);
        const std::string& found = target->control ? target->control->caption() : target->window->caption();
        return want == found ? passed()
                             : failed("expected " + kind + " " + as_text(want) + " of " + describe(*target) +
                                      ", found " + as_text(found));
    }
    if (kind == "rows" || kind == "count" || kind == "selected") {
        return expect_list(*target, rest, kind);
    }
    if (kind == "visible" || kind == "enabled" || kind == "checked") {
        return expect_flag(*target, rest, kind);
    }
    if (kind == "color") {
        const ui::Colour found = target->control ? target->control->colour() : ui::Colour::Normal;
        const std::string want = rest.args.size() == 2 ? rest.args[1].text : "";
        return want == colour_word(found) ? passed()
                                          : failed("expected colour " + as_text(want) + " of " +
                                                   describe(*target) + ", found " + colour_word(found));
    }
    if (kind == "date") {
        auto* calendar = dynamic_cast<ui::Calendar*>(target->control);
        if (calendar == nullptr || rest.args.size() != 2) {
            return failed("expected date CALENDAR YYYY/MM/DD, found " + describe(*target));
        }
        const std::string found = locale::format_date(calendar->date());
        return found == rest.args[1].text ? passed()
                                          : failed("expected date " + rest.args[1].text + " on " +
                                                   describe(*target) + ", found " + found);
    }
    return expect_geometry(*target, rest);
}

}  // namespace

std::optional<Outcome> run_expectation(Session& session, const Command& command) {
    if (command.name != "expect") {
        return std::nullopt;
    }
    if (command.args.empty()) {
        return failed("expected expect WHAT ..., found nothing to expect");
    }
    const std::string& kind = command.args[0].text;
    platform::MemoryPlatform& p = session.platform();
    Command rest{command.line, kind, {command.args.begin() + 1, command.args.end()}};
    if (kind == "events" || kind == "clipboard" || kind == "running") {
        if (rest.args.size() != 1) {
            return failed("expected " + kind + " with one argument, found " +
                          std::to_string(rest.args.size()));
        }
    }
    if (kind == "events") {
        return expect_events(session, rest.args[0]);
    }
    if (kind == "clipboard") {
        const std::string want = text_with_line_ends(rest.args[0]);
        const std::string found = p.clipboard_text();
        return want == found ? passed()
                             : failed("expected clipboard " + as_text(want) + ", found " + as_text(found));
    }
    if (kind == "running") {
        const auto want = read_yes_no(rest.args[0].text);
        if (!want) {
            return failed("expected running yes|no, found " + as_text(rest.args[0].text));
        }
        return *want == session.running() ? passed()
                                          : failed(std::string("expected running ") + (*want ? "yes" : "no") +
                                                   ", found " + (session.running() ? "yes" : "no"));
    }
    if (kind == "file") {
        return expect_file(p.program_directory(), rest);
    }
    if (kind == "workfile") {
        return expect_file(p.working_directory(), rest);
    }
    if (kind == "nofile") {
        if (rest.args.size() != 1) {
            return failed("expected nofile NAME, found another form");
        }
        const bool exists = p.file_exists(p.program_directory() / store::path_of(rest.args[0].text));
        return exists ? failed("expected no file " + rest.args[0].text + ", found it") : passed();
    }
    static const char* const on_targets[] = {"caption", "text",    "rows",  "count",    "selected", "visible",
                                             "enabled", "checked", "color", "geometry", "date"};
    for (const char* k : on_targets) {
        if (kind == k) {
            return expect_on_target(session, command, kind);
        }
    }
    return failed("expected a known expectation, found " + as_text(kind));
}

}  // namespace velmora::shell::scenario
