// What every control kind shares on the screen: place, visibility, enabled state, caption and
// check mark. A control's geometry is relative to its frame, the frame's to its own frame.

#include "native_control.h"
#include "ui/screen_scale.h"
#include "ui_font.h"
#include "wide.h"

namespace velmora::win32 {
namespace {

bool enabled_in_window(const ui::Control& control) {
    for (const ui::Control* c = &control; c != nullptr; c = c->container()) {
        if (!c->enabled()) {
            return false;
        }
    }
    return true;
}

bool has_caption(ui::ControlKind kind) {
    return kind == ui::ControlKind::Button || kind == ui::ControlKind::Label ||
           kind == ui::ControlKind::CheckBox || kind == ui::ControlKind::Frame;
}

bool same_rect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The font of the density; a caption that would be cut off in it gets a smaller one.
HFONT font_for(const ui::Control& control, const RECT& rect, UINT dpi) {
    const auto room = [&](CaptionBox box) { return caption_room(box, rect.right - rect.left, dpi); };
    switch (control.kind()) {
        case ui::ControlKind::Label:
            return caption_font(widen(control.caption()), room(CaptionBox::Label), dpi);
        case ui::ControlKind::Button:
            return caption_font(widen(control.caption()), room(CaptionBox::Button), dpi);
        case ui::ControlKind::CheckBox:
            return caption_font(widen(control.caption()), room(CaptionBox::CheckBox), dpi);
        default:
            return ui_font(dpi);
    }
}

}  // namespace

RECT pixel_rect(const ui::Control& control, UINT dpi) {
    const ui::PixelRect r = ui::control_pixels(control, static_cast<int>(dpi));
    return {r.left, r.top, r.right, r.bottom};
}

bool shown_in_window(const ui::Control& control) {
    for (const ui::Control* c = &control; c != nullptr; c = c->container()) {
        if (!c->visible()) {
            return false;
        }
    }
    return true;
}

void sync_common(NativeControl& native, UINT dpi) {
    const ui::Control& control = *native.control;
    const RECT rect = pixel_rect(control, dpi);
    bool refont = native.font_dpi != dpi;
    if (!same_rect(rect, native.rect)) {
        SetWindowPos(native.hwnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        native.rect = rect;
        refont = true;
    }
    if (has_caption(control.kind()) && (!native.caption_known || native.caption != control.caption())) {
        SetWindowTextW(native.hwnd, widen(control.caption()).c_str());
        native.caption = control.caption();
        native.caption_known = true;
        refont = true;
    }
    if (refont) {
        HFONT font = font_for(control, rect, dpi);
        if (font != native.font) {
            SendMessageW(native.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            native.font = font;
        }
        native.font_dpi = dpi;
    }
    if (control.kind() == ui::ControlKind::CheckBox) {
        const bool checked = static_cast<const ui::CheckBox&>(control).checked();
        if (checked != native.checked ||
            (SendMessageW(native.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked) {
            SendMessageW(native.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
            native.checked = checked;
        }
    }
    const bool enabled = enabled_in_window(control);
    if (enabled != native.enabled) {
        EnableWindow(native.hwnd, enabled ? TRUE : FALSE);
        native.enabled = enabled;
    }
    const bool visible = shown_in_window(control) && !native.covered;
    if (visible != native.visible) {
        ShowWindow(native.hwnd, visible ? SW_SHOWNA : SW_HIDE);
        native.visible = visible;
    }
}

}  // namespace velmora::win32
