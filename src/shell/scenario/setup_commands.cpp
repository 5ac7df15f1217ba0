// Set-up commands: the clock, data files, the working directory, the clipboard, the file
// association, the browser, the queued message-box answers and the user who stops a run of
// sends. Beside the commands of the scenario format, this one is added:
//
//   userinput after N    the user presses a key of their own during the next run of sends (a
//                        profile row, a popup item, an ID entry, a flowchart, the hand-over to
//                        the browser), once N of its key sends and typed texts have gone out
//                        (0: as the run begins). The run types nothing more, records no history,
//                        and the status line says so. A run that ends before N sends uses it up.

#include <filesystem>
#include <system_error>

#include "shell/scenario/session.h"
#include "store/store.h"
#include "text/text.h"

namespace velmora::shell::scenario {
namespace {

namespace fs = std::filesystem;

std::optional<locale::DateTime> read_today(const Command& command) {
    if (command.args.empty() || command.args.size() > 2) {
        return std::nullopt;
    }
    const auto date = text::split(command.args[0].text, "/");
    if (date.size() != 3) {
        return std::nullopt;
    }
    const auto y = read_number(date[0]);
    const auto m = read_number(date[1]);
    const auto d = read_number(date[2]);
    if (!y || !m || !d) {
        return std::nullopt;
    }
    locale::DateTime t{static_cast<int>(*y), static_cast<int>(*m), static_cast<int>(*d), 9, 0, 0};
    if (!locale::is_valid(t.date())) {
        return std::nullopt;
    }
    if (command.args.size() == 2) {
        const auto time = text::split(command.args[1].text, ":");
        if (time.size() != 3) {
            return std::nullopt;
        }
        const auto h = read_number(time[0]);
        const auto mi = read_number(time[1]);
        const auto s = read_number(time[2]);
        if (!h || !mi || !s || *h < 0 || *h > 23 || *mi < 0 || *mi > 59 || *s < 0 || *s > 59) {
            return std::nullopt;
        }
        t.hour = static_cast<int>(*h);
        t.minute = static_cast<int>(*mi);
        t.second = static_cast<int>(*s);
    }
    return t;
}

// Writes the text in the program's own file encoding: its lines each end with CR LF, except a
// text that does not end with one, whose last line is written without it.
Outcome write_text_file(const fs::path& file, const std::string& content) {
    std::vector<std::string> lines = text::split(content, "\r\n");
    const bool ends_with_line_end = content.empty() || content.ends_with("\r\n");
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    const store::SaveResult result = store::write_lines(file, lines);
    if (!result.ok) {
        return failed("expected to write " + file.filename().string() + ", found " + result.reason);
    }
    if (!ends_with_line_end) {
        std::error_code ec;
        const auto size = fs::file_size(file, ec);
        if (ec || size < 2) {
            return failed("expected to write " + file.filename().string() + ", found it unreadable");
        }
        fs::resize_file(file, size - 2, ec);
    }
    return passed();
}

Outcome file_command(const fs::path& dir, const Command& command) {
    if (command.args.size() != 2) {
        return failed("expected " + command.name + " NAME TEXT, found " +
                      std::to_string(command.args.size()) + " arguments");
    }
    return write_text_file(dir / store::path_of(command.args[0].text), text_with_line_ends(command.args[1]));
}

Outcome answer_command(Session& session, const Command& command) {
    if (command.args.empty()) {
        return failed("expected answer yes|no|cancel|ok..., found no answer");
    }
    for (const Arg& arg : command.args) {
        platform::Answer answer{};
        if (arg.text == "yes") {
            answer = platform::Answer::Yes;
        } else if (arg.text == "no") {
            answer = platform::Answer::No;
        } else if (arg.text == "cancel") {
            answer = platform::Answer::Cancel;
        } else if (arg.text == "ok") {
            answer = platform::Answer::Ok;
        } else {
            return failed("expected an answer yes, no, cancel or ok, found " + as_text(arg.text));
        }
        session.platform().queue_answer(answer);
    }
    return passed();
}

Outcome one_name(const Command& command, auto&& action) {
    if (command.args.size() != 1) {
        return failed("expected " + command.name + " NAME, found " + std::to_string(command.args.size()) +
                      " arguments");
    }
    return action(command.args[0].text);
}

}  // namespace

std::optional<Outcome> run_setup_command(Session& session, const Command& command) {
    platform::MemoryPlatform& p = session.platform();
    const std::string& name = command.name;
    if (name == "today") {
        const auto t = read_today(command);
        if (!t) {
            return failed("expected today YYYY/MM/DD [HH:MM:SS] with a real date, found another form");
        }
        p.set_now(*t);
        return passed();
    }
    if (name == "file") {
        return file_command(p.program_directory(), command);
    }
    if (name == "workfile") {
        return file_command(p.working_directory(), command);
    }
    if (name == "nofile") {
        return one_name(command, [&](const std::string& file) {
            std::error_code ec;
            fs::remove(p.program_directory() / store::path_of(file), ec);
            return passed();
        });
    }
    if (name == "workdir") {
        return one_name(command, [&](const std::string& dir) {
            std::error_code ec;
            fs::create_directories(p.working_directory() / store::path_of(dir), ec);
            return ec ? failed("expected to create " + dir + ", found " + ec.message()) : passed();
        });
    }
    if (name == "clipboard") {
        if (command.args.empty()) {
            p.clear_clipboard();
        } else {
            p.set_clipboard_text(text_with_line_ends(command.args[0]));
        }
        return passed();
    }
    if (name == "association") {
        return one_name(command, [&](const std::string& program) {
            p.set_association(program.empty() ? std::nullopt : std::optional<std::string>(program));
            return passed();
        });
    }
    if (name == "browser") {
        if (command.args.size() != 1 || command.args[0].text != "closed") {
            return failed("expected browser closed, found another form");
        }
        p.close_browsers();
        return passed();
    }
    if (name == "answer") {
        return answer_command(session, command);
    }
    if (name == "userinput") {
        const auto sends = command.args.size() == 2 && command.args[0].text == "after"
                               ? read_number(command.args[1].text)
                               : std::nullopt;
        if (!sends || *sends < 0) {
            return failed("expected userinput after N, found another form");
        }
        p.stop_next_run_after(static_cast<int>(*sends));
        return passed();
    }
    return std::nullopt;
}

}  // namespace velmora::shell::scenario
