// A small Win32 program that looks at another program's windows for the Wine smoke run:
//   velmora-probe wait TITLE SECONDS    a visible window with this caption appears (exit 1: it did not)
//   velmora-probe gone TITLE SECONDS    no visible window with this caption is left
//   velmora-probe show TITLE            sizes and visible controls; controls cut off by
//                                       the window's edge or overlapping another, and captions
//                                       wider than their control are marked
//   velmora-probe calendar W H          the same for the window of the month calendar, which
//                                       is at least W x H pixels and shows the calendar whole
//   velmora-probe size TITLE W H        the window's outer size is W x H pixels
//   velmora-probe dpi TITLE DPI         the window is on a screen of DPI dots per inch
//   velmora-probe font TITLE PIXELS     its text is drawn PIXELS high (edit boxes and lists)
//   velmora-probe place TITLE X Y       the window's top-left corner is at X, Y
//   velmora-probe close TITLE           asks the window to close (WM_CLOSE)
//   velmora-probe clip FILE             puts a UTF-8 file on the clipboard, lines ended by CR LF
//   velmora-probe list TITLE            the rows of the window's first visible list ("*": selected)
//   velmora-probe tray TITLE CODE       the tray icon of the (hidden) window reports mouse message CODE
//   velmora-probe escape                presses Esc (closes an open menu)
//   velmora-probe menu TITLE INDEX [SUB] chooses the item of the menu bar at this position, or the
//                                       item SUB of the menu it opens (by keyboard)
// and the user's actions (clicks, rows, message boxes, typing; probe_actions.h).
// Output is UTF-8; the exit code is 0 when the check held, 1 when not, 2 on a bad command line.

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "probe_actions.h"
#include "probe_menu.h"
#include "probe_mouse.h"
#include "probe_text.h"
#include "probe_windows.h"
#include "trace.h"

namespace {

using velmora::probe::utf8;

void print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string rect_text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
           "x" + std::to_string(r.bottom - r.top);
}

// Controls that share a pixel or two at their edges are laid out edge to edge, not over each other.
bool overlaps(const RECT& a, const RECT& b) {
    RECT both{};
    return IntersectRect(&both, &a, &b) != FALSE && both.right - both.left > 2 && both.bottom - both.top > 2;
}

int wait_for(const std::wstring& title, int seconds, bool present) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (velmora::probe::windows_titled(title).empty() != present) {
            return 0;
        }
        Sleep(100);
    }
    return 1;
}

// Controls cut off by the window's edge; controls lying wholly outside belong to a wider layout.
int show(HWND hwnd, const std::wstring& title) {
    int faults = 0;
    RECT outer{};
    RECT client{};
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    print("window \"" + utf8(title) + "\" outer " + rect_text(outer) + " client " + rect_text(client));
    std::vector<velmora::probe::ChildInfo> shown;
    for (const auto& child : velmora::probe::children_of(hwnd)) {
        if (!child.visible) {
            continue;
        }
        const bool inside_start = child.rect.left < client.right && child.rect.top < client.bottom;
        const bool cut =
            inside_start && (child.rect.right > client.right || child.rect.bottom > client.bottom);
        std::string line =
            "  " + utf8(child.window_class) + " \"" + utf8(child.text) + "\" " + rect_text(child.rect);
        if (child.group_box) {
            print(line + "  (frame)");
            continue;
        }
        if (cut) {
            line += "  CUT OFF";
            ++faults;
        }
        if (const std::string clipped = velmora::probe::caption_clipped(hwnd, child); !clipped.empty()) {
            line += "  " + clipped;
            faults += clipped.starts_with("TEXT CLIPPED") ? 1 : 0;
        }
        for (const auto& other : shown) {
            if (overlaps(child.rect, other.rect)) {
                line += "  OVERLAPS \"" + utf8(other.text) + "\"";
                ++faults;
            }
        }
        print(line);
        shown.push_back(child);
    }
    print("faults " + std::to_string(faults));
    return faults == 0 ? 0 : 1;
}

int show(const std::wstring& title) {
    const auto windows = velmora::probe::windows_titled(title);
    if (windows.empty()) {
        print("no window \"" + utf8(title) + "\"");
        return 1;
    }
    return show(windows.front(), title);
}

// The calendar's window has no caption: it is the one that holds a month calendar.
int show_calendar(int width, int height) {
    const auto windows = velmora::probe::windows_holding(L"SysMonthCal32");
    if (windows.empty()) {
        print("no window with a month calendar");
        return 1;
    }
    RECT outer{};
    GetWindowRect(windows.front(), &outer);
    const bool big_enough = outer.right - outer.left >= width && outer.bottom - outer.top >= height;
    if (!big_enough) {
        print("the calendar's window is smaller than " + std::to_string(width) + "x" +
              std::to_string(height));
    }
    return show(windows.front(), L"(calendar)") == 0 && big_enough ? 0 : 1;
}

int check_size(const std::wstring& title, int width, int height) {
    const auto windows = velmora::probe::windows_titled(title);
    if (windows.empty()) {
        print("no window \"" + utf8(title) + "\"");
        return 1;
    }
    RECT outer{};
    GetWindowRect(windows.front(), &outer);
    const bool ok = outer.right - outer.left == width && outer.bottom - outer.top == height;
    print("size \"" + utf8(title) + "\" " + rect_text(outer) +
          (ok ? " ok" : " expected " + std::to_string(width) + "x" + std::to_string(height)));
    return ok ? 0 : 1;
}

