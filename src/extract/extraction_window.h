#pragma once
// The extraction window's life: its load and settings file zov6.ini (in the working directory),
// the format menu and the dispatcher to the parsers and the detail view, the display settings,
// resizing, and the review and continuous import of the extracted contests.

#include "ui/program.h"

namespace velmora::extract {

// Dispatches kind 1 (parse the chosen format) and kind 2 (detail view of the clicked title).
void SelMail(ui::Program& program, int kind);
// Shows the extraction window in place of the main window, right edges aligned ("Mail").
void show_extraction_window(ui::Program& program);
// Sets the window's handlers and its load on first use.
void wire_extraction_window(ui::Program& program);

}  // namespace velmora::extract
