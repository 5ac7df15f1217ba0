#pragma once
// A main window on the headless desktop with the form fillers wired, counting the history
// updates and layout switches they ask for, and helpers for the typed-key event lines.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "autofill/autofill.h"
#include "platform/memory_platform.h"
#include "ui/program.h"

namespace velmora::autofill::testing {

using Events = std::vector<std::string>;

class AutofillTest : public ::testing::Test {
protected:
    AutofillTest() : program(platform) {
        hooks.after_send = [this] { ++sends; };
        hooks.ChForm1 = [this](int k) { layouts.push_back(k); };
        wire_autofill(program, hooks);
    }

    // A browser is running: activating it succeeds from now on.
    void launch_browser() {
        form().BrowserTask = platform.launch("C:\\Browser\\browser.exe http://a.example/");
        platform.take_events();
    }
    ui::Form1& form() { return program.form1; }
    void set_field(int n, std::string_view text) { form().Text[n].set_text(text); }

    platform::MemoryPlatform platform;
    ui::Program program;
    Hooks hooks;
    int sends = 0;
    std::vector<int> layouts;
};

inline std::string quoted(std::string_view text) {
    return platform::quote_event_text(text);
}
inline std::string send(std::string_view keys) {
    return "send " + quoted(keys);
}
inline std::string type(std::string_view text) {
    return "type " + quoted(text);
}
inline const std::string kActivated = "activate task 1 wait -> ok";

// The four event lines of one Tab-wrapped text.
inline Events tab_text(std::string_view text) {
    return {send("{TAB}"), send("+({TAB})"), type(text), send("{TAB}")};
}

// The activation followed by these groups of lines.
inline Events activated_then(std::initializer_list<Events> groups) {
    Events all{kActivated};
    for (const Events& g : groups) {
        all.insert(all.end(), g.begin(), g.end());
    }
    return all;
}

}  // namespace velmora::autofill::testing
