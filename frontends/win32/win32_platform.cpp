// The Win32 platform's plain services: clock, clipboard, message boxes, tray icon, topmost
// placement, file checks and the two directories. Key injection and activation live apart.

#include "win32_platform.h"

#include <shellapi.h>

#include <cwchar>
#include <map>

#include "screen_dpi.h"
#include "ui/screen_scale.h"
#include "wide.h"

namespace velmora::win32 {
namespace {

constexpr UINT kTrayIconId = 1;
constexpr const wchar_t* kDefaultTitle = L"Velmora";

UINT box_style(platform::Buttons buttons) {
    switch (buttons) {
        case platform::Buttons::Ok:
            return MB_OK;
        case platform::Buttons::YesNo:
            return MB_YESNO;
        case platform::Buttons::YesNoCancel:
            return MB_YESNOCANCEL;
    }
    return MB_OK;
}

platform::Answer answer_of(int code, platform::Buttons buttons) {
    switch (code) {
        case IDYES:
            return platform::Answer::Yes;
        case IDNO:
            return platform::Answer::No;
        case IDCANCEL:
            return platform::Answer::Cancel;
        case IDOK:
            return platform::Answer::Ok;
        default:
            // The box could not be shown: the answer that does nothing.
            return buttons == platform::Buttons::YesNo ? platform::Answer::No
                   : buttons == platform::Buttons::Ok  ? platform::Answer::Ok
                                                       : platform::Answer::Cancel;
    }
}

// The program's icon at the notification area's size for the primary screen's density (16 pixels
// at 96 DPI, 24 at 144); the class icon of the owner when the resource has none. Each size is
// loaded once and kept while the program runs.
HICON tray_icon(HWND owner) {
    static std::map<int, HICON> icons;
    const int size = metric_at_dpi(SM_CXSMICON, dpi_of_system());
    auto found = icons.find(size);
    if (found == icons.end()) {
        auto* icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                   size, size, LR_DEFAULTCOLOR));
        found = icons.emplace(size, icon).first;
    }
    if (found->second != nullptr) {
        return found->second;
    }
    HICON icon = owner != nullptr ? reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON)) : nullptr;
    return icon != nullptr ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

// The clipboard is busy for a moment while another program writes it: a few short retries.
bool open_clipboard() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(nullptr)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

}  // namespace

locale::DateTime Win32Platform::now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::string Win32Platform::clipboard_text() {
    if (!open_clipboard()) {
        return {};
    }
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            const SIZE_T capacity = GlobalSize(data) / sizeof(wchar_t);
            text = narrow(std::wstring_view(chars, wcsnlen(chars, capacity)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void Win32Platform::clear_clipboard() {
    if (open_clipboard()) {
        EmptyClipboard();
        CloseClipboard();
    }
}

void Win32Platform::set_clipboard_text(std::string_view text) {
    const std::wstring wide = widen(text);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (data == nullptr) {
        return;
    }
    if (auto* chars = static_cast<wchar_t*>(GlobalLock(data))) {
        wmemcpy(chars, wide.c_str(), wide.size() + 1);
        GlobalUnlock(data);
    }
    if (!open_clipboard()) {
        GlobalFree(data);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) {
        GlobalFree(data);
    }
    CloseClipboard();
}

platform::Answer Win32Platform::message_box(std::string_view text, platform::Buttons buttons,
                                            std::optional<std::string_view> title) {
    const std::wstring caption = title ? widen(*title) : std::wstring(kDefaultTitle);
    // Owned by the program's active window, so that the box stays in front of it.
    HWND owner = GetActiveWindow();
    const int code =
        MessageBoxW(owner, widen(text).c_str(), caption.c_str(), box_style(buttons) | MB_SETFOREGROUND);
    return answer_of(code, buttons);
}

void Win32Platform::tray_add(std::string_view tip) {
    HWND owner = own_window("Form1");
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = tray_icon(owner);
    const std::wstring wide = widen(tip);
    wcsncpy(data.szTip, wide.c_str(), std::size(data.szTip) - 1);
    m_tray_shown = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void Win32Platform::tray_delete() {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = own_window("Form1");
    data.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    m_tray_shown = false;
}

// The program's pixels are those of a 96 DPI screen: on the window's screen they are as many
// more as its density is higher (155 become 233 at 144 DPI).
void Win32Platform::place_topmost(std::string_view window, int x, int y, int width, int height) {
    if (HWND hwnd = own_window(window)) {
        const int dpi = static_cast<int>(dpi_of_window(hwnd));
        SetWindowPos(hwnd, HWND_TOPMOST, ui::scale_pixels(x, dpi), ui::scale_pixels(y, dpi),
                     ui::scale_pixels(width, dpi), ui::scale_pixels(height, dpi),
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
}

bool Win32Platform::file_exists(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    // As the headless platform answers: anything of that name counts.
    return attributes != INVALID_FILE_ATTRIBUTES;
}

bool Win32Platform::directory_exists(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::filesystem::path Win32Platform::program_directory() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return working_directory();
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            return std::filesystem::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::filesystem::path Win32Platform::working_directory() {
    const DWORD n = GetCurrentDirectoryW(0, nullptr);
    std::wstring buffer(n, L'\0');
    const DWORD written = GetCurrentDirectoryW(n, buffer.data());
    buffer.resize(written < n ? written : 0);
    return std::filesystem::path(buffer);
}

}  // namespace velmora::win32