int check_place(const std::wstring& title, int x, int y) {
    const auto windows = velmora::probe::windows_titled(title);
    if (windows.empty()) {
        print("no window \"" + utf8(title) + "\"");
        return 1;
    }
    RECT outer{};
    GetWindowRect(windows.front(), &outer);
    const bool ok = outer.left == x && outer.top == y;
    print("place \"" + utf8(title) + "\" " + rect_text(outer) +
          (ok ? " ok" : " expected " + std::to_string(x) + "," + std::to_string(y)));
    return ok ? 0 : 1;
}

int print_list(const std::wstring& title) {
    for (HWND hwnd : velmora::probe::windows_titled(title)) {
        for (HWND child = FindWindowExW(hwnd, nullptr, L"ListBox", nullptr); child != nullptr;
             child = FindWindowExW(hwnd, child, L"ListBox", nullptr)) {
            if (!IsWindowVisible(child)) {
                continue;
            }
            const auto count = SendMessageW(child, LB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                std::wstring row(static_cast<std::size_t>(SendMessageW(child, LB_GETTEXTLEN, i, 0)) + 1,
                                 L'\0');
                row.resize(static_cast<std::size_t>(
                    SendMessageW(child, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()))));
                print((SendMessageW(child, LB_GETSEL, i, 0) > 0 ? "* " : "  ") + utf8(row));
            }
            return 0;
        }
    }
    print("no list in \"" + utf8(title) + "\"");
    return 1;
}

int clip_file(const std::wstring& file) {
    FILE* in = _wfopen(file.c_str(), L"rb");
    if (in == nullptr) {
        print("cannot read \"" + utf8(file) + "\"");
        return 1;
    }
    std::string bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
        bytes.append(buffer, n);
    }
    std::fclose(in);
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            text += '\r';
        }
        text += bytes[i];
    }
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (static_cast<std::size_t>(n) + 1) * sizeof(wchar_t));
    auto* chars = static_cast<wchar_t*>(GlobalLock(data));
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), chars, n);
    chars[n] = L'\0';
    GlobalUnlock(data);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(data);
        return 1;
    }
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    return 0;
}

// The icon's callback message is the program's first application message (WM_APP + 1).
int tray_message(const std::wstring& title, int code) {
    HWND hwnd = FindWindowW(nullptr, title.c_str());
    if (hwnd == nullptr) {
        print("no window \"" + utf8(title) + "\", shown or hidden");
        return 1;
    }
    PostMessageW(hwnd, WM_APP + 1, 1, code);
    Sleep(500);
    return 0;
}

int close_window(const std::wstring& title) {
    const auto windows = velmora::probe::windows_titled(title);
    for (HWND hwnd : windows) {
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    return windows.empty() ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    velmora::win32::start_trace_from_environment();
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == L"wait") {
        return wait_for(args[1], _wtoi(args[2].c_str()), true);
    }
    if (args.size() == 3 && args[0] == L"gone") {
        return wait_for(args[1], _wtoi(args[2].c_str()), false);
    }
    if (args.size() == 2 && args[0] == L"show") {
        return show(args[1]);
    }
    if (args.size() == 3 && args[0] == L"calendar") {
        return show_calendar(_wtoi(args[1].c_str()), _wtoi(args[2].c_str()));
    }
    if (args.size() == 3 && args[0] == L"dpi") {
        return velmora::probe::check_dpi(args[1], _wtoi(args[2].c_str()));
    }
    if (args.size() == 3 && args[0] == L"font") {
        return velmora::probe::check_font(args[1], _wtoi(args[2].c_str()));
    }
    if (args.size() == 4 && args[0] == L"size") {
        return check_size(args[1], _wtoi(args[2].c_str()), _wtoi(args[3].c_str()));
    }
    if (args.size() == 4 && args[0] == L"place") {
        return check_place(args[1], _wtoi(args[2].c_str()), _wtoi(args[3].c_str()));
    }
    if (args.size() == 2 && args[0] == L"list") {
        return print_list(args[1]);
    }
    if (args.size() == 2 && args[0] == L"clip") {
        return clip_file(args[1]);
    }
    if (args.size() == 3 && args[0] == L"tray") {
        return tray_message(args[1], _wtoi(args[2].c_str()));
    }
    if (args.size() == 2 && args[0] == L"close") {
        return close_window(args[1]);
    }
    if (args.size() == 1 && args[0] == L"escape") {
        velmora::probe::press(VK_ESCAPE);
        Sleep(150);
        return 0;
    }
    if ((args.size() == 3 || args.size() == 4) && args[0] == L"menu") {
        return velmora::probe::choose_menu(args[1], _wtoi(args[2].c_str()),
                                           args.size() == 4 ? _wtoi(args[3].c_str()) : -1);
    }
    if (const auto result = velmora::probe::run_action(args)) {
        return *result;
    }
    print(std::string(velmora::probe::kActionUsage) + " |");
    print(
        "usage: velmora-probe wait|gone TITLE SECONDS | show TITLE | calendar W H | size TITLE W H | "
        "place TITLE X Y | dpi TITLE DPI | font TITLE PIXELS | "
        "list TITLE | clip FILE | tray TITLE CODE | close TITLE | "
        "escape | menu TITLE INDEX [SUB]");
    return 2;
}
