#include "autofill/sending.h"
#include "browser/browser.h"
#include "ledger/shared_procedures.h"
#include "platform/command_line.h"
#include "platform/send_run.h"
#include "text/text.h"

namespace velmora::browser {
namespace {

constexpr std::string_view kSwitchRefused =
    "このアドレスはブラウザに渡しません。\r\n"
    "「-」や「/」で始まる文字は、ブラウザが起動の指示として読むおそれがあります。\r\n";
constexpr std::string_view kNotWebRefused =
    "ブラウザが見つかりませんでした。\r\n"
    "http:// か https:// で始まるアドレスでないため、ほかの方法でも開きません。\r\n";

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
    // Quotes keep the URL one argument, but a browser reads an argument that begins with "-" (or
    // "/") as a switch whatever its quotes, and some switches start other programs.
    if (platform::reads_as_switch(url)) {
        platform.message_box(std::string(kSwitchRefused) + std::string(url), platform::Buttons::Ok);
        return;
    }
    if (const auto path = html_program(platform)) {
        if (const auto task = platform.launch(*path, url)) {
            program.form1.BrowserTask = task;
            return;
        }
    }
    // No browser of our own to start: the desktop's default opener gets the URL, and only a web
    // address (any other text may name a program or a shared folder it would start or open).
    if (!platform::is_web_address(url)) {
        platform.message_box(std::string(kNotWebRefused) + std::string(url), platform::Buttons::Ok);
        return;
    }
    if (!platform.open_with_default(url)) {
        platform.message_box("ブラウザが見つかりませんでした。\r\n" + std::string(url),
                             platform::Buttons::Ok);
    }
}

bool WinChange(ui::Program& program, std::string_view url) {
    platform::Platform& platform = program.platform;
    ui::Fo1Ca(program.form1, "ZOV");
    bool reached = false;
    {
        platform::SendRun run(platform);
        // The URL goes on the clipboard again right before it is pasted: a question asked since,
        // or the wait for the browser, leaves time for another program to change the clipboard.
        const auto put_url = [&] {
            ledger::CopyText(platform, url);
            return true;
        };
        reached = platform.activate_title("ZOV") &&
                  platform.activate_task(program.form1.BrowserTask, platform::Wait::ForOwnFocus) &&
                  put_url() && platform.send_keys("%D") && platform.send_keys("^V") &&
                  platform.send_keys("{ENTER}");
        if (run.stopped()) {
            ui::Fo1Ca(program.form1, autofill::kSendsStoppedCaption);
            return false;
        }
    }
    if (!reached) {
        ShellAuto(program, url);
    }
    return true;
}

}  // namespace velmora::browser
