#include "trace.h"

#include <cstdio>
#include <string>

#include "wide.h"

namespace velmora::win32 {
namespace {

struct TraceFile {
    FILE* file = nullptr;

    TraceFile() = default;
    ~TraceFile() {
        if (file != nullptr) {
            std::fclose(file);
        }
    }
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;
};

TraceFile& trace_file() {
    static TraceFile file;
    return file;
}

}  // namespace

void start_trace_from_environment() {
    TraceFile& trace = trace_file();
    const DWORD n = GetEnvironmentVariableW(L"VELMORA_TRACE_FILE", nullptr, 0);
    if (n == 0 || trace.file != nullptr) {
        return;
    }
    std::wstring path(n, L'\0');
    path.resize(GetEnvironmentVariableW(L"VELMORA_TRACE_FILE", path.data(), n));
    trace.file = _wfopen(path.c_str(), L"ab");
}

namespace {

std::string describe(HWND window) {
    if (window == nullptr) {
        return "(none)";
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char head[64];
    std::snprintf(head, sizeof head, "%p/%lu ", static_cast<void*>(window), process);
    // A control is named by its class only: the text of an entry box may be a password.
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0) {
        wchar_t window_class[64] = {};
        GetClassNameW(window, window_class, 64);
        return head + narrow(window_class);
    }
    wchar_t caption[128] = {};
    GetWindowTextW(window, caption, 128);
    return head + ("\"" + narrow(caption) + "\"");
}

}  // namespace

bool tracing() {
    return trace_file().file != nullptr;
}

void trace(std::string_view what, std::string_view detail) {
    TraceFile& t = trace_file();
    if (t.file == nullptr) {
        return;
    }
    const ULONGLONG ms = GetTickCount64();
    const std::string front = describe(GetForegroundWindow());
    std::fprintf(t.file, "%llu %.*s %.*s [front %s]\n", ms, static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data(), front.c_str());
    std::fflush(t.file);
}

void trace(std::string_view what, HWND window, std::string_view detail) {
    if (!tracing()) {
        return;
    }
    trace(what, describe(window) + " " + std::string(detail));
}

void trace_input(const MSG& msg) {
    if (!tracing()) {
        return;
    }
    const char* what = nullptr;
    switch (msg.message) {
        case WM_LBUTTONDOWN:
            what = "in: left down";
            break;
        case WM_LBUTTONUP:
            what = "in: left up";
            break;
        case WM_LBUTTONDBLCLK:
            what = "in: left double";
            break;
        case WM_RBUTTONDOWN:
            what = "in: right down";
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            what = "in: key down";
            break;
        default:
            return;
    }
    std::string detail = "at " + std::to_string(msg.pt.x) + "," + std::to_string(msg.pt.y);
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        const auto key = static_cast<UINT>(msg.wParam);
        const UINT character = MapVirtualKeyW(key, MAPVK_VK_TO_CHAR) & 0x7FFF;
        detail = key == VK_PACKET || character >= 0x20 ? "a character" : "key " + std::to_string(key);
    }
    trace(what, msg.hwnd, detail);
}

}  // namespace velmora::win32
