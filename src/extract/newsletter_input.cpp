#include "extract/newsletter_input.h"

#include "platform/cp932.h"
#include "text/text.h"

namespace velmora::extract {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
    return text::sanitize(bytes) == bytes;
}

std::string crlf_line_ends(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            out += '\r';
        }
        out += text[i];
    }
    return out;
}

std::string newsletter_text(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        return crlf_line_ends(text::sanitize(bytes.substr(kByteOrderMark.size())));
    }
    if (is_valid_utf8(bytes)) {
        return crlf_line_ends(bytes);
    }
    return crlf_line_ends(cp932::decode(bytes));
}

}  // namespace velmora::extract
