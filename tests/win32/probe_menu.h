#pragma once
// The probe's keyboard: a key pressed into the window in front, and a choice from a window's
// menu bar made by keys, as a user without a mouse makes it.

#include <windows.h>

#include <string>

namespace velmora::probe {

// A press and release of the virtual key, into whatever window is in front.
void press(WORD key);
// The item at `index` of the window's menu bar, or the item `sub` of the menu it opens (sub >= 0);
// 0 once the program has handled the choice, 1 when the window or its menu did not follow.
int choose_menu(const std::wstring& title, int index, int sub);
// Opens the menu of the menu bar's item at `index` and leaves it open (to be looked at; Esc twice
// closes it); 0 when it is open.
int open_menu(const std::wstring& title, int index);

}  // namespace velmora::probe
