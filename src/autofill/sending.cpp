#include "autofill/sending.h"

namespace velmora::autofill {
namespace {

// Tab forward and back again: the focus returns to the browser field that had it.
void refocus(platform::Platform& platform) {
    platform.send_keys("{TAB}");
    platform.send_keys("+({TAB})");
}

}  // namespace

bool finish_run(ui::Program& program, const platform::SendRun& run, const Hooks& hooks) {
    if (run.stopped()) {
        ui::Fo1Ca(program.form1, kSendsStoppedCaption);
        return false;
    }
    hooks.sent();
    return true;
}

int ApAct(ui::Program& program) {
    const bool ok = program.platform.activate_task(program.form1.BrowserTask, platform::Wait::ForOwnFocus);
    return ok ? 0 : 1;
}

void SendTabText(platform::Platform& platform, std::string_view text) {
    if (text.empty()) {
        return;
    }
    refocus(platform);
    platform.type_text(text);
    platform.send_keys("{TAB}");
}

void SendTabRightText(platform::Platform& platform, std::string_view text) {
    if (text.empty()) {
        return;
    }
    refocus(platform);
    platform.send_keys("{RIGHT}");
    platform.type_text(text);
}

void SendTabStep(platform::Platform& platform, const KeyStep& step) {
    if (step.empty()) {
        return;
    }
    refocus(platform);
    if (!step.keys.empty()) {
        platform.send_keys(step.keys);
    }
    if (!step.text.empty()) {
        platform.type_text(step.text);
    }
    platform.send_keys("{TAB}");
}

}  // namespace velmora::autofill
