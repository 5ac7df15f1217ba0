#pragma once
// A diagnostic record of the desktop's activations, foreground checks and key sends, for finding
// out afterwards why a run of sends typed nothing. It never holds a typed text or a password:
// texts are counted, controls named by their class. Off until start_trace_from_environment finds
// VELMORA_TRACE_FILE naming a file; then every line is appended there, stamped with the system's millisecond
// tick count (the same clock in every process, so that the records of several programs can be merged).
//
//   trace("activate", window, ok ? "in front" : "not in front");

#include <windows.h>

#include <string_view>

namespace velmora::win32 {

// The test programs always call this; velmora.exe only in a diagnostic build (VELMORA_TRACE=ON),
// since the program itself takes no settings from the environment.
void start_trace_from_environment();
bool tracing();
void trace(std::string_view what, std::string_view detail);
// The window named as the trace shows it: handle, process and caption (a control: its class, never
// its text, which may be a password being typed).
void trace(std::string_view what, HWND window, std::string_view detail);
// Mouse buttons and keys as they arrive in the message loop. Keys that type a character are
// recorded without saying which (they may be a password the user types into the program).
void trace_input(const MSG& msg);

}  // namespace velmora::win32
