#include "platform_check_tasks.h"

#include <cwctype>
#include <filesystem>
#include <functional>
#include <string>

#include "single_instance.h"
#include "wide.h"

namespace velmora::probe {
namespace {

using platform::Wait;

constexpr const wchar_t* kProgramClass = L"VelmoraWindow";

std::filesystem::path own_folder() {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    return std::filesystem::path(exe).parent_path();
}

std::filesystem::path test_browser() {
    return own_folder() / L"velmora-test-browser.exe";
}

std::filesystem::path scratch_folder(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const auto folder = std::filesystem::path(temp) / (name + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    return folder;
}

// The window once it shows.
HWND wait_for_window(const wchar_t* title) {
    for (int i = 0; i < 200; ++i) {
        if (HWND window = FindWindowW(nullptr, title); window != nullptr && IsWindowVisible(window)) {
            return window;
        }
        pump(100);
    }
    return nullptr;
}

// The whole file, read without keeping the browser from moving its next record over it.
std::string read_shared(const std::filesystem::path& file) {
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(h);
    return bytes;
}

// Starts the test browser on its own (no task of the platform) and waits for its window.
HWND start_browser(const std::wstring& arguments, const wchar_t* title) {
    std::wstring line = L"\"" + test_browser().wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return wait_for_window(title);
}

// The browser's log has this line, within the seconds given.
bool log_has(const std::filesystem::path& log, const std::string& line, int seconds) {
    for (int i = 0; i <= seconds * 10; ++i) {
        const std::string text = "\n" + read_shared(log);
        if (text.find("\n" + line + "\n") != std::string::npos) {
            return true;
        }
        pump(100);
    }
    return false;
}

void close_window(HWND window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    for (int i = 0; i < 100 && IsWindow(window); ++i) {
        pump(50);
    }
}

std::wstring log_argument(const std::filesystem::path& log) {
    return L"--log \"" + log.wstring() + L"\"";
}

}  // namespace

// A browser that hands the URL to its running copy ends at once; the copy shows the contest in
// its window and brings it to the front. Another window of the same browser (another profile)
// that comes in front afterwards must not receive the keys, nor stand in for the contest's
// window once that is closed.
void browser_task_checks(win32::Win32Platform& desktop, Check& check) {
    const auto logs = scratch_folder(L"velmora-task-check-");
    HWND other = start_browser(L"--title Profile " + log_argument(logs / L"profile.txt"), L"Profile");
    HWND running = start_browser(log_argument(logs / L"running.txt"), L"Velmora Test Browser");
    check("two windows of the test browser run", other != nullptr && running != nullptr);
    if (other == nullptr || running == nullptr) {
        return;
    }
    SetForegroundWindow(other);  // in front when the browser is launched, as the program is
    pump(300);
    SetEnvironmentVariableW(L"VELMORA_BROWSER_HANDOFF", L"1");
    const auto task = desktop.launch(win32::narrow(test_browser().wstring()), "http://handoff.example/");
    check("the launched copy hands the URL to the running one",
          task.has_value() && log_has(logs / L"running.txt", "page 2 handoff http://handoff.example/", 20));
    pump(500);
    SetForegroundWindow(other);
    pump(500);
    const bool activated = desktop.activate_task(task, Wait::No);
    check("the task activates the window the contest opened in, not another of that browser",
          activated && GetForegroundWindow() == running);
    check("typed text goes into that window",
          desktop.type_text("abc") && log_has(logs / L"running.txt", "page 2 field 1 abc", 10));
    close_window(running);
    SetForegroundWindow(other);
    pump(300);
    check("once that window is closed the task activates no other", !desktop.activate_task(task, Wait::No));
    check("nothing was typed into the other window",
          !log_has(logs / L"profile.txt", "page 1 field 1 abc", 0));
    close_window(other);
    SetEnvironmentVariableW(L"VELMORA_BROWSER_HANDOFF", nullptr);
}

void single_instance_checks(Check& check) {
    const auto folder = scratch_folder(L"velmora-lock-check-");
    // The claim of earlier versions: a named mutex any program could compute and make first.
    std::wstring lowered = folder.wstring();
    for (wchar_t& c : lowered) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    HANDLE squatter = CreateMutexW(
        nullptr, FALSE, (L"Local\\Velmora-" + std::to_wstring(std::hash<std::wstring>{}(lowered))).c_str());
    {
        const win32::SingleInstance first(folder);
        check("a name claimed first by another program does not stop the program", first.first());
        check("the lock is a file in the program's folder",
              std::filesystem::exists(folder / win32::kLockFileName));
        {
            const win32::SingleInstance second(folder);
            check("a second start from the same folder finds the lock held", !second.first());
        }
        const win32::SingleInstance elsewhere(scratch_folder(L"velmora-lock-other-"));
        check("a program in another folder is not stopped", elsewhere.first());
    }
    const win32::SingleInstance again(folder);
    check("the lock goes with the program that held it", again.first());
    CloseHandle(squatter);

    // A window of the program's class, of a program in this check's folder.
    HWND window = start_browser(
        L"--class VelmoraWindow --title Stranger " + log_argument(folder / L"stranger.txt"), L"Stranger");
    check("a window of the program's class from another folder is not brought to the front",
          window != nullptr && !win32::bring_running_program_to_front(kProgramClass, folder));
    check("a window of the program's class from the program's folder is",
          window != nullptr && win32::bring_running_program_to_front(kProgramClass, own_folder()));
    if (window != nullptr) {
        close_window(window);
    }
}

}  // namespace velmora::probe
