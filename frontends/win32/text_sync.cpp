// Text boxes both ways: the model's text and selection (in characters) onto the screen, the
// user's edits and selection (in UTF-16 units on the screen) back into the model.

#include "native_control.h"
#include "wide.h"

namespace velmora::win32 {
namespace {

ui::TextBox& box_of(NativeControl& native) {
    return static_cast<ui::TextBox&>(*native.control);
}

std::wstring screen_text(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// A multi-line edit shows line ends as CR LF; the model keeps what the program put there.
std::wstring for_screen(const ui::TextBox& box) {
    std::wstring wide = widen(box.text());
    if (!box.multiline()) {
        return wide;
    }
    std::wstring out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\n' && (i == 0 || wide[i - 1] != L'\r')) {
            out += L'\r';
        }
        out += wide[i];
    }
    return out;
}

}  // namespace

void sync_text(NativeControl& native) {
    ui::TextBox& box = box_of(native);
    if (!native.caption_known || native.caption != box.text()) {
        SetWindowTextW(native.hwnd, for_screen(box).c_str());
        native.caption = box.text();
        native.caption_known = true;
        native.sel_start = -1;
    }
    if (native.sel_start != box.sel_start() || native.sel_length != box.sel_length()) {
        const std::wstring text = screen_text(native.hwnd);
        const long start = utf16_position(text, box.sel_start());
        const long end = utf16_position(text, box.sel_start() + box.sel_length());
        SendMessageW(native.hwnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
        native.sel_start = box.sel_start();
        native.sel_length = box.sel_length();
    }
}

bool pull_text(NativeControl& native) {
    const std::string text = narrow(screen_text(native.hwnd));
    if (native.caption_known && text == native.caption) {
        return false;
    }
    native.caption = text;
    native.caption_known = true;
    box_of(native).set_text(text);
    return true;
}

void pull_text_selection(NativeControl& native) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(native.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = screen_text(native.hwnd);
    const long first = character_position(text, static_cast<long>(start));
    const long length = character_position(text, static_cast<long>(end)) - first;
    if (first != native.sel_start || length != native.sel_length) {
        ui::TextBox& box = box_of(native);
        if (box.sel_start() != first || box.sel_length() != length) {
            box.set_selection(first, length);
        }
        native.sel_start = first;
        native.sel_length = length;
    }
}

}  // namespace velmora::win32
