#include "autofill/sending.h"

namespace velmora::autofill {
namespace {

// Tab forward and back again: the focus returns to the browser field that had it.
void refocus(platform::Platform& platform) {
    platform.send_keys("{TAB}");
    platform.send_keys("+({TAB})");
}

// Types a user text without its control characters; a text of nothing else types nothing.
void type_user_text(platform::Platform& platform, std::string_view text) {
    const std::string typed = typeable(text);
    if (!typed.empty()) {
        platform.type_text(typed);
    }
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

std::string typeable(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            kept += c;  // bytes of a multi-byte character are all 0x80 and above
        }
    }
    return kept;
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
    type_user_text(platform, text);
    platform.send_keys("{TAB}");
}

void SendTabRightText(platform::Platform& platform, std::string_view text) {
    if (text.empty()) {
        return;
    }
    refocus(platform);
    platform.send_keys("{RIGHT}");
    type_user_text(platform, text);
}

void SendTabStep(platform::Platform& platform, const KeyStep& step) {
    if (step.empty()) {
        return;
    }
    refocus(platform);
    if (!step.keys.empty()) {
        platform.send_keys(step.keys);
    }
    type_user_text(platform, step.text);
    platform.send_keys("{TAB}");
}

}  // namespace velmora::autofill
