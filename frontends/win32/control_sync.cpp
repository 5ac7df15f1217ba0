// What every control kind shares on the screen: place, visibility, enabled state, caption and
// check mark. A control's geometry is relative to its frame, the frame's to its own frame.

#include "native_control.h"
#include "ui/screen_scale.h"
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

}  // namespace

RECT pixel_rect(const ui::Control& control, UINT dpi) {
    long left = control.geometry().left;
    long top = control.geometry().top;
    for (const ui::Control* c = control.container(); c != nullptr; c = c->container()) {
        left += c->geometry().left;
        top += c->geometry().top;
    }
    const auto px = [dpi](long twips) { return ui::to_pixels(twips, static_cast<int>(dpi)); };
    const int x = px(left);
    const int y = px(top);
    return {x, y, x + px(control.geometry().width), y + px(control.geometry().height)};
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
    if (!same_rect(rect, native.rect)) {
        SetWindowPos(native.hwnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        native.rect = rect;
    }
    if (has_caption(control.kind()) && (!native.caption_known || native.caption != control.caption())) {
        SetWindowTextW(native.hwnd, widen(control.caption()).c_str());
        native.caption = control.caption();
        native.caption_known = true;
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
