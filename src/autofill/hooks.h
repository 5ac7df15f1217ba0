#pragma once
// What the form fillers call outside their own layer: the history update after a send that
// found the browser, and the main window's layout switch. Either may be left empty.

#include <functional>

namespace velmora::autofill {

struct Hooks {
    // Called once after every send that found the browser (the history update).
    std::function<void()> after_send;
    // The main window's layout and ID panel switch: 0 profile fields, 1 ID panel.
    std::function<void(int)> ChForm1;

    void sent() const {
        if (after_send) {
            after_send();
        }
    }
    void ch_form1(int k) const {
        if (ChForm1) {
            ChForm1(k);
        }
    }
};

}  // namespace velmora::autofill
