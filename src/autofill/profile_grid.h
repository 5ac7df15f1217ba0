#pragma once
// The profile grid's row buttons: "結" sends a row's three parts joined, "入" joined with the
// row's separator, "別" one after another; the right button offers one part in a popup menu.
// Rows are 0 to 12; row r holds Text(5r) (title), Text(5r+1..5r+3) (parts), Text(5r+4) (separator).

#include "autofill/hooks.h"
#include "ui/program.h"

namespace velmora::autofill {

void Command1_Click(ui::Program& program, int r, const Hooks& hooks);
void Command5_Click(ui::Program& program, int r, const Hooks& hooks);
void Command6_Click(ui::Program& program, int r, const Hooks& hooks);

// Right button only: the part of the row that the button offers becomes mn2(0)'s caption and
// the popup menu mn3 opens.
void Command1_MouseDown(ui::Program& program, int r, ui::MouseButton button);
void Command5_MouseDown(ui::Program& program, int r, ui::MouseButton button);
void Command6_MouseDown(ui::Program& program, int r, ui::MouseButton button);

// The popup's items: 0 appends the offered part in the field, 1 ("TAB") sends it Tab-wrapped.
void mn2_Click(ui::Program& program, int i, const Hooks& hooks);

void wire_profile_grid(ui::Program& program, const Hooks& hooks);

}  // namespace velmora::autofill
