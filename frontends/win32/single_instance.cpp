#include "single_instance.h"

#include <cwctype>
#include <string>

#include "browser_task.h"

namespace velmora::win32 {
namespace {

// Folders compare as the file system compares names: without regard to case.
bool same_folder(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::wstring x = a.lexically_normal().wstring();
    std::wstring y = b.lexically_normal().wstring();
    for (std::wstring* s : {&x, &y}) {
        while (!s->empty() && (s->back() == L'\\' || s->back() == L'/')) {
            s->pop_back();
        }
        for (wchar_t& c : *s) {
            c = static_cast<wchar_t>(std::towlower(c));
        }
    }
    return !x.empty() && x == y;
}

struct Search {
    const wchar_t* window_class;
    const std::filesystem::path* folder;
    HWND found;
};

// A visible window of the class, of another process that runs a program from the folder.
BOOL CALLBACK find_program_window(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    const DWORD process_id = process_of(hwnd);
    if (process_id == GetCurrentProcessId() || !IsWindowVisible(hwnd) ||
        std::wstring(name) != search->window_class) {
        return TRUE;
    }
    const OwnedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
    if (process.get() == nullptr || process_of(hwnd) != process_id) {
        return TRUE;
    }
    const std::wstring executable = executable_of(process.get());
    if (!executable.empty() &&
        same_folder(std::filesystem::path(executable).parent_path(), *search->folder)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& program_directory) {
    // Opened without sharing: no other process can open the file while this one runs.
    m_lock = CreateFileW((program_directory / kLockFileName).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                         nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_lock == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        m_first = error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION;
    }
}

SingleInstance::~SingleInstance() {
    if (m_lock != INVALID_HANDLE_VALUE) {
        CloseHandle(m_lock);
    }
}

bool bring_running_program_to_front(const wchar_t* window_class,
                                    const std::filesystem::path& program_directory) {
    Search search{window_class, &program_directory, nullptr};
    EnumWindows(find_program_window, reinterpret_cast<LPARAM>(&search));
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
