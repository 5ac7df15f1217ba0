#include "shell/scenario/script.h"

#include "text/text.h"

namespace velmora::shell::scenario {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::optional<char32_t> read_code_point(std::string_view text, std::size_t& i, std::string* reason) {
    // `i` stands after "\u"; the form is {XXXX}.
    const auto fail = [&](const char* why) -> std::optional<char32_t> {
        if (reason != nullptr) {
            *reason = why;
        }
        return std::nullopt;
    };
    if (i >= text.size() || text[i] != '{') {
        return fail("\\u must be followed by {hex}");
    }
    const std::size_t close = text.find('}', i);
    if (close == std::string_view::npos || close == i + 1 || close - i - 1 > 6) {
        return fail("\\u{...} needs one to six hex digits");
    }
    char32_t value = 0;
    for (std::size_t k = i + 1; k < close; ++k) {
        const char c = text[k];
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return fail("\\u{...} holds a character that is no hex digit");
        }
        value = value * 16 + static_cast<char32_t>(digit);
    }
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return fail("\\u{...} is no Unicode character");
    }
    i = close + 1;
    return value;
}

// Reads a quoted text starting at the opening quote; `i` ends after the closing quote.
std::optional<std::string> read_quoted(std::string_view line, std::size_t& i, std::string* reason) {
    std::size_t k = i + 1;
    while (k < line.size() && line[k] != '"') {
        k += line[k] == '\\' ? 2 : 1;
    }
    if (k >= line.size()) {
        if (reason != nullptr) {
            *reason = "a quoted text is not closed";
        }
        return std::nullopt;
    }
    auto decoded = decode_escapes(line.substr(i + 1, k - i - 1), reason);
    i = k + 1;
    return decoded;
}

std::string decode_block_line(std::string_view line, bool& ok, std::string* reason) {
    ok = true;
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"') {
        auto decoded = decode_escapes(line.substr(1, line.size() - 2), reason);
        if (!decoded) {
            ok = false;
            return {};
        }
        return *decoded;
    }
    return std::string(line);
}

std::vector<std::string> source_lines(std::string_view source) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < source.size()) {
        std::size_t end = source.find('\n', start);
        if (end == std::string_view::npos) {
            end = source.size();
        }
        std::string_view line = source.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

bool ignorable(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

}  // namespace

std::optional<std::string> decode_escapes(std::string_view text, std::string* reason) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c != '\\') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) {
            if (reason != nullptr) {
                *reason = "a text ends with a lone backslash";
            }
            return std::nullopt;
        }
        const char e = text[i + 1];
        i += 2;
        switch (e) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case 'u': {
                const auto cp = read_code_point(text, i, reason);
                if (!cp) {
                    return std::nullopt;
                }
                out += text::encode(*cp);
                break;
            }
            default:
                if (reason != nullptr) {
                    *reason = std::string("unknown escape \\") + e;
                }
                return std::nullopt;
        }
    }
    return out;
}

std::optional<std::vector<Arg>> split_arguments(std::string_view line, std::string* reason) {
    std::vector<Arg> args;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && is_blank(line[i])) {
            ++i;
        }
        if (i >= line.size()) {
            break;
        }
        Arg arg;
        if (line[i] == '"') {
            auto text = read_quoted(line, i, reason);
            if (!text) {
                return std::nullopt;
            }
            if (i < line.size() && !is_blank(line[i])) {
                if (reason != nullptr) {
                    *reason = "a closing quote must be followed by a blank";
                }
                return std::nullopt;
            }
            arg.text = std::move(*text);
            arg.quoted = true;
        } else {
            const std::size_t start = i;
            while (i < line.size() && !is_blank(line[i])) {
                ++i;
            }
            arg.text = std::string(line.substr(start, i - start));
        }
        args.push_back(std::move(arg));
    }
    return args;
}

Script parse_script(std::string_view source) {
    Script script;
    const std::vector<std::string> lines = source_lines(source);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int line_no = static_cast<int>(n) + 1;
        if (ignorable(lines[n])) {
            continue;
        }
        std::string reason;
        auto args = split_arguments(lines[n], &reason);
        if (!args) {
            script.error = reason;
            script.error_line = line_no;
            return script;
        }
        Command command{line_no, args->front().text, {args->begin() + 1, args->end()}};
        if (!command.args.empty() && !command.args.back().quoted && command.args.back().text.size() > 2 &&
            command.args.back().text.starts_with("<<")) {
            Arg& block = command.args.back();
            const std::string tag = block.text.substr(2);
            block.block = true;
            block.text.clear();
            std::size_t k = n + 1;
            for (; k < lines.size() && lines[k] != tag; ++k) {
                bool ok = true;
                block.lines.push_back(decode_block_line(lines[k], ok, &reason));
                if (!ok) {
                    script.error = reason;
                    script.error_line = static_cast<int>(k) + 1;
                    return script;
                }
            }
            if (k >= lines.size()) {
                script.error = "the block <<" + tag + " has no closing line " + tag;
                script.error_line = line_no;
                return script;
            }
            n = k;
        }
        script.commands.push_back(std::move(command));
    }
    return script;
}

std::string text_with_line_ends(const Arg& arg) {
    if (!arg.block) {
        return arg.text;
    }
    std::string out;
    for (const std::string& line : arg.lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string text_joined(const Arg& arg) {
    return arg.block ? text::join(arg.lines, "\r\n") : arg.text;
}

std::vector<std::string> lines_of(const Arg& arg) {
    if (arg.block) {
        return arg.lines;
    }
    std::vector<std::string> pieces = text::split(arg.text, "\r\n");
    if (!pieces.empty() && pieces.back().empty()) {
        pieces.pop_back();
    }
    return pieces;
}

}  // namespace velmora::shell::scenario
