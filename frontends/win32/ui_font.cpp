#include "ui_font.h"

#include <cwchar>

namespace velmora::win32 {
namespace {

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

HFONT make_font() {
    static const wchar_t* const faces[] = {L"MS UI Gothic", L"Yu Gothic UI", L"IPAPGothic", L"IPAGothic"};
    for (const wchar_t* face : faces) {
        if (font_installed(face)) {
            // 9 points at the fixed 96 dots per inch of this program (15 twips per pixel).
            return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, face);
        }
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

HFONT ui_font() {
    static const HFONT font = make_font();
    return font;
}

}  // namespace velmora::win32
