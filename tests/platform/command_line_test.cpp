// The browser's command line: each argument quoted so that the splitting rules of Windows
// programs give it back whole (the Win32 check under Wine runs such texts through the system's
// own CommandLineToArgvW), and texts a browser would read as a switch never get that far.
#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora::platform {
namespace {

struct QuoteRow {
    const char* name;
    std::string argument;
    std::string quoted;
};

TEST(CommandLine, QuotingKeepsEveryArgumentWhole) {
    const std::vector<QuoteRow> rows = {
        {"plain address", "http://a.example/x/", R"("http://a.example/x/")"},
        {"a blank and a would-be switch", R"(http://a.example/ --x="y z")",
         R"("http://a.example/ --x=\"y z\"")"},
        {"a quote alone", R"(a"b)", R"("a\"b")"},
        {"backslashes before a quote double", R"(a\\"b)", R"("a\\\\\"b")"},
        {"a backslash at the end doubles", R"(C:\dir\)", R"("C:\dir\\")"},
        {"backslashes inside stand", R"(\\server\share)", R"("\\server\share")"},
        {"tab, Japanese and emoji", "懸賞\t𠮷 ", "\"懸賞\t𠮷 \""},
        {"empty", "", R"("")"},
    };
    for (const QuoteRow& row : rows) {
        EXPECT_EQ(quote_argument(row.argument), row.quoted) << row.name;
    }
}

struct LineRow {
    const char* name;
    std::string program;
    std::string argument;
    std::optional<std::string> line;
};

TEST(CommandLine, ProgramQuotedAndOneArgumentOrNothing) {
    const std::vector<LineRow> rows = {
        {"a path with blanks", R"(C:\Program Files\Web\browser.exe)", "http://a.example/",
         R"("C:\Program Files\Web\browser.exe" "http://a.example/")"},
        {"a blank in the address", R"(C:\B\b.exe)", "http://a.example/ --x",
         R"("C:\B\b.exe" "http://a.example/ --x")"},
        {"no argument", "notepad.exe", "", R"("notepad.exe")"},
        {"a leading minus", R"(C:\B\b.exe)", "--utility-cmd-prefix=calc", std::nullopt},
        {"a minus after blanks", R"(C:\B\b.exe)", " \t-x", std::nullopt},
        {"a leading slash", R"(C:\B\b.exe)", "/safe-mode", std::nullopt},
        {"a quote in the program", R"(C:\B" "x.exe)", "http://a/", std::nullopt},
        {"no program", "", "http://a/", std::nullopt},
        {"a NUL in the argument", R"(C:\B\b.exe)", std::string("http://a/\0 -x", 13), std::nullopt},
    };
    for (const LineRow& row : rows) {
        EXPECT_EQ(command_line_of(row.program, row.argument), row.line) << row.name;
    }
}

TEST(CommandLine, OnlyWebAddressesGoToTheDefaultOpener) {
    const std::vector<std::pair<std::string, bool>> rows = {
        {"http://a.example/", true},
        {"https://a.example/", true},
        {"HTTPS://A.EXAMPLE/", true},
        {"www.example.com", false},
        {"file:///C:/x.exe", false},
        {R"(\\server\share\x.exe)", false},
        {R"(C:\Windows\x.exe)", false},
        {" http://a.example/", false},
        {"http:", false},
        {"javascript:alert(1)", false},
        {"", false},
    };
    for (const auto& [text, web] : rows) {
        EXPECT_EQ(is_web_address(text), web) << text;
    }
}

}  // namespace
}  // namespace velmora::platform
