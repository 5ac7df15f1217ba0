#include "wide.h"

#include <windows.h>

namespace velmora::win32 {
namespace {

bool is_high_surrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    }
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) {
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr,
                            nullptr);
    }
    return out;
}

long utf16_position(std::wstring_view text, long characters) {
    long units = 0;
    const long size = static_cast<long>(text.size());
    for (long c = 0; c < characters && units < size; ++c) {
        units += (is_high_surrogate(text[static_cast<std::size_t>(units)]) && units + 1 < size) ? 2 : 1;
    }
    return units;
}

long character_position(std::wstring_view text, long utf16_units) {
    long characters = 0;
    const long size = static_cast<long>(text.size());
    for (long u = 0; u < utf16_units && u < size; ++characters) {
        u += (is_high_surrogate(text[static_cast<std::size_t>(u)]) && u + 1 < size) ? 2 : 1;
    }
    return characters;
}

}  // namespace velmora::win32
