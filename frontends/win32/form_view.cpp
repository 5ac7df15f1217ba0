// A window's creation and its model-to-screen mirroring: caption, place and size (twips in the
// pixels of the window's screen: ÷ 15 at 96 DPI), visibility, menu bar, and every control
// through its kind's sync; a move to a screen of another density.

#include "form_view.h"

#include <commctrl.h>

#include <algorithm>

#include "menu_build.h"
#include "renderer.h"
#include "screen_dpi.h"
#include "ui/screen_scale.h"
#include "ui_font.h"
#include "wide.h"

namespace velmora::win32 {
namespace {

struct WindowStyle {
    DWORD style;
    DWORD ex_style;
};

// The stock and extraction windows fit their lists to their size, so the user may resize them.
WindowStyle style_of(const ui::Window& window) {
    if (window.name() == "Form2" || window.name() == "Form3") {
        return {WS_OVERLAPPEDWINDOW, 0};
    }
    if (window.name() == "Form5") {
        return {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
    }
    return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0};
}

RECT window_rect(const ui::Window& window, UINT dpi) {
    const auto px = [dpi](long twips) { return ui::to_pixels(twips, static_cast<int>(dpi)); };
    const int x = px(window.left());
    const int y = px(window.top());
    return {x, y, x + px(window.width()), y + px(window.height())};
}

int nesting(const ui::Control& control) {
    int depth = 0;
    for (const ui::Control* c = control.container(); c != nullptr; c = c->container()) {
        ++depth;
    }
    return depth;
}

// A shown frame is a panel: it hides the window's loose controls that lie under it (the profile
// row buttons under the ID and flowchart panels), as they must not show through nor take its clicks.
void mark_covered(std::vector<NativeControl>& controls, UINT dpi) {
    std::vector<RECT> panels;
    for (const NativeControl& native : controls) {
        if (native.control->kind() == ui::ControlKind::Frame && shown_in_window(*native.control)) {
            panels.push_back(pixel_rect(*native.control, dpi));
        }
    }
    for (NativeControl& native : controls) {
        const ui::Control& control = *native.control;
        native.covered = false;
        if (control.container() != nullptr || control.kind() == ui::ControlKind::Frame) {
            continue;
        }
        const RECT r = pixel_rect(control, dpi);
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        for (const RECT& panel : panels) {
            native.covered = native.covered || PtInRect(&panel, centre) != FALSE;
        }
    }
}

}  // namespace

FormView::FormView(ui::Window& window, Renderer& renderer) : m_window(window), m_renderer(renderer) {}

FormView::~FormView() {
    if (m_hwnd != nullptr) {
        DestroyWindow(m_hwnd);
    }
}

void FormView::create(const wchar_t* window_class) {
    const WindowStyle style = style_of(m_window);
    // Before the window is there, the primary screen's density; its first sync places it anew.
    const RECT r = window_rect(m_window, dpi_of_system());
    m_hwnd = CreateWindowExW(style.ex_style, window_class, widen(m_window.caption()).c_str(), style.style,
                             r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                             GetModuleHandleW(nullptr), this);
    m_dpi = dpi_of_window(m_hwnd);
    m_caption = m_window.caption();
    m_caption_known = true;
    m_tooltips = create_tooltips(m_hwnd);
    for (ui::Control* control : m_window.controls()) {
        if (control->kind() != ui::ControlKind::MenuItem) {
            NativeControl native;
            native.control = control;
            m_controls.push_back(std::move(native));
        }
    }
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        create_native_control(m_controls[i], m_hwnd, static_cast<int>(100 + i), ui_font(m_dpi));
        subclass(m_controls[i], i);
    }
    // Frames lie beneath the controls they hold, an outer frame beneath the frames inside it.
    std::vector<NativeControl*> frames;
    for (NativeControl& native : m_controls) {
        if (native.control->kind() == ui::ControlKind::Frame) {
            frames.push_back(&native);
        }
    }
    std::stable_sort(frames.begin(), frames.end(), [](const NativeControl* a, const NativeControl* b) {
        return nesting(*a->control) > nesting(*b->control);
    });
    for (NativeControl* frame : frames) {
        SetWindowPos(frame->hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    m_menu_items = menu_items_of(m_window);
}

void FormView::sync(bool activate) {
    sync_menu();
    mark_covered(m_controls, m_dpi);
    for (NativeControl& native : m_controls) {
        sync_control(native);
    }
    sync_window(activate);
}

void FormView::sync_control(NativeControl& native) {
    sync_common(native, m_dpi);
    sync_tip(native, m_tooltips, m_hwnd);
    switch (native.control->kind()) {
        case ui::ControlKind::ListBox:
            sync_list(native);
            break;
        case ui::ControlKind::TextBox:
            sync_text(native);
            break;
        case ui::ControlKind::Calendar:
            sync_calendar(native);
            break;
        case ui::ControlKind::Label:
            // The colour is painted on WM_CTLCOLORSTATIC; a change needs a repaint.
            if (native.colour != native.control->colour()) {
                native.colour = native.control->colour();
                InvalidateRect(native.hwnd, nullptr, TRUE);
            }
            break;
        default:
            break;
    }
}

void FormView::sync_caption() {
    if (!m_caption_known || m_caption != m_window.caption()) {
        SetWindowTextW(m_hwnd, widen(m_window.caption()).c_str());
        m_caption = m_window.caption();
        m_caption_known = true;
    }
}

void FormView::sync_window(bool activate) {
    sync_caption();
    RECT wanted = fitted_to_calendars(window_rect(m_window, m_dpi));
    for (int round = 0; round < 2 && !IsIconic(m_hwnd); ++round) {
        wanted.bottom += m_menu_surplus;
        RECT now{};
        GetWindowRect(m_hwnd, &now);
        if (wanted.left != now.left || wanted.top != now.top ||
            wanted.right - wanted.left != now.right - now.left ||
            wanted.bottom - wanted.top != now.bottom - now.top) {
            SetWindowPos(m_hwnd, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                         wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // The menu bar wraps by the window's width: at its new width it may take other rows.
        const LONG surplus = menu_surplus();
        wanted.bottom -= m_menu_surplus;
        if (surplus == m_menu_surplus) {
            break;
        }
        m_menu_surplus = surplus;
    }
    const bool shown = IsWindowVisible(m_hwnd) != FALSE;
    if (m_window.visible() && !shown) {
        ShowWindow(m_hwnd, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
    } else if (!m_window.visible() && shown) {
        ShowWindow(m_hwnd, SW_HIDE);
        m_renderer.window_hidden(m_window);
    }
}

// A month calendar needs a least size to show a whole month, which its font sets: the control
// and the window around it grow to that size (the model keeps its own sizes).
RECT FormView::fitted_to_calendars(RECT window) {
    LONG need_right = 0;
    LONG need_bottom = 0;
    for (NativeControl& native : m_controls) {
        if (native.control->kind() != ui::ControlKind::Calendar || !native.visible) {
            continue;
        }
        RECT least{};
        SendMessageW(native.hwnd, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&least));
        const LONG width = std::max(native.rect.right - native.rect.left, least.right - least.left);
        const LONG height = std::max(native.rect.bottom - native.rect.top, least.bottom - least.top);
        RECT now{};
        GetWindowRect(native.hwnd, &now);
        if (now.right - now.left != width || now.bottom - now.top != height) {
            SetWindowPos(native.hwnd, nullptr, 0, 0, width, height,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        need_right = std::max(need_right, native.rect.left + width);
        need_bottom = std::max(need_bottom, native.rect.top + height);
    }
    // The frame around the client area, measured at the window's density.
    RECT frame{0, 0, 0, 0};
    outer_rect_at_dpi(frame, static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_STYLE)), m_menu != nullptr,
                      static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE)), m_dpi);
    const LONG frame_width = frame.right - frame.left;
    const LONG frame_height = frame.bottom - frame.top;
    window.right = std::max(window.right, window.left + need_right + frame_width);
    window.bottom = std::max(window.bottom, window.top + need_bottom + frame_height);
    return window;
}

// A menu bar too wide for its window wraps into further rows, which the layout did not foresee:
// the window is drawn taller by those rows, so that the controls at its bottom are not cut off.
// (A pixel or two of another frame than the desktop reports are not a wrapped menu bar.)
LONG FormView::menu_surplus() const {
    if (m_menu == nullptr) {
        return 0;
    }
    RECT outer{};
    RECT client{};
    GetWindowRect(m_hwnd, &outer);
    GetClientRect(m_hwnd, &client);
    RECT frame{0, 0, 0, 0};
    outer_rect_at_dpi(frame, static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_STYLE)), true,
                      static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE)), m_dpi);
    const LONG surplus = (outer.bottom - outer.top - client.bottom) - (frame.bottom - frame.top);
    return 2 * surplus >= metric_at_dpi(SM_CYMENU, m_dpi) ? surplus : 0;
}

