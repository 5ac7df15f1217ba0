// List boxes both ways: the model's rows and selection onto the screen (rebuilt only when the
// rows changed, keeping the scroll position), the user's selection back into the model.

#include "native_control.h"
#include "wide.h"

namespace velmora::win32 {
namespace {

const ui::ListBox& list_of(const NativeControl& native) {
    return static_cast<const ui::ListBox&>(*native.control);
}

void sync_rows(NativeControl& native, const ui::ListBox& list) {
    if (native.rows == list.rows()) {
        return;
    }
    const LRESULT top = SendMessageW(native.hwnd, LB_GETTOPINDEX, 0, 0);
    SendMessageW(native.hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(native.hwnd, LB_RESETCONTENT, 0, 0);
    for (const std::string_view row : list.rows()) {
        SendMessageW(native.hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(row).c_str()));
    }
    if (top > 0 && top < list.count()) {
        SendMessageW(native.hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    }
    SendMessageW(native.hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(native.hwnd, nullptr, TRUE);
    native.rows = list.rows().to_vector();
    native.selected.assign(native.rows.size(), 0);
    native.list_index = -2;
}

std::vector<char> selection_of(const ui::ListBox& list) {
    std::vector<char> selected(static_cast<std::size_t>(list.count()), 0);
    for (long i = 0; i < list.count(); ++i) {
        selected[static_cast<std::size_t>(i)] = list.selected(i) ? 1 : 0;
    }
    return selected;
}

}  // namespace

void sync_list(NativeControl& native) {
    const ui::ListBox& list = list_of(native);
    sync_rows(native, list);
    const std::vector<char> selected = selection_of(list);
    if (native.list_index == list.list_index() && native.selected == selected) {
        return;
    }
    if (list.multi_select()) {
        for (long i = 0; i < list.count(); ++i) {
            SendMessageW(native.hwnd, LB_SETSEL, selected[static_cast<std::size_t>(i)] ? TRUE : FALSE, i);
        }
        if (list.list_index() >= 0) {
            SendMessageW(native.hwnd, LB_SETCARETINDEX, static_cast<WPARAM>(list.list_index()), FALSE);
        }
    } else {
        SendMessageW(native.hwnd, LB_SETCURSEL, static_cast<WPARAM>(list.list_index()), 0);
    }
    native.selected = selected;
    native.list_index = list.list_index();
}

void pull_list_selection(NativeControl& native) {
    auto& list = static_cast<ui::ListBox&>(*native.control);
    if (list.multi_select()) {
        for (long i = 0; i < list.count(); ++i) {
            const bool on = SendMessageW(native.hwnd, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
            if (list.selected(i) != on) {
                list.set_selected(i, on);
            }
        }
        const auto caret = static_cast<long>(SendMessageW(native.hwnd, LB_GETCARETINDEX, 0, 0));
        if (caret != list.list_index()) {
            list.set_list_index(caret);  // in a multiple-selection list this leaves the marks alone
        }
    } else {
        const auto index = static_cast<long>(SendMessageW(native.hwnd, LB_GETCURSEL, 0, 0));
        list.set_list_index(index == LB_ERR ? -1 : index);
    }
    native.selected = selection_of(list);
    native.list_index = list.list_index();
}

}  // namespace velmora::win32
