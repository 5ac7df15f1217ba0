// The browser's command line against the system's own splitting: every argument of the table
// comes back whole from CommandLineToArgvW, and the test browser, launched with a URL that holds
// a blank and quotes, receives it as its one argument.

#include "platform_check_launch.h"

#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/command_line.h"
#include "wide.h"

namespace velmora::probe {
namespace {

std::vector<std::wstring> split_by_the_system(const std::string& line) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(win32::widen(line).c_str(), &argc);
    std::vector<std::wstring> args;
    for (int i = 0; argv != nullptr && i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    LocalFree(argv);
    return args;
}

std::string file_text(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void close_test_browsers() {
    while (HWND browser = FindWindowW(L"VelmoraTestBrowser", nullptr)) {
        PostMessageW(browser, WM_CLOSE, 0, 0);
        for (int i = 0; i < 100 && IsWindow(browser); ++i) {
            Sleep(50);
        }
        if (IsWindow(browser)) {
            return;
        }
    }
}

}  // namespace

void launch_checks(win32::Win32Platform& desktop, Check& check) {
    const std::string program = R"(C:\Program Files\Web Browser\browser.exe)";
    const std::vector<std::string> arguments = {
        R"(http://a.example/ --x="y z")", R"(http://a.example/?q=a"b)", R"(http://a.example/a\"b\)",
        R"(http://a.example/\\" --y)",    "http://a.example/\t--tab",   "http://懸賞.example/𠮷 x",
    };
    bool whole = true;
    for (const std::string& argument : arguments) {
        const auto line = platform::command_line_of(program, argument);
        const auto args = line ? split_by_the_system(*line) : std::vector<std::wstring>{};
        const bool ok =
            args.size() == 2 && args[0] == win32::widen(program) && args[1] == win32::widen(argument);
        if (!ok) {
            std::printf("        split apart: %s\n", argument.c_str());
        }
        whole = whole && ok;
    }
    check("the system splits every quoted command line into the path and the whole URL", whole);

    const std::filesystem::path browser = desktop.program_directory() / "velmora-test-browser.exe";
    const std::filesystem::path log = desktop.program_directory() / "browser-log.txt";
    std::error_code ec;
    std::filesystem::remove(log, ec);
    const std::string url = R"(http://a.example/ --x="y z")";
    const auto task = desktop.launch(win32::narrow(browser.wstring()), url);
    check("the test browser launches from a path given apart from its argument", task.has_value());
    const std::string expected = "page 1 start " + url + "\n";
    bool arrived = false;
    for (int i = 0; i < 200 && !arrived; ++i) {
        arrived = file_text(log).starts_with(expected);
        Sleep(arrived ? 0 : 50);
    }
    check("a URL with a blank and quotes reaches the browser as its one argument", arrived);
    if (!arrived) {
        std::printf("        the browser logged \"%s\"\n", file_text(log).c_str());
    }
    close_test_browsers();
}

}  // namespace velmora::probe
