#pragma once
// Opening a contest in the user's browser: the "ブラウザ" button (clipboard contest, or the first
// stock entry on a right click), the checks before opening, and handing the URL to the browser
// the program launched before, or launching the one that opens .html files.

#include <string>
#include <string_view>

#include "ui/program.h"

namespace velmora::browser {

// Checks and opens a contest text; the text is cut to the bare URL in place.
void Brauza(ui::Program& program, std::string& text);
// Launches the program that opens .html files with the URL as its one argument and remembers its
// task; without one, the desktop's default opener gets a web address. A URL that a browser
// would read as a switch, or a text that is no web address for the default opener, is refused
// with a message.
void ShellAuto(ui::Program& program, std::string_view url);
// Makes the running browser load the URL (put on the clipboard, then Alt+D, Ctrl+V, Enter), else
// ShellAuto. False when the user stopped the hand-over with a key or a click: then nothing more
// happens.
bool WinChange(ui::Program& program, std::string_view url);
// The "ブラウザ" button: a click opens the clipboard contest; the right button takes the first
// stock entry instead (other buttons do nothing).
void Command2_Click(ui::Program& program);
void Command2_MouseDown(ui::Program& program, ui::MouseButton button);
// Sets the handlers of the main window's "ブラウザ" button.
void wire_browser_button(ui::Program& program);

}  // namespace velmora::browser