// The window went to a screen of another density: its fonts and controls follow, and it takes
// the model's size at the new density where the desktop suggests, which the model learns.
void FormView::on_dpi_changed(UINT dpi, const RECT& suggested) {
    if (dpi == 0 || dpi == m_dpi) {
        return;
    }
    // The next sync places every control anew and gives it the fonts of this density.
    m_dpi = dpi;
    for (NativeControl& native : m_controls) {
        native.rect = RECT{-1, -1, -1, -1};
    }
    fire([&] {
        m_window.move(ui::to_twips(suggested.left, static_cast<int>(dpi)),
                      ui::to_twips(suggested.top, static_cast<int>(dpi)));
    });
}

void FormView::sync_menu() {
    std::vector<std::uint64_t> revisions;
    for (const ui::MenuItem* item : m_menu_items) {
        revisions.push_back(item->revision());
    }
    if (revisions == m_menu_revisions && m_menu != nullptr) {
        return;
    }
    m_menu_revisions = revisions;
    HMENU bar = build_menu_bar(m_menu_items);
    if (bar == nullptr) {
        return;
    }
    SetMenu(m_hwnd, bar);
    if (m_menu != nullptr) {
        DestroyMenu(m_menu);
    }
    m_menu = bar;
    DrawMenuBar(m_hwnd);
}

void FormView::show_popup(ui::MenuItem& menu) {
    HMENU popup = build_popup(m_menu_items, menu);
    // Where the mouse was for the message being handled: the click that asked for the menu.
    const DWORD position = GetMessagePos();
    const POINT at{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    SetForegroundWindow(m_hwnd);
    const auto command = static_cast<UINT>(TrackPopupMenu(
        popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, m_hwnd, nullptr));
    DestroyMenu(popup);
    PostMessageW(m_hwnd, WM_NULL, 0, 0);
    if (command != 0) {
        fire_menu(command);
    }
}

}  // namespace velmora::win32
