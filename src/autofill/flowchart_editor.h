#pragma once
// The flowchart editor "Auto編集": one List4 line per segment of the code (the code split at
// every "%"), with the segment codes in the hidden List5. Lines are rebuilt from profile fields
// clicked (Text_GotFocus in mode 2) or a direction, then written over, inserted or removed;
// "完了" joins List5 back into the code.

#include "autofill/hooks.h"
#include "ui/program.h"

namespace velmora::autofill {

// "編集": opens the selected flowchart (widening the window with ChForm1(0)).
void Command19_Click(ui::Program& program, const Hooks& hooks);
// Fills List4/List5 from FlowSegs; a direction segment replaces the line before it.
void AddList4(ui::Program& program);
// A direction line clicked: its count into Text2, and it becomes the line being built.
void List4_Click(ui::Program& program);
// Builds LineText/LineCode from FlowBuf; keep = 0 clears FlowBuf afterwards.
void List4Add(ui::Program& program, int keep);
// List4Add keeping FlowBuf, with LineText shown in Label5.
void La5Add(ui::Program& program);
// 0 上書, 1 挿入, 2 削除, 3 完了, 4..7 上 左 右 下, 8 Clear.
void Command21_Click(ui::Program& program, int i, const Hooks& hooks);

void wire_flowchart_editor(ui::Program& program, const Hooks& hooks);

}  // namespace velmora::autofill
