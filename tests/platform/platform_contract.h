#pragma once
// The behaviour every Platform must show whatever desktop is behind it, as one list of checks
// that each implementation runs: the headless one in the test suite, the Win32 one under Wine
// (tests/win32/platform_check.cpp). `check(name, ok)` records one result.
//
//   run_platform_contract(desktop, [](const char* name, bool ok) { EXPECT_TRUE(ok) << name; });

#include <string>
#include <vector>

#include "platform/platform.h"

namespace velmora::platform {

template <typename Check>
void run_platform_contract(Platform& desktop, Check&& check) {
    const std::string text = "応募 𠮷 a+b%(c){d}\r\n2行目\t";
    desktop.set_clipboard_text(text);
    check("the clipboard gives back exactly the text it was given", desktop.clipboard_text() == text);
    std::string kept = "an older and much longer text left in the caller's buffer";
    desktop.clipboard_text_into(kept);
    check("the clipboard's text read into a kept buffer replaces what it held", kept == text);
    desktop.set_clipboard_text("");
    check("an empty text on the clipboard reads empty", desktop.clipboard_text().empty());
    desktop.set_clipboard_text("x");
    desktop.clear_clipboard();
    check("a cleared clipboard reads empty", desktop.clipboard_text().empty());
    desktop.clipboard_text_into(kept);
    check("a cleared clipboard read into a kept buffer empties it", kept.empty());

    check("the program directory exists", desktop.directory_exists(desktop.program_directory()));
    check("the working directory exists", desktop.directory_exists(desktop.working_directory()));
    check("a missing file does not exist",
          !desktop.file_exists(desktop.program_directory() / "no-such-file-of-the-contract.ini"));
    check("a missing directory does not exist",
          !desktop.directory_exists(desktop.program_directory() / "no-such-folder-of-the-contract"));

    const locale::DateTime now = desktop.now();
    check("the clock gives a real date and time", now.year >= 2000 && now.month >= 1 && now.month <= 12 &&
                                                      now.day >= 1 && now.day <= 31 && now.hour >= 0 &&
                                                      now.hour < 24 && now.minute >= 0 && now.minute < 60);

    check("activating when no task was launched fails", !desktop.activate_task(std::nullopt, Wait::No));
    check("activating a task never launched fails", !desktop.activate_task(9999, Wait::No));
    check("a stray brace is no notation: nothing is sent", !desktop.send_keys("}"));
    check("an unknown key name is no notation: nothing is sent", !desktop.send_keys("{NOSUCHKEY}"));
    check("an unclosed group is no notation: nothing is sent", !desktop.send_keys("+({TAB}"));
    check("an argument that reads as a switch is never launched",
          !desktop.launch("C:\\no-such-folder\\browser.exe", "--switch=1").has_value() &&
              !desktop.launch("C:\\no-such-folder\\browser.exe", "  /switch").has_value());
    check("the default opener opens no text but a web address",
          !desktop.open_with_default("C:\\Windows\\notepad.exe") &&
              !desktop.open_with_default("\\\\server\\share\\x.exe"));

    desktop.begin_send_run();
    check("a run of sends with no input of the user's own is not stopped", !desktop.send_run_stopped());
    desktop.end_send_run();

    for (const std::string& secret :
         std::vector<std::string>{"a/b/c", "懸賞/太郎/pa ss%^~𠮷", {"\0x\0", 3}}) {
        const auto locked = desktop.protect_secret(secret);
        check("a protected secret is opaque bytes, never the secret or a text holding it",
              locked && *locked != secret && locked->find(secret) == std::string::npos);
        check("a protected secret reads back exactly", locked && desktop.unprotect_secret(*locked) == secret);
        if (locked && locked->size() > 1) {
            std::string damaged = *locked;
            damaged.back() = static_cast<char>(damaged.back() ^ 0x55);
            check("damaged protected bytes read back as nothing", !desktop.unprotect_secret(damaged));
            check("cut protected bytes read back as nothing",
                  !desktop.unprotect_secret(std::string_view(*locked).substr(0, locked->size() - 1)));
        }
    }
    check("bytes that were never protected read back as nothing",
          !desktop.unprotect_secret("not protected at all, just text"));
}

}  // namespace velmora::platform
