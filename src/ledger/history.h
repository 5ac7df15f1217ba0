#pragma once
// The applied history in the main window's List1: loaded at start, saved at shutdown, and the
// record HDK makes once an entry form has been filled for the contest last opened.

#include "ui/program.h"

namespace velmora::ledger {

// Fills the history list from zov21.ini, or converts zov2.ini.
void LoZov21(ui::Program& program);
// Writes the history list to zov21.ini; a failure is told to the user.
void Save2(ui::Program& program);
// Records the contest last opened (once per opening), replacing older records of its site root.
void HDK(ui::Program& program);

}  // namespace velmora::ledger
