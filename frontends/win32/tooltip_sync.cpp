// Tool tips: the model's tip of a control shown when the mouse rests on it.

#include <windows.h>

#include <commctrl.h>

#include "native_control.h"
#include "wide.h"

namespace velmora::win32 {

HWND create_tooltips(HWND window) {
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void sync_tip(NativeControl& native, HWND tooltips, HWND window) {
    const std::string& tip = native.control->tip();
    if (tooltips == nullptr || tip == native.tip) {
        return;
    }
    std::wstring text = widen(tip);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(native.hwnd);
    tool.lpszText = text.data();
    if (native.tip.empty()) {
        SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (tip.empty()) {
        SendMessageW(tooltips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tooltips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    native.tip = tip;
}

}  // namespace velmora::win32
