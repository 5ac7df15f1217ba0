#include "ui_font.h"

#include <cwchar>
#include <map>

namespace velmora::win32 {
namespace {

constexpr int kPoints = 9;
constexpr int kPointsPerInch = 72;

bool font_installed(const wchar_t* face) {
    HDC dc = GetDC(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(
        dc, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM param) -> int {
            *reinterpret_cast<bool*>(param) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

const wchar_t* installed_face() {
    static const wchar_t* const faces[] = {L"MS UI Gothic", L"Yu Gothic UI", L"IPAPGothic", L"IPAGothic"};
    for (const wchar_t* face : faces) {
        if (font_installed(face)) {
            return face;
        }
    }
    return nullptr;
}

// The font whose characters are `pixels` high. Made on the one thread that draws the windows.
HFONT font_of_height(int pixels) {
    static const wchar_t* const face = installed_face();
    static std::map<int, HFONT> fonts;
    if (face == nullptr) {
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    auto found = fonts.find(pixels);
    if (found == fonts.end()) {
        // A negative height asks for the characters' own height, without the leading above them.
        HFONT font =
            CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
        found = fonts.emplace(pixels, font).first;
    }
    return found->second;
}

int scaled(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}

struct Fit {
    HFONT font;
    bool fits;
};

Fit fit(std::wstring_view caption, int room, UINT dpi) {
    const int full = ui_font_pixels(dpi);
    HFONT font = font_of_height(full);
    for (int pixels = full; pixels * 4 >= full * 3; --pixels) {
        font = font_of_height(pixels);
        if (caption.empty() || caption_width(caption, font) <= room) {
            return {font, true};
        }
    }
    return {font, false};
}

}  // namespace

int ui_font_pixels(UINT dpi) {
    return MulDiv(kPoints, static_cast<int>(dpi), kPointsPerInch);
}

HFONT ui_font(UINT dpi) {
    return font_of_height(ui_font_pixels(dpi));
}

// A button keeps its edges free; a check box its box and the gap after it.
int caption_room(CaptionBox box, int width, UINT dpi) {
    switch (box) {
        case CaptionBox::Label:
            return width;
        case CaptionBox::Button:
            return width - scaled(4, dpi);
        case CaptionBox::CheckBox:
            return width - scaled(13 + 4, dpi);
    }
    return width;
}

int caption_width(std::wstring_view caption, HFONT font) {
    if (caption.empty()) {
        return 0;
    }
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.data(), static_cast<int>(caption.size()), &extent);
    // The blank a character leaves after its ink may be cut without losing anything.
    ABC last{};
    const UINT c = caption.back();
    const bool known = GetCharABCWidthsW(dc, c, c, &last) != FALSE;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return static_cast<int>(extent.cx) - (known && last.abcC > 0 ? static_cast<int>(last.abcC) : 0);
}

HFONT caption_font(std::wstring_view caption, int room, UINT dpi) {
    return fit(caption, room, dpi).font;
}

bool caption_fits(std::wstring_view caption, int room, UINT dpi) {
    return fit(caption, room, dpi).fits;
}

}  // namespace velmora::win32
