#pragma once
// Draws the program's windows with native Win32 windows and keeps them in step with the model:
// every user event runs through dispatch(), and afterwards every window is mirrored again.
// Activation is the desktop's own on Win32, so the model's queued activations are discarded.
//
//   Renderer renderer(program);  renderer.create_windows();  renderer.dispatch([&] { app.start(); });

#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string_view>
#include <vector>

#include "form_view.h"
#include "ui/program.h"

namespace velmora::win32 {

// The window class of every window of the program.
inline constexpr const wchar_t* kWindowClass = L"VelmoraWindow";

class Renderer : public ui::WindowHost {
public:
    explicit Renderer(ui::Program& program);
    ~Renderer() override;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Registers the window class and creates every window, hidden, with its controls.
    bool create_windows();
    // The native window of a model window ("Form1"), null when there is none.
    HWND hwnd_of(std::string_view name) const;
    bool owns(HWND hwnd) const;

    // Runs one event, then mirrors the model onto the screen (at once, or after the running mirror).
    void dispatch(const std::function<void()>& event);
    bool syncing() const { return m_syncing; }
    // The captions alone, at once: the program finds its own window by the caption it has just set.
    void sync_captions();

    // The user closes a window: the main window ends the program through `on_main_close`.
    void close_window(ui::Window& window);
    std::function<void()> on_main_close;
    void tray_event(int mouse_message);

    // A window of the program became the active one. Its activation handler runs only when it
    // was not already the program's active window: coming back from a message box or from
    // another program is no activation of the form.
    void window_activated(ui::Window& window);
    void window_hidden(const ui::Window& window);

    // WindowHost: a shown window is activated when it appears; popup menus open at the mouse;
    // the focus moves once the model is on the screen (the control may just have been shown).
    void window_shown(ui::Window& window) override;
    void popup_menu(ui::Window& window, ui::MenuItem& menu) override;
    void focus(ui::Window& window, ui::Control& control) override;

private:
    void mirror();
    void move_focus();
    FormView* view_of(const ui::Window& window) const;
    static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

    ui::Program& m_program;
    std::vector<std::unique_ptr<FormView>> m_views;
    std::set<const ui::Window*> m_to_activate;
    const ui::Window* m_active = nullptr;
    const ui::Window* m_focus_window = nullptr;
    const ui::Control* m_focus_control = nullptr;
    int m_depth = 0;
    bool m_syncing = false;
    bool m_dirty = false;
    bool m_quit_posted = false;
};

}  // namespace velmora::win32
