#include "renderer.h"

#include <utility>

#include "screen_dpi.h"

namespace velmora::win32 {
namespace {

constexpr int kMirrorRounds = 5;

}  // namespace

Renderer::Renderer(ui::Program& program) : m_program(program) {
    for (ui::Window* window : m_program.windows()) {
        window->set_host(this);
    }
    m_program.on_popup = [this](ui::Window& window, ui::MenuItem& menu) {
        if (FormView* view = view_of(window)) {
            view->show_popup(menu);
        }
    };
}

Renderer::~Renderer() {
    m_program.on_popup = nullptr;
    for (ui::Window* window : m_program.windows()) {
        window->set_host(&m_program);
    }
}

bool Renderer::create_windows() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Renderer::window_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    if (wc.hIcon == nullptr) {
        wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    }
    // The caption's icon, from the frame of its size rather than the large one made smaller.
    const int small = metric_at_dpi(SM_CXSMICON, dpi_of_system());
    wc.hIconSm = static_cast<HICON>(
        LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON, small, small, LR_DEFAULTCOLOR));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    if (RegisterClassExW(&wc) == 0) {
        return false;
    }
    for (ui::Window* window : m_program.windows()) {
        m_views.push_back(std::make_unique<FormView>(*window, *this));
        m_views.back()->create(kWindowClass);
        if (m_views.back()->hwnd() == nullptr) {
            return false;
        }
    }
    return true;
}

HWND Renderer::hwnd_of(std::string_view name) const {
    for (const auto& view : m_views) {
        if (view->window().name() == name) {
            return view->hwnd();
        }
    }
    return nullptr;
}

bool Renderer::owns(HWND hwnd) const {
    for (const auto& view : m_views) {
        if (view->hwnd() == hwnd) {
            return true;
        }
    }
    return false;
}

FormView* Renderer::view_of(const ui::Window& window) const {
    for (const auto& view : m_views) {
        if (&view->window() == &window) {
            return view.get();
        }
    }
    return nullptr;
}

void Renderer::dispatch(const std::function<void()>& event) {
    ++m_depth;
    event();
    --m_depth;
    if (m_depth == 0) {
        mirror();
    }
}

void Renderer::sync_captions() {
    for (const auto& view : m_views) {
        view->sync_caption();
    }
}

// Mirroring may itself raise events (showing a window activates it); their changes are mirrored
// in a further round.
void Renderer::mirror() {
    if (m_syncing) {
        m_dirty = true;
        return;
    }
    m_syncing = true;
    for (int round = 0; round < kMirrorRounds; ++round) {
        m_dirty = false;
        m_program.discard_pending_activations();
        const std::set<const ui::Window*> activate = std::move(m_to_activate);
        m_to_activate.clear();
        for (const auto& view : m_views) {
            view->sync(activate.count(&view->window()) != 0);
        }
        if (!m_dirty) {
            break;
        }
    }
    m_syncing = false;
    move_focus();
    if (!m_program.running && !m_quit_posted) {
        m_quit_posted = true;
        PostQuitMessage(0);
    }
}

void Renderer::move_focus() {
    const ui::Window* window = std::exchange(m_focus_window, nullptr);
    const ui::Control* control = std::exchange(m_focus_control, nullptr);
    if (window == nullptr || !m_program.running) {
        return;
    }
    if (FormView* view = view_of(*window)) {
        view->focus_control(*control);  // its on_gotfocus runs as a user event of its own
    }
}

void Renderer::close_window(ui::Window& window) {
    if (&window == &m_program.form1) {
        // Closing the main window ends the program, whatever other windows are open.
        dispatch([this] {
            if (on_main_close) {
                on_main_close();
            } else if (m_program.form1.on_query_unload) {
                m_program.form1.on_query_unload();
            }
            m_program.running = false;
        });
        return;
    }
    // Closing is never refused: the window's close handler runs, then the window goes away.
    dispatch([&window] {
        if (window.on_query_unload) {
            window.on_query_unload();
        }
        window.hide();
    });
}

void Renderer::tray_event(int mouse_message) {
    dispatch([this, mouse_message] {
        if (m_program.form1.on_tray) {
            m_program.form1.on_tray(mouse_message);
        }
    });
}

void Renderer::window_activated(ui::Window& window) {
    if (&window == m_active) {
        return;
    }
    m_active = &window;
    dispatch([&window] {
        if (window.on_activate) {
            window.on_activate();
        }
    });
}

void Renderer::window_hidden(const ui::Window& window) {
    if (&window == m_active) {
        m_active = nullptr;
    }
}

void Renderer::window_shown(ui::Window& window) {
    m_to_activate.insert(&window);
}

void Renderer::popup_menu(ui::Window& window, ui::MenuItem& menu) {
    m_program.popup_menu(window, menu);
}

void Renderer::focus(ui::Window& window, ui::Control& control) {
    m_focus_window = &window;
    m_focus_control = &control;
}

LRESULT CALLBACK Renderer::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        scale_frame_with_dpi(hwnd);
    }
    auto* view = reinterpret_cast<FormView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (view == nullptr || view->hwnd() != hwnd) {
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    return view->handle(message, wparam, lparam);
}

}  // namespace velmora::win32
