#include "probe_text.h"

#include <cstdio>
#include <cwchar>

#include "ui_font.h"

namespace velmora::probe {
namespace {

bool is_class(const ChildInfo& child, const wchar_t* name) {
    return _wcsicmp(child.window_class.c_str(), name) == 0;
}

// A kanji is one em wide even in a proportional Japanese font (kana and full-width letters are not).
bool kanji(wchar_t c) {
    return c >= 0x4E00 && c <= 0x9FFF;
}

// The advance of an edit box's first character, from where the box draws its first two.
int first_advance(HWND edit) {
    const auto first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    const auto second = SendMessageW(edit, EM_POSFROMCHAR, 1, 0);
    if (first == -1 || second == -1) {
        return -1;
    }
    return static_cast<short>(LOWORD(second)) - static_cast<short>(LOWORD(first));
}

}  // namespace

int check_dpi(const std::wstring& title, int dpi) {
    HWND hwnd = first_titled(title);
    if (hwnd == nullptr) {
        return 1;
    }
    const auto found = static_cast<int>(GetDpiForWindow(hwnd));
    say("dpi \"" + utf8(title) + "\" " + std::to_string(found) +
        (found == dpi ? " ok" : " expected " + std::to_string(dpi)));
    return found == dpi ? 0 : 1;
}

int check_font(const std::wstring& title, int pixels) {
    HWND hwnd = first_titled(title);
    if (hwnd == nullptr) {
        return 1;
    }
    int measured = 0;
    int faults = 0;
    for (const auto& child : children_of(hwnd)) {
        if (!child.visible) {
            continue;
        }
        std::string line;
        bool ok = true;
        if (is_class(child, L"Edit") && !child.text.empty() && kanji(child.text[0])) {
            const int advance = first_advance(child.hwnd);
            ok = advance >= pixels - 1 && advance <= pixels + 1;
            line = "  edit \"" + utf8(child.text) + "\": a character " + std::to_string(advance) + " wide";
        } else if (is_class(child, L"ListBox")) {
            const auto height = static_cast<int>(SendMessageW(child.hwnd, LB_GETITEMHEIGHT, 0, 0));
            ok = height >= pixels && 2 * height < 3 * pixels;
            line = "  list: rows " + std::to_string(height) + " high";
        } else {
            continue;
        }
        ++measured;
        faults += ok ? 0 : 1;
        say(line + (ok ? " ok" : " expected " + std::to_string(pixels)));
    }
    if (measured == 0) {
        say("no edit box with Japanese text and no list in \"" + utf8(title) + "\"");
        return 1;
    }
    return faults == 0 ? 0 : 1;
}

// Measured as the program measures its captions; it draws one smaller (down to three quarters of
// the height) rather than cut it off, so only a caption that fits in none of those sizes is cut.
std::string caption_clipped(HWND parent, const ChildInfo& child) {
    const bool label = is_class(child, L"Static");
    const bool button = is_class(child, L"Button") && !child.group_box;
    if ((!label && !button) || child.text.empty()) {
        return {};
    }
    const UINT dpi = GetDpiForWindow(parent);
    const auto type = GetWindowLongPtrW(child.hwnd, GWL_STYLE) & BS_TYPEMASK;
    const win32::CaptionBox box = label ? win32::CaptionBox::Label
                                  : (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)
                                      ? win32::CaptionBox::CheckBox
                                      : win32::CaptionBox::Button;
    const int room = win32::caption_room(box, child.rect.right - child.rect.left, dpi);
    const int height = child.rect.bottom - child.rect.top;
    TEXTMETRICW metrics{};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, win32::ui_font(dpi));
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const int width = win32::caption_width(child.text, win32::ui_font(dpi));
    const std::string size = std::to_string(width) + "x" + std::to_string(metrics.tmHeight) + " in " +
                             std::to_string(room) + "x" + std::to_string(height);
    if (!win32::caption_fits(child.text, room, dpi) || metrics.tmHeight > height) {
        return "TEXT CLIPPED (" + size + ")";
    }
    return width > room ? "(drawn smaller to fit: " + size + ")" : "";
}

}  // namespace velmora::probe
