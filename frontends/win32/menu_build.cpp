#include "menu_build.h"

#include "wide.h"

namespace velmora::win32 {
namespace {

bool has_children(const std::vector<ui::MenuItem*>& items, const ui::MenuItem& parent) {
    for (const ui::MenuItem* item : items) {
        if (item->parent() == &parent) {
            return true;
        }
    }
    return false;
}

UINT flags_of(const ui::MenuItem& item) {
    return MF_STRING | (item.checked() ? MF_CHECKED : MF_UNCHECKED) |
           (item.enabled() ? MF_ENABLED : MF_GRAYED);
}

void append_item(HMENU menu, const std::vector<ui::MenuItem*>& items, std::size_t i) {
    const ui::MenuItem& item = *items[i];
    if (item.caption() == ui::kMenuRule) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    const std::wstring caption = widen(item.caption());
    if (has_children(items, item)) {
        HMENU sub = build_popup(items, item);
        AppendMenuW(menu, flags_of(item) | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
    } else {
        AppendMenuW(menu, flags_of(item), kFirstMenuId + i, caption.c_str());
    }
}

}  // namespace

std::vector<ui::MenuItem*> menu_items_of(const ui::Window& window) {
    std::vector<ui::MenuItem*> items;
    for (ui::Control* control : window.controls()) {
        if (control->kind() == ui::ControlKind::MenuItem) {
            items.push_back(static_cast<ui::MenuItem*>(control));
        }
    }
    return items;
}

HMENU build_menu_bar(const std::vector<ui::MenuItem*>& items) {
    HMENU bar = nullptr;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ui::MenuItem& item = *items[i];
        if (item.parent() != nullptr || item.popup_only()) {
            continue;
        }
        if (bar == nullptr) {
            bar = CreateMenu();
        }
        if (item.visible()) {
            append_item(bar, items, i);
        }
    }
    return bar;
}

HMENU build_popup(const std::vector<ui::MenuItem*>& items, const ui::MenuItem& parent) {
    HMENU popup = CreatePopupMenu();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i]->parent() == &parent && items[i]->visible()) {
            append_item(popup, items, i);
        }
    }
    return popup;
}

ui::MenuItem* menu_item_of(const std::vector<ui::MenuItem*>& items, UINT command) {
    if (command < kFirstMenuId || command - kFirstMenuId >= items.size()) {
        return nullptr;
    }
    return items[command - kFirstMenuId];
}

}  // namespace velmora::win32
