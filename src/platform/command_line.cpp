#include "platform/command_line.h"

namespace velmora::platform {
namespace {

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != prefix[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string quote_argument(std::string_view argument) {
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal unless a quote follows them: then each one needs its pair.
        out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    // The closing quote follows: the backslashes before it are doubled too.
    out.append(2 * backslashes, '\\');
    out += '"';
    return out;
}

std::optional<std::string> command_line_of(std::string_view program, std::string_view argument) {
    if (program.empty() || program.find('"') != std::string_view::npos ||
        argument.find('\0') != std::string_view::npos || reads_as_switch(argument)) {
        return std::nullopt;
    }
    // The program's name ends at its closing quote (no escapes there), so a path with blanks
    // is never tried piece by piece ("C:\Program.exe").
    std::string line = "\"" + std::string(program) + "\"";
    if (!argument.empty()) {
        line += " " + quote_argument(argument);
    }
    return line;
}

bool reads_as_switch(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) <= ' ' || c == '\x7F') {
            continue;
        }
        return c == '-' || c == '/';
    }
    return false;
}

bool is_web_address(std::string_view text) {
    return starts_with_ignoring_case(text, "http://") || starts_with_ignoring_case(text, "https://");
}

}  // namespace velmora::platform
