#include "trace.h"

#include <cstdio>
#include <string>

#include "wide.h"

namespace velmora::win32 {
namespace {

struct TraceFile {
    FILE* file = nullptr;

    TraceFile() {
        const DWORD n = GetEnvironmentVariableW(L"VELMORA_TRACE_FILE", nullptr, 0);
        if (n == 0) {
            return;
        }
        std::wstring path(n, L'\0');
        path.resize(GetEnvironmentVariableW(L"VELMORA_TRACE_FILE", path.data(), n));
        file = _wfopen(path.c_str(), L"ab");
    }
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

std::string describe(HWND window) {
    if (window == nullptr) {
        return "(none)";
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t caption[128] = {};
    GetWindowTextW(window, caption, 128);
    char head[64];
    std::snprintf(head, sizeof head, "%p/%lu \"", static_cast<void*>(window), process);
    return head + narrow(caption) + "\"";
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

}  // namespace velmora::win32
