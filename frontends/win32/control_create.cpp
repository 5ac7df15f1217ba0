// The native control of each model control kind, created hidden; the first sync places it.

#include <windows.h>

#include <commctrl.h>

#include "native_control.h"

namespace velmora::win32 {
namespace {

struct Style {
    const wchar_t* window_class;
    DWORD style;
    DWORD ex_style;
};

Style style_of(const ui::Control& control) {
    constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    switch (control.kind()) {
        case ui::ControlKind::Button:
            return {L"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ui::ControlKind::CheckBox:
            return {L"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ui::ControlKind::Frame:
            return {L"BUTTON", child | BS_GROUPBOX, 0};
        case ui::ControlKind::Label:
            return {L"STATIC", child | SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
        case ui::ControlKind::TextBox: {
            const auto& box = static_cast<const ui::TextBox&>(control);
            const DWORD lines =
                box.multiline() ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL : ES_AUTOHSCROLL;
            return {L"EDIT", child | WS_TABSTOP | ES_LEFT | lines, WS_EX_CLIENTEDGE};
        }
        case ui::ControlKind::ListBox: {
            const auto& list = static_cast<const ui::ListBox&>(control);
            const DWORD select = list.multi_select() ? LBS_EXTENDEDSEL : 0;
            return {L"LISTBOX", child | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | select,
                    WS_EX_CLIENTEDGE};
        }
        case ui::ControlKind::Calendar:
            return {MONTHCAL_CLASSW, child | WS_TABSTOP, 0};
        case ui::ControlKind::MenuItem:
            break;
    }
    return {L"STATIC", child, 0};
}

}  // namespace

void create_native_control(NativeControl& native, HWND parent, int id, HFONT font) {
    const Style style = style_of(*native.control);
    native.hwnd = CreateWindowExW(style.ex_style, style.window_class, L"", style.style, 0, 0, 0, 0, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (native.hwnd != nullptr && font != nullptr) {
        SendMessageW(native.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        native.font = font;
    }
}

}  // namespace velmora::win32
