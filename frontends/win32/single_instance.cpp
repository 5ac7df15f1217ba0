#include "single_instance.h"

#include <cwctype>
#include <functional>
#include <string>

namespace velmora::win32 {
namespace {

// The folder decides which files a program writes, so it names the claim (case-insensitively,
// as the file system compares names).
std::wstring claim_name(const std::filesystem::path& program_directory) {
    std::wstring folder = program_directory.wstring();
    for (wchar_t& c : folder) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return L"Local\\Velmora-" + std::to_wstring(std::hash<std::wstring>{}(folder));
}

struct Search {
    const wchar_t* window_class;
    DWORD own_process;
    HWND found;
};

BOOL CALLBACK find_other_window(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != search->own_process && IsWindowVisible(hwnd) &&
        std::wstring(name) == search->window_class) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& program_directory) {
    m_mutex = CreateMutexW(nullptr, FALSE, claim_name(program_directory).c_str());
    m_first = m_mutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
    if (m_mutex != nullptr) {
        CloseHandle(m_mutex);
    }
}

bool bring_running_program_to_front(const wchar_t* window_class) {
    Search search{window_class, GetCurrentProcessId(), nullptr};
    EnumWindows(find_other_window, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        return false;
    }
    if (IsIconic(search.found)) {
        ShowWindow(search.found, SW_RESTORE);
    }
    SetForegroundWindow(search.found);
    return true;
}

}  // namespace velmora::win32
