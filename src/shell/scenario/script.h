#pragma once
// Reading a scenario file: one command per line, blank-separated arguments, quoted texts with
// escapes, and <<TAG blocks. The result is the list of commands with their line numbers, or the
// first lexical error.
//
//   auto script = parse_script("start\nexpect caption Form1 \"!ZOV\"\n");

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::shell::scenario {

struct Arg {
    std::string text;                // the word or the decoded quoted text
    bool quoted = false;             // written in double quotes
    bool block = false;              // a <<TAG block; its lines are in `lines`
    std::vector<std::string> lines;  // a block's lines, quoted lines decoded
};

struct Command {
    int line = 0;
    std::string name;
    std::vector<Arg> args;
};

struct Script {
    std::vector<Command> commands;
    std::optional<std::string> error;  // a lexical error, at `error_line`
    int error_line = 0;
};

Script parse_script(std::string_view source);

// Decodes the escapes \r \n \t \" \\ and \u{XXXX}; nullopt (with a reason) on a bad escape.
std::optional<std::string> decode_escapes(std::string_view text, std::string* reason = nullptr);

// Splits a line into arguments (quoted texts decoded); nullopt with a reason on an unclosed quote
// or a bad escape.
std::optional<std::vector<Arg>> split_arguments(std::string_view line, std::string* reason = nullptr);

// The text of an argument: a block's lines each followed by CR LF (clipboard, file contents).
std::string text_with_line_ends(const Arg& arg);
// The text of an argument: a block's lines joined by CR LF, without a final one.
std::string text_joined(const Arg& arg);
// The lines of an argument: a block's lines; a text split at CR LF (a final CR LF adds no line).
std::vector<std::string> lines_of(const Arg& arg);

}  // namespace velmora::shell::scenario
