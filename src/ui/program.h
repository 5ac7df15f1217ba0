#pragma once
// The program's windows and the desktop they run on: every subsystem's handlers work on this.
// The extraction window is loaded on first use (its load reads its settings); a window shown by
// the ordinary show becomes active, and the host runs its activation handler afterwards.
//
//   ui::Program program(platform);  program.form1.Command2.on_click = [&] { ... };

#include <deque>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"

namespace velmora::ui {

class Program : public WindowHost {
public:
    explicit Program(platform::Platform& platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    platform::Platform& platform;
    Form1 form1;
    Form2 form2;
    Form4 form4;
    Form5 form5;

    // The extraction window, its load run first when this is its first use.
    Form3& form3();
    // The extraction window as it is, without running its load.
    Form3& form3_as_is() { return m_form3; }
    // Set by the extraction window's subsystem: the load that runs on first use.
    std::function<void(Form3&)> load_form3;

    // Every window, for lookup by name ("Form1" ... "Form5"); the extraction window loads on lookup.
    Window* window(std::string_view name);
    std::vector<Window*> windows();
    // Whether a shown window of the program carries this caption (activation by title).
    bool has_window_titled(std::string_view title) const;

    // WindowHost.
    void window_shown(Window& window) override;
    void popup_menu(Window& window, MenuItem& menu) override;
    // Headless, the control is recorded as the focused one and its on_gotfocus runs.
    void focus(Window& window, Control& control) override;
    // The control the program gave the focus last; null before any.
    Control* focused() const { return m_focused; }

    // Runs the activation handlers of the windows shown since the last call, in order.
    void run_pending_activations();
    void discard_pending_activations() { m_pending.clear(); }
    // A front end shows popup menus; headless, the request is only recorded.
    std::function<void(Window&, MenuItem&)> on_popup;
    MenuItem* last_popup() const { return m_last_popup; }

    // False once the main window has closed and the program has ended.
    bool running = true;

private:
    Form3 m_form3;
    std::deque<Window*> m_pending;
    MenuItem* m_last_popup = nullptr;
    Control* m_focused = nullptr;
};

}  // namespace velmora::ui
