#pragma once
// The flowchart list of the "Automatic" panel: titles in List3, codes in FlowTexts (parallel,
// plus one empty spare slot), stored in zov3.ini as title "%0" code. Moving and deleting go
// through the combined form title "%0" code and rebuild the list from it.

#include <string_view>

#include "ui/program.h"

namespace velmora::autofill {

// "上" and "下" on the selected flowchart, and the move itself.
void Command16_Click(ui::Program& program);
void Command17_Click(ui::Program& program);
void MoveList3(ui::Program& program, int d);
// "削除": removes the selected flowchart without asking; nothing is saved here.
void Command18_Click(ui::Program& program);

// Appends the title of a combined text (before the first "%0"; the whole text when it has none).
void AddList3(ui::Program& program, std::string_view combined);
// Rebuilds List3 from the combined texts in FlowTexts and leaves only the codes there.
void AddList3a(ui::Program& program);

// Fills List3 and FlowTexts from zov3.ini; an absent file leaves an empty list.
void load_flowcharts(ui::Program& program);

void wire_flowchart_list(ui::Program& program);

}  // namespace velmora::autofill
