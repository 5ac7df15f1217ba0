// The Win32 platform against the real desktop under Wine: clipboard, message boxes, directories,
// launching Notepad, activating it, typing into it and sending keys (also in a run of sends
// watched for the user's input), refusing to send when the window in front is no longer the one
// activated, the data protection, and the browser's command line against the system's
// splitting; which window a browser's task activates, and the single-instance lock. Prints one
// line per check and ends with "N passed, M failed".

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "platform/platform_contract.h"
#include "platform_check_launch.h"
#include "platform_check_support.h"
#include "platform_check_tasks.h"
#include "trace.h"
#include "wide.h"
#include "win32_platform.h"

namespace {

using velmora::platform::Answer;
using velmora::platform::Buttons;
using velmora::platform::Wait;
using velmora::probe::Check;

// Edit controls count selections in UTF-16 units, the program in characters.
void position_checks(Check& check) {
    const std::wstring text = velmora::win32::widen("a𠮷bテ");
    check("UTF-8 to UTF-16 and back keeps the text", velmora::win32::narrow(text) == "a𠮷bテ");
    check("character 2 ends after the pair", velmora::win32::utf16_position(text, 2) == 3);
    check("characters past the end stop at the end", velmora::win32::utf16_position(text, 9) == 5);
    check("UTF-16 position 3 is character 2", velmora::win32::character_position(text, 3) == 2);
    check("UTF-16 position 5 is character 4", velmora::win32::character_position(text, 5) == 4);
}

void clipboard_checks(velmora::win32::Win32Platform& desktop, Check& check) {
    const std::string text = "応募 𠮷 a+b\r\n2行目";
    desktop.set_clipboard_text(text);
    check("clipboard keeps UTF-8 text through UTF-16", desktop.clipboard_text() == text);
    desktop.clear_clipboard();
    check("a cleared clipboard reads empty", desktop.clipboard_text().empty());
}

// A helper thread answers the box the way a user would, by its button.
Answer answered(velmora::win32::Win32Platform& desktop, Buttons buttons, int button, const wchar_t* title,
                std::optional<std::string_view> title_text) {
    std::thread user([button, title] { velmora::probe::press_box_button(title, button); });
    const Answer answer = desktop.message_box("確認しますか？", buttons, title_text);
    user.join();
    return answer;
}

void message_box_checks(velmora::win32::Win32Platform& desktop, Check& check) {
    check("Yes/No box answered No gives No",
          answered(desktop, Buttons::YesNo, IDNO, L"Velmora", std::nullopt) == Answer::No);
    check("Yes/No box answered Yes gives Yes",
          answered(desktop, Buttons::YesNo, IDYES, L"Velmora", std::nullopt) == Answer::Yes);
    check("Yes/No/Cancel box answered Cancel gives Cancel",
          answered(desktop, Buttons::YesNoCancel, IDCANCEL, L"Velmora", std::nullopt) == Answer::Cancel);
    check("OK box with its own title gives Ok",
          answered(desktop, Buttons::Ok, IDOK, L"お知らせ", std::string_view("お知らせ")) == Answer::Ok);
}

void directory_checks(velmora::win32::Win32Platform& desktop, Check& check) {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::filesystem::path self(exe);
    check("program directory is the executable's", desktop.program_directory() == self.parent_path());
    check("working directory is the current one",
          desktop.working_directory() == std::filesystem::current_path());
    check("the executable exists", desktop.file_exists(self));
    check("its directory is a directory", desktop.directory_exists(self.parent_path()));
    check("a missing file does not exist", !desktop.file_exists(self.parent_path() / "no-such-file.ini"));
    check("no program opens a missing document",
          !desktop.find_executable(self.parent_path() / "no-such-page.html").has_value());
    SYSTEMTIME t{};
    GetLocalTime(&t);
    check("now is the local time", desktop.now().year == t.wYear && desktop.now().month == t.wMonth);
}

void typing_checks(velmora::win32::Win32Platform& desktop, Check& check) {
    check("no task: activation fails", !desktop.activate_task(std::nullopt, Wait::No));
    check("unknown task: activation fails", !desktop.activate_task(99, Wait::No));
    check("unknown title: activation fails", !desktop.activate_title("この題のウィンドウはない"));
    const auto task = desktop.launch("notepad.exe");
    check("Notepad launches as task 1", task == 1);
    HWND editor = velmora::probe::wait_for_edit_of_newest_notepad();
    bool activated = false;
    for (int i = 0; i < 50 && !activated; ++i) {
        activated = desktop.activate_task(task, Wait::No);
        Sleep(activated ? 0 : 100);
    }
    check("Notepad's window comes to the front", activated);
    check("typed text arrives literally", desktop.type_text("a+b(c) 𠮷テスト{TAB}"));
    check("keys in notation are sent", desktop.send_keys("{ENTER}x{BS}y"));
    check("a malformed notation sends nothing", !desktop.send_keys("{NOSUCHKEY}"));
    Sleep(300);
    const std::string typed = velmora::probe::edit_text(editor);
    check("Notepad holds exactly what was typed", typed == "a+b(c) 𠮷テスト{TAB}\r\ny");
    if (typed != "a+b(c) 𠮷テスト{TAB}\r\ny") {
        std::printf("        Notepad holds \"%s\"\n", typed.c_str());
    }
    // A run of sends is watched for the user's own keys and clicks; the keys it injects itself
    // (and the tap on Alt that activation may need) never stop it.
    desktop.begin_send_run();
    const bool reactivated = desktop.activate_task(task, Wait::No);
    const bool run_typed = desktop.type_text("(run)") && desktop.send_keys("{END}");
    const bool run_stopped = desktop.send_run_stopped();
    desktop.end_send_run();
    Sleep(300);
    check("a watched run of sends types its keys", reactivated && run_typed);
    check("the program's own injected keys do not stop the run", !run_stopped);
    check("Notepad holds the run's text after the rest",
          velmora::probe::edit_text(editor) == typed + "(run)");
    HWND guard = velmora::probe::show_guard_window();
    check("keys stop when another window came to the front", !desktop.send_keys("z"));
    check("nothing reached Notepad after that", velmora::probe::edit_text(editor) == typed + "(run)");
    DestroyWindow(guard);
    velmora::probe::end_newest_notepad();
}

}  // namespace

int wmain() {
    velmora::win32::start_trace_from_environment();
    velmora::win32::Win32Platform desktop;
    Check check;
    // The contract the headless desktop keeps in the test suite, on the real desktop.
    velmora::platform::run_platform_contract(desktop,
                                             [&check](const char* name, bool ok) { check(name, ok); });
    position_checks(check);
    clipboard_checks(desktop, check);
    message_box_checks(desktop, check);
    directory_checks(desktop, check);
    typing_checks(desktop, check);
    velmora::probe::launch_checks(desktop, check);
    velmora::probe::browser_task_checks(desktop, check);
    velmora::probe::single_instance_checks(check);
    return check.finish();
}
