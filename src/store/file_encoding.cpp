#include "store/file_encoding.h"

#include <algorithm>

#include "platform/cp932.h"
#include "text/text.h"

namespace velmora::store::detail {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

std::optional<std::string> encode_cp932(const text::PackedLines& lines) {
    std::string bytes;
    for (std::string_view line : lines) {
        // ASCII is the same bytes in the code page (most stock and history lines are ASCII).
        if (std::all_of(line.begin(), line.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            bytes += line;
        } else if (auto encoded = cp932::encode(line)) {
            bytes += *encoded;
        } else {
            return std::nullopt;
        }
        bytes += kLineEnd;
    }
    return bytes;
}

std::string encode_utf8(const text::PackedLines& lines) {
    std::string bytes(kByteOrderMark);
    for (std::string_view line : lines) {
        bytes += text::sanitize(line);
        bytes += kLineEnd;
    }
    return bytes;
}

// Splits at LF, dropping the CR of a CR LF; a final line end adds no line.
std::vector<std::string> split_lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r') && end != std::string_view::npos) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

}  // namespace

std::string encode_file(const text::PackedLines& lines) {
    if (auto bytes = encode_cp932(lines)) {
        return *bytes;
    }
    return encode_utf8(lines);
}

std::vector<std::string> decode_file(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        return split_lines(text::sanitize(bytes.substr(kByteOrderMark.size())));
    }
    return split_lines(cp932::decode(bytes));
}

}  // namespace velmora::store::detail
