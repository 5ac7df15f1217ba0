#include "ui/window.h"

namespace velmora::ui {

Window::Window(std::string name) : m_name(std::move(name)) {}

void Window::set_caption(std::string_view caption) {
    m_caption = std::string(caption);
    ++m_revision;
}

void Window::show() {
    const bool was_hidden = !m_visible;
    m_visible = true;
    ++m_revision;
    if (was_hidden && m_host != nullptr) {
        m_host->window_shown(*this);
    }
}

void Window::hide() {
    m_visible = false;
    ++m_revision;
}

void Window::show_without_activation() {
    m_visible = true;
    ++m_revision;
}

void Window::move(long left, long top) {
    m_geometry.left = left;
    m_geometry.top = top;
    ++m_revision;
}

void Window::set_left(long left) {
    move(left, m_geometry.top);
}
void Window::set_top(long top) {
    move(m_geometry.left, top);
}

void Window::set_size(long width, long height) {
    const bool changed = width != m_geometry.width || height != m_geometry.height;
    m_geometry.width = width;
    m_geometry.height = height;
    ++m_revision;
    if (changed && on_resize) {
        on_resize();
    }
}

void Window::set_width(long width) {
    set_size(width, m_geometry.height);
}
void Window::set_height(long height) {
    set_size(m_geometry.width, height);
}

Control* Window::find(std::string_view id) const {
    for (Control* control : m_controls) {
        if (control->id() == id) {
            return control;
        }
    }
    return nullptr;
}

void Window::popup_menu(MenuItem& menu) {
    if (m_host != nullptr) {
        m_host->popup_menu(*this, menu);
    }
}

void Window::set_focus(Control& control) {
    if (m_host != nullptr) {
        m_host->focus(*this, control);
    }
}

}  // namespace velmora::ui
