#include "screen_dpi.h"

#include "ui/screen_scale.h"

namespace velmora::win32 {
namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForSystem = UINT(WINAPI*)();
using MetricForDpi = int(WINAPI*)(int, UINT);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using ScaleFrame = BOOL(WINAPI*)(HWND);

// A function of user32 that older Windows lack: null there.
template <class Function>
Function user32_function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    FARPROC found = user32 != nullptr ? GetProcAddress(user32, name) : nullptr;
    // Through the generic function type, as the compiler asks for a cast between function types.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

UINT screen_dpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc != nullptr) {
        ReleaseDC(nullptr, dc);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : ui::kBaseDpi;
}

UINT usable(UINT dpi) {
    return dpi != 0 ? dpi : screen_dpi();
}

}  // namespace

UINT dpi_of_window(HWND hwnd) {
    static const auto for_window = user32_function<DpiForWindow>("GetDpiForWindow");
    return usable(for_window != nullptr && hwnd != nullptr ? for_window(hwnd) : 0);
}

UINT dpi_of_system() {
    static const auto for_system = user32_function<DpiForSystem>("GetDpiForSystem");
    return usable(for_system != nullptr ? for_system() : 0);
}

int metric_at_dpi(int index, UINT dpi) {
    static const auto for_dpi = user32_function<MetricForDpi>("GetSystemMetricsForDpi");
    if (for_dpi != nullptr) {
        return for_dpi(index, dpi);
    }
    // The desktop measures at its own density; the program's windows may be on another.
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(screen_dpi()));
}

void outer_rect_at_dpi(RECT& rect, DWORD style, bool menu, DWORD ex_style, UINT dpi) {
    static const auto for_dpi = user32_function<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (for_dpi != nullptr) {
        for_dpi(&rect, style, menu ? TRUE : FALSE, ex_style, dpi);
    } else {
        AdjustWindowRectEx(&rect, style, menu ? TRUE : FALSE, ex_style);
    }
}

void scale_frame_with_dpi(HWND hwnd) {
    static const auto scale = user32_function<ScaleFrame>("EnableNonClientDpiScaling");
    if (scale != nullptr) {
        scale(hwnd);
    }
}

}  // namespace velmora::win32
