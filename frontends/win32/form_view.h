#pragma once
// One window of the model on the screen: the top-level window, a native control per model
// control, and its menu bar. sync() puts the model on the screen; handle() turns the window's
// messages into the model's events (through the renderer, which re-syncs after each event).

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "native_control.h"
#include "ui/window.h"

namespace velmora::win32 {

class Renderer;

class FormView {
public:
    FormView(ui::Window& window, Renderer& renderer);
    ~FormView();
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    ui::Window& window() const { return m_window; }
    HWND hwnd() const { return m_hwnd; }
    // The density of the screen the window is on: twips become its pixels.
    UINT dpi() const { return m_dpi; }

    // Creates the window (hidden) and its controls.
    void create(const wchar_t* window_class);
    // Model onto the screen; `activate` shows a hidden window as the active one.
    void sync(bool activate);
    void sync_caption();
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    // Shows a popup menu at the mouse and fires the chosen item.
    void show_popup(ui::MenuItem& menu);
    // Gives the input focus to the native control of this model control, when it is shown.
    void focus_control(const ui::Control& control);

private:
    // form_view.cpp
    void sync_window(bool activate);
    void sync_menu();
    void sync_control(NativeControl& native);
    RECT fitted_to_calendars(RECT window);
    LONG menu_surplus() const;
    void on_dpi_changed(UINT dpi, const RECT& suggested);

    // form_events.cpp
    void fire(const std::function<void()>& event);
    void pull_selections();
    LRESULT on_command(WPARAM wparam, LPARAM lparam);
    LRESULT on_control_command(NativeControl& native, int code);
    LRESULT on_notify(const NMHDR& header);
    LRESULT on_colour(HDC dc, HWND control);
    void on_moved(const WINDOWPOS& pos);
    void fire_menu(UINT command);
    NativeControl* native_of(HWND hwnd);
    void subclass(NativeControl& native, std::size_t index);
    static LRESULT CALLBACK control_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                         UINT_PTR index, DWORD_PTR self);

    ui::Window& m_window;
    Renderer& m_renderer;
    HWND m_hwnd = nullptr;
    UINT m_dpi = 96;
    // Pixels the window is drawn taller than the model because its menu bar wrapped into more rows.
    LONG m_menu_surplus = 0;
    std::vector<NativeControl> m_controls;
    std::vector<ui::MenuItem*> m_menu_items;
    std::vector<std::uint64_t> m_menu_revisions;
    HMENU m_menu = nullptr;
    HWND m_tooltips = nullptr;
    std::string m_caption;
    bool m_caption_known = false;
};

}  // namespace velmora::win32
