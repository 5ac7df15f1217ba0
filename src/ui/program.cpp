#include "ui/program.h"

namespace velmora::ui {

Program::Program(platform::Platform& platform) : platform(platform) {
    for (Window* w : std::initializer_list<Window*>{&form1, &form2, &m_form3, &form4, &form5}) {
        w->set_host(this);
    }
}

Form3& Program::form3() {
    if (!m_form3.loaded) {
        m_form3.loaded = true;
        if (load_form3) {
            load_form3(m_form3);
        }
    }
    return m_form3;
}

Window* Program::window(std::string_view name) {
    if (name == "Form1") {
        return &form1;
    }
    if (name == "Form2") {
        return &form2;
    }
    if (name == "Form3") {
        return &form3();
    }
    if (name == "Form4") {
        return &form4;
    }
    if (name == "Form5") {
        return &form5;
    }
    return nullptr;
}

std::vector<Window*> Program::windows() {
    return {&form1, &form2, &m_form3, &form4, &form5};
}

bool Program::has_window_titled(std::string_view title) const {
    for (const Window* w : std::initializer_list<const Window*>{&form1, &form2, &m_form3, &form4, &form5}) {
        if (w->caption() == title) {
            return true;
        }
    }
    return false;
}

void Program::window_shown(Window& window) {
    m_pending.push_back(&window);
}

void Program::popup_menu(Window& window, MenuItem& menu) {
    m_last_popup = &menu;
    if (on_popup) {
        on_popup(window, menu);
    }
}

void Program::focus(Window& /*window*/, Control& control) {
    m_focused = &control;
    if (control.on_gotfocus) {
        control.on_gotfocus();
    }
}

void Program::run_pending_activations() {
    // A handler may show further windows; they are activated in turn.
    int guard = 0;
    while (!m_pending.empty() && guard++ < 100) {
        Window* w = m_pending.front();
        m_pending.pop_front();
        if (w->visible() && w->on_activate) {
            w->on_activate();
        }
    }
}

}  // namespace velmora::ui
