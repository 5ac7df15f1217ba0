// Code page 932 through the Windows code page functions, one character at a time. Best fit is
// turned off, so a character the code page does not hold is reported instead of replaced.

#include <windows.h>

#include <array>

#include "platform/cp932_char.h"
#include "text/text.h"

namespace velmora::cp932::detail {
namespace {

constexpr UINT kCodePage = 932;
// The code page's default character: what a pair with no character of its own may decode to.
constexpr wchar_t kDefaultChar = 0x30FB;
constexpr std::string_view kDefaultCharBytes = "\x81\x45";

}  // namespace

std::optional<char32_t> decode_char(std::string_view bytes) {
    std::array<wchar_t, 4> wide{};
    const int n =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                            wide.data(), static_cast<int>(wide.size()));
    if (n == 1 && wide[0] == kDefaultChar && bytes != kDefaultCharBytes) {
        return std::nullopt;
    }
    if (n == 1) {
        return static_cast<char32_t>(wide[0]);
    }
    if (n == 2 && wide[0] >= 0xD800 && wide[0] <= 0xDBFF && wide[1] >= 0xDC00 && wide[1] <= 0xDFFF) {
        return 0x10000 + ((static_cast<char32_t>(wide[0]) - 0xD800) << 10) +
               (static_cast<char32_t>(wide[1]) - 0xDC00);
    }
    return std::nullopt;
}

std::optional<std::string> encode_char(char32_t c) {
    std::array<wchar_t, 2> wide{};
    int wide_len = 1;
    if (c >= 0x10000) {
        wide[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        wide[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        wide_len = 2;
    } else {
        wide[0] = static_cast<wchar_t>(c);
    }
    std::array<char, 8> bytes{};
    BOOL used_default = FALSE;
    const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wide_len, bytes.data(),
                                      static_cast<int>(bytes.size()), nullptr, &used_default);
    if (n <= 0 || used_default) {
        return std::nullopt;
    }
    return std::string(bytes.data(), static_cast<std::size_t>(n));
}

}  // namespace velmora::cp932::detail
