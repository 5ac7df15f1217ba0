#pragma once
// How a program is started with one argument on Windows: the program's path in quotes and the
// argument quoted by the rules Windows programs use to split their command line (the runtime's
// rules and CommandLineToArgvW agree on them), so that a text with blanks or quotes arrives as
// exactly one argument. Plus the two checks on what may reach a browser at all.
//
//   command_line_of("C:\\Web\\b.exe", "http://a.example/ x")  // "\"C:\\Web\\b.exe\" \"http://a.example/ x\""

#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// The argument in double quotes: a quote inside becomes \", backslashes before a quote or
// before the closing quote are doubled, every other backslash stands as it is.
std::string quote_argument(std::string_view argument);

// The quoted program, then the quoted argument (none when empty). nullopt when the program is
// empty or holds a quote (no path does), or the argument holds a NUL or reads as a switch.
std::optional<std::string> command_line_of(std::string_view program, std::string_view argument);

// A text that a browser would take as a command-line switch whatever its quotes: its first
// character other than blanks and control characters is "-" or "/".
bool reads_as_switch(std::string_view text);

// A text that begins with "http://" or "https://" (the scheme in any case).
bool is_web_address(std::string_view text);

}  // namespace velmora::platform
