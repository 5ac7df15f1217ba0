#pragma once
// What the probe does to another program's windows as a user would, for the end-to-end run:
// clicks on the n-th control of a text, clicks and double-clicks on list rows, answers to message
// boxes, typed text, bringing a window to the front, and waiting until a window answers again.

#include <optional>
#include <string>
#include <vector>

namespace velmora::probe {

// Runs the action that the arguments name; nullopt when they name none of these actions.
std::optional<int> run_action(const std::vector<std::wstring>& args);

extern const char* const kActionUsage;

}  // namespace velmora::probe
