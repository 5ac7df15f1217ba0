#pragma once
// Typing into the browser: activating the browser the program launched, and the Tab-wrapped
// sends every form filler uses. User texts are typed literally, without control characters; the
// program's keys are notation.

#include <string>
#include <string_view>

#include "autofill/hooks.h"
#include "platform/send_run.h"
#include "ui/program.h"

namespace velmora::autofill {

// The status line after a run of sends that the user stopped with a key or a click.
inline constexpr std::string_view kSendsStoppedCaption = "入力を中止";

// The end of a run of sends that found the browser: the history update once, or, when the user
// stopped the run, no history and the status line says so. False when it was stopped.
bool finish_run(ui::Program& program, const platform::SendRun& run, const Hooks& hooks);

// A user text as it is typed: without the control characters (below U+0020, and U+007F) that a
// data file may hold. A carriage return typed into a form would be Enter and submit it half filled.
std::string typeable(std::string_view text);

// Brings the browser to the front, waiting for the program's own focus: 0 done, 1 failed.
int ApAct(ui::Program& program);
// "{TAB}", "+({TAB})", the text, "{TAB}"; nothing at all for the empty text.
void SendTabText(platform::Platform& platform, std::string_view text);
// "{TAB}", "+({TAB})", "{RIGHT}", the text; nothing at all for the empty text.
void SendTabRightText(platform::Platform& platform, std::string_view text);

// One step of a flowchart: an arrow-key group in the program's notation ("{UP 3}", possibly
// empty) and then the field texts, typed literally.
struct KeyStep {
    std::string keys;
    std::string text;
    bool empty() const { return keys.empty() && text.empty(); }
    friend bool operator==(const KeyStep&, const KeyStep&) = default;
};
// "{TAB}", "+({TAB})", the step's keys, its text, "{TAB}"; nothing at all for the empty step.
void SendTabStep(platform::Platform& platform, const KeyStep& step);

}  // namespace velmora::autofill
