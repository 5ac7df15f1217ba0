// A window's messages as the model's events: clicks, edits, list selections, calendar picks,
// right clicks on buttons, key presses in text boxes, activation, closing, moving and sizing,
// a move to a screen of another density, and the tray icon's mouse messages. Every event runs through the
// renderer, which mirrors the model onto the screen afterwards.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "form_view.h"
#include "menu_build.h"
#include "renderer.h"
#include "trace.h"
#include "ui/screen_scale.h"
#include "win32_platform.h"

namespace velmora::win32 {
namespace {

COLORREF colour_of(ui::Colour colour) {
    switch (colour) {
        case ui::Colour::Red:
            return RGB(255, 0, 0);
        case ui::Colour::Grey:
            return RGB(128, 128, 128);
        case ui::Colour::Black:
            return RGB(0, 0, 0);
        case ui::Colour::Normal:
            break;
    }
    return GetSysColor(COLOR_BTNTEXT);
}

void call(const std::function<void()>& handler) {
    if (handler) {
        handler();
    }
}

}  // namespace

void FormView::fire(const std::function<void()>& event) {
    m_renderer.dispatch([&] {
        pull_selections();
        event();
    });
}

void FormView::pull_selections() {
    for (NativeControl& native : m_controls) {
        if (native.control->kind() == ui::ControlKind::TextBox) {
            pull_text_selection(native);
        }
    }
}

NativeControl* FormView::native_of(HWND hwnd) {
    for (NativeControl& native : m_controls) {
        if (native.hwnd == hwnd) {
            return &native;
        }
    }
    return nullptr;
}

LRESULT FormView::handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            return on_command(wparam, lparam);
        case WM_NOTIFY:
            return on_notify(*reinterpret_cast<const NMHDR*>(lparam));
        case WM_CTLCOLORSTATIC:
            return on_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
        case WM_ACTIVATE:
            trace(LOWORD(wparam) != WA_INACTIVE ? "window active" : "window inactive", m_hwnd,
                  m_window.name());
            if (LOWORD(wparam) != WA_INACTIVE) {
                m_renderer.window_activated(m_window);
            }
            break;
        case WM_CLOSE:
            m_renderer.close_window(m_window);
            return 0;
        case WM_ENDSESSION:
            if (wparam != FALSE) {
                m_renderer.close_window(m_window);
            }
            return 0;
        case WM_WINDOWPOSCHANGED:
            on_moved(*reinterpret_cast<const WINDOWPOS*>(lparam));
            break;
        case WM_DPICHANGED:
            on_dpi_changed(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
            return 0;
        case Win32Platform::kTrayMessage:
            m_renderer.tray_event(static_cast<int>(LOWORD(lparam)));
            return 0;
        default:
            break;
    }
    return DefWindowProcW(m_hwnd, message, wparam, lparam);
}

LRESULT FormView::on_command(WPARAM wparam, LPARAM lparam) {
    if (lparam == 0) {
        if (HIWORD(wparam) == 0) {
            fire_menu(LOWORD(wparam));
        }
        return 0;
    }
    if (NativeControl* native = native_of(reinterpret_cast<HWND>(lparam))) {
        return on_control_command(*native, HIWORD(wparam));
    }
    return 0;
}

void FormView::fire_menu(UINT command) {
    ui::MenuItem* item = menu_item_of(m_menu_items, command);
    if (item != nullptr && item->reachable()) {
        trace("menu", m_hwnd, item->id());
        fire([item] { call(item->on_click); });
    } else {
        trace("menu not reachable", m_hwnd, std::to_string(command));
    }
}

LRESULT FormView::on_control_command(NativeControl& native, int code) {
    ui::Control& control = *native.control;
    switch (control.kind()) {
        case ui::ControlKind::Button:
            if (code == BN_CLICKED) {
                trace("click", native.hwnd, control.id());
                fire([&] { call(control.on_click); });
                trace("click done", native.hwnd, control.id());
            }
            break;
        case ui::ControlKind::Label:
            if (code == STN_CLICKED) {
                fire([&] { call(control.on_click); });
            } else if (code == STN_DBLCLK) {
                fire([&] { call(control.on_dblclick); });
            }
            break;
        case ui::ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                fire([&] {
                    native.checked = SendMessageW(native.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
                    static_cast<ui::CheckBox&>(control).set_checked(native.checked);
                    call(control.on_click);
                });
            }
            break;
        case ui::ControlKind::TextBox:
            if (code == EN_CHANGE && !m_renderer.syncing()) {
                fire([&] {
                    if (pull_text(native)) {
                        call(control.on_change);
                    }
                });
            } else if (code == EN_SETFOCUS) {
                trace("focus", native.hwnd, control.id());
                fire([&] { call(control.on_gotfocus); });
            }
            break;
        case ui::ControlKind::ListBox:
            if (code == LBN_SELCHANGE) {
                fire([&] {
                    pull_list_selection(native);
                    call(control.on_click);
                });
            } else if (code == LBN_DBLCLK) {
                trace("double click", native.hwnd, control.id());
                fire([&] { call(control.on_dblclick); });
                trace("double click done", native.hwnd, control.id());
            }
            break;
        default:
            break;
    }
    return 0;
}

