// The test browser of the end-to-end run: it stands in for the user's web browser as the program
// that opens .html files. An address box and an entry form of eight fields; Tab and Shift+Tab move
// between them, Alt+D goes to the address box, Ctrl+V pastes, Enter there loads the typed address
// (a new page: the form starts empty, the focus in its first field). After every change the whole
// record (pages loaded and the text of every filled field) is written to the log file.
//
//   velmora-test-browser [--log FILE] [--title CAPTION] [--class NAME] [URL]
//
// With VELMORA_BROWSER_HANDOFF set in the environment it behaves like a modern browser: when a
// copy is already running, the URL is handed to it (WM_COPYDATA) and the new process ends at once;
// the running copy loads it and brings its window to the front. --class gives the window another
// class name (the platform check passes the program's own, to stand in for a stranger's window).

#include <windows.h>

#include <shellapi.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kClass[] = L"VelmoraTestBrowser";
constexpr wchar_t kDefaultTitle[] = L"Velmora Test Browser";
constexpr int kFields = 8;
constexpr int kAddressId = 100;
constexpr ULONG_PTR kHandOff = 0x5644;

struct Page {
    std::wstring how;  // start, enter or handoff
    std::wstring url;
    std::array<std::wstring, kFields> fields;
};

struct Browser {
    std::wstring log_path;
    HWND window = nullptr;
    HWND address = nullptr;
    std::array<HWND, kFields> fields{};
    HWND saved_focus = nullptr;
    std::vector<Page> pages;
    bool loading = false;
} g;

std::string utf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::wstring text_of(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The whole record, written beside and then moved over the log, so a reader never sees half of it.
void write_log() {
    std::string out;
    for (std::size_t p = 0; p < g.pages.size(); ++p) {
        const std::string page = "page " + std::to_string(p + 1);
        out += page + " " + utf8(g.pages[p].how) + " " + utf8(g.pages[p].url) + "\n";
        for (int i = 0; i < kFields; ++i) {
            const std::wstring& field = g.pages[p].fields[static_cast<std::size_t>(i)];
            if (!field.empty()) {
                out += page + " field " + std::to_string(i + 1) + " " + utf8(field) + "\n";
            }
        }
    }
    const std::wstring temp = g.log_path + L".part";
    FILE* file = _wfopen(temp.c_str(), L"wb");
    if (file == nullptr) {
        return;
    }
    std::fwrite(out.data(), 1, out.size(), file);
    std::fclose(file);
    MoveFileExW(temp.c_str(), g.log_path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// A page loads: the address box shows it, the form is empty, its first field will have the focus.
void load(const std::wstring& url, const wchar_t* how) {
    g.loading = true;
    g.pages.push_back(Page{how, url, {}});
    SetWindowTextW(g.address, url.c_str());
    for (HWND field : g.fields) {
        SetWindowTextW(field, L"");
    }
    g.loading = false;
    g.saved_focus = g.fields[0];
    if (GetForegroundWindow() == g.window) {
        SetFocus(g.fields[0]);
    }
    write_log();
}

void field_changed(HWND field) {
    if (g.loading || g.pages.empty()) {
        return;
    }
    for (std::size_t i = 0; i < g.fields.size(); ++i) {
        if (g.fields[i] == field) {
            g.pages.back().fields[i] = text_of(field);
            write_log();
        }
    }
}

HWND make_edit(HWND parent, int id, int x, int y, int width) {
    return CreateWindowExW(
        WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, x, y, width, 24,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            g.address = make_edit(hwnd, kAddressId, 10, 10, 370);
            for (int i = 0; i < kFields; ++i) {
                g.fields[static_cast<std::size_t>(i)] =
                    make_edit(hwnd, kAddressId + 1 + i, 10, 44 + 30 * i, 300);
            }
            g.saved_focus = g.fields[0];
            return 0;
        case WM_ACTIVATE:
            // As a browser does: the field that had the focus gets it back when the window returns.
            if (LOWORD(wparam) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus != nullptr && GetParent(focus) == hwnd) {
                    g.saved_focus = focus;
                }
            } else if (g.saved_focus != nullptr) {
                SetFocus(g.saved_focus);
            }
            return 0;
        case WM_COMMAND:
            if (HIWORD(wparam) == EN_CHANGE) {
                field_changed(reinterpret_cast<HWND>(lparam));
            }
            return 0;
        case WM_COPYDATA: {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
            if (data->dwData == kHandOff) {
                load(std::wstring(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t)),
                     L"handoff");
                SetForegroundWindow(hwnd);
            }
            return TRUE;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

// Browser keys before the dialog keys: Alt+D to the address box, Enter there loads the address.
bool browser_key(const MSG& msg) {
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == 'D') {
        SetFocus(g.address);
        SendMessageW(g.address, EM_SETSEL, 0, -1);
        return true;
    }
    if (msg.message == WM_SYSCHAR && (msg.wParam == 'd' || msg.wParam == 'D')) {
        return true;
    }
    if (msg.hwnd == g.address && msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
        load(text_of(g.address), L"enter");
        return true;
    }
    return msg.hwnd == g.address && msg.message == WM_CHAR && msg.wParam == L'\r';
}

bool hand_off(const std::wstring& url) {
    HWND running = FindWindowW(kClass, kDefaultTitle);
    if (running == nullptr) {
        return false;
    }
    DWORD running_process = 0;
    GetWindowThreadProcessId(running, &running_process);
    AllowSetForegroundWindow(running_process);  // as a browser lets its running copy come to the front
    COPYDATASTRUCT data{kHandOff, static_cast<DWORD>(url.size() * sizeof(wchar_t)),
                        const_cast<wchar_t*>(url.c_str())};
    SendMessageW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    return true;
}

std::wstring default_log() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"browser-log.txt";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring title = kDefaultTitle;
    std::wstring window_class = kClass;
    std::wstring url;
    g.log_path = default_log();
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if ((arg == L"--log" || arg == L"--title" || arg == L"--class") && i + 1 < argc) {
            (arg == L"--log" ? g.log_path : arg == L"--title" ? title : window_class) = argv[++i];
        } else {
            url = arg;
        }
    }
    LocalFree(argv);
    if (GetEnvironmentVariableW(L"VELMORA_BROWSER_HANDOFF", nullptr, 0) > 0 && hand_off(url)) {
        return 0;
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = window_class.c_str();
    RegisterClassW(&wc);
    g.window = CreateWindowExW(0, window_class.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, 20, 20, 410, 340,
                               nullptr, nullptr, instance, nullptr);
    load(url, L"start");
    ShowWindow(g.window, show);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (browser_key(msg) || IsDialogMessageW(g.window, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
