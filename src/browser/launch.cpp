#include "browser/browser.h"
#include "ledger/shared_procedures.h"
#include "text/text.h"

namespace velmora::browser {
namespace {

// The program that opens .html files, as a path ending in ".exe"; nullopt when the desktop names none.
std::optional<std::string> html_program(platform::Platform& platform) {
    const auto answer = platform.find_executable(platform.program_directory() / "a.html");
    if (!answer) {
        return std::nullopt;
    }
    const long exe_at = text::find(text::lower(*answer), ".exe");
    if (exe_at == 0) {
        return std::nullopt;
    }
    return text::left(*answer, exe_at + 3);
}

}  // namespace

void ShellAuto(ui::Program& program, std::string_view url) {
    platform::Platform& platform = program.platform;
    if (const auto path = html_program(platform)) {
        if (const auto task = platform.launch(*path + " " + std::string(url))) {
            program.form1.BrowserTask = task;
            return;
        }
    }
    // No browser of our own to start: the desktop's default opener gets the URL.
    if (!platform.open_with_default(url)) {
        platform.message_box("ブラウザが見つかりませんでした。\r\n" + std::string(url),
                             platform::Buttons::Ok);
    }
}

void WinChange(ui::Program& program, std::string_view url) {
    platform::Platform& platform = program.platform;
    ui::Fo1Ca(program.form1, "ZOV");
    // The URL goes on the clipboard again right before it is pasted: a question asked since, or
    // the wait for the browser, leaves time for another program to change the clipboard.
    const auto put_url = [&] {
        ledger::CopyText(platform, url);
        return true;
    };
    const bool reached = platform.activate_title("ZOV") &&
                         platform.activate_task(program.form1.BrowserTask, platform::Wait::ForOwnFocus) &&
                         put_url() && platform.send_keys("%D") && platform.send_keys("^V") &&
                         platform.send_keys("{ENTER}");
    if (!reached) {
        ShellAuto(program, url);
    }
}

}  // namespace velmora::browser