LRESULT FormView::on_notify(const NMHDR& header) {
    NativeControl* native = native_of(header.hwndFrom);
    if (native == nullptr || native->control->kind() != ui::ControlKind::Calendar ||
        header.code != MCN_SELECT || m_renderer.syncing()) {
        return 0;
    }
    const auto& change = reinterpret_cast<const NMSELCHANGE&>(header);
    auto& calendar = static_cast<ui::Calendar&>(*native->control);
    fire([&] {
        pull_calendar_date(*native, change.stSelStart);
        call(calendar.on_dateclick);
    });
    return 0;
}

LRESULT FormView::on_colour(HDC dc, HWND control) {
    NativeControl* native = native_of(control);
    if (native == nullptr || native->control->kind() == ui::ControlKind::TextBox) {
        return DefWindowProcW(m_hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    SetTextColor(dc, colour_of(native->control->colour()));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The user moved or sized the window: the model learns the new place in twips (at the density of
// the window's screen; the rows of a wrapped menu bar are not the model's). The program's own
// changes (made while mirroring) are the model's already.
void FormView::on_moved(const WINDOWPOS& pos) {
    if (m_renderer.syncing() || IsIconic(m_hwnd) || !IsWindowVisible(m_hwnd)) {
        return;
    }
    RECT r{};
    GetWindowRect(m_hwnd, &r);
    r.bottom -= m_menu_surplus;
    const int dpi = static_cast<int>(m_dpi);
    const auto px = [dpi](long twips) { return ui::to_pixels(twips, dpi); };
    const auto twips = [dpi](long pixels) { return ui::to_twips(pixels, dpi); };
    const bool moved =
        (pos.flags & SWP_NOMOVE) == 0 && (px(m_window.left()) != r.left || px(m_window.top()) != r.top);
    const bool sized = (pos.flags & SWP_NOSIZE) == 0 && (px(m_window.width()) != r.right - r.left ||
                                                         px(m_window.height()) != r.bottom - r.top);
    if (!moved && !sized) {
        return;
    }
    fire([&] {
        if (moved) {
            m_window.move(twips(r.left), twips(r.top));
        }
        if (sized) {
            m_window.set_size(twips(r.right - r.left), twips(r.bottom - r.top));
        }
    });
}

void FormView::focus_control(const ui::Control& control) {
    for (NativeControl& native : m_controls) {
        if (native.control == &control && IsWindowVisible(native.hwnd)) {
            SetFocus(native.hwnd);
            return;
        }
    }
}

void FormView::subclass(NativeControl& native, std::size_t index) {
    const ui::ControlKind kind = native.control->kind();
    if (kind == ui::ControlKind::Button || kind == ui::ControlKind::TextBox) {
        SetWindowSubclass(native.hwnd, &FormView::control_proc, index, reinterpret_cast<DWORD_PTR>(this));
    }
}

// Buttons report right clicks as a mouse-down; text boxes report key-downs, and keep the Enter
// key for themselves (the program reads it) instead of letting the dialog keys take it.
LRESULT CALLBACK FormView::control_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR index,
                                        DWORD_PTR self) {
    auto& view = *reinterpret_cast<FormView*>(self);
    ui::Control& control = *view.m_controls[index].control;
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) {
        trace(message == WM_LBUTTONDOWN ? "mouse down" : "right mouse down", hwnd,
              control.id() + " at " + std::to_string(static_cast<short>(LOWORD(lparam))) + "," +
                  std::to_string(static_cast<short>(HIWORD(lparam))));
    }
    if (message == WM_RBUTTONDOWN && control.kind() == ui::ControlKind::Button) {
        view.fire([&] {
            if (control.on_mousedown) {
                control.on_mousedown(ui::MouseButton::Right);
            }
        });
    } else if (message == WM_KEYDOWN && control.kind() == ui::ControlKind::TextBox) {
        view.fire([&] {
            if (control.on_keydown) {
                control.on_keydown(static_cast<int>(wparam));
            }
        });
    } else if (message == WM_GETDLGCODE && control.kind() == ui::ControlKind::TextBox) {
        const auto* msg = reinterpret_cast<const MSG*>(lparam);
        LRESULT code = DefSubclassProc(hwnd, message, wparam, lparam);
        if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
            code |= DLGC_WANTMESSAGE;
        }
        return code;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace velmora::win32
