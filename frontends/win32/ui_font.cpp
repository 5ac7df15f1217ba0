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

HFONT make_font(UINT dpi) {
    static const wchar_t* const face = installed_face();
    if (face == nullptr) {
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    // A negative height asks for the characters' own height, without the leading above them.
    return CreateFontW(-ui_font_pixels(dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face);
}

}  // namespace

int ui_font_pixels(UINT dpi) {
    return MulDiv(kPoints, static_cast<int>(dpi), kPointsPerInch);
}

HFONT ui_font(UINT dpi) {
    // Made on the one thread that draws the windows.
    static std::map<UINT, HFONT> fonts;
    auto found = fonts.find(dpi);
    if (found == fonts.end()) {
        found = fonts.emplace(dpi, make_font(dpi)).first;
    }
    return found->second;
}

}  // namespace velmora::win32
