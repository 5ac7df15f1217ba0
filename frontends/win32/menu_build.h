#pragma once
// Native menus from the model's menu items: the menu bar of a window (items without a parent
// that are not popup-only, each opening the items whose parent it is) and popup menus. Hidden
// items are left out, disabled ones greyed, checked ones marked. Command ids index `items`.

#include <windows.h>

#include <vector>

#include "ui/window.h"

namespace velmora::win32 {

inline constexpr UINT kFirstMenuId = 40000;

// Every menu item of the window, in the window's order: the command id of items[i] is kFirstMenuId + i.
std::vector<ui::MenuItem*> menu_items_of(const ui::Window& window);

// Null when the window has no menu bar.
HMENU build_menu_bar(const std::vector<ui::MenuItem*>& items);
HMENU build_popup(const std::vector<ui::MenuItem*>& items, const ui::MenuItem& parent);

// The chosen item of a command id, null when the id is no menu item's.
ui::MenuItem* menu_item_of(const std::vector<ui::MenuItem*>& items, UINT command);

}  // namespace velmora::win32
