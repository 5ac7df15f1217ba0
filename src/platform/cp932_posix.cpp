// Code page 932 through glibc's iconv "CP932" table, one character at a time.

#include <iconv.h>

#include <array>
#include <cerrno>

#include "platform/cp932_char.h"
#include "text/text.h"

namespace velmora::cp932::detail {
namespace {

// One conversion descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The converted bytes, nullopt when the input is not converted whole.
    std::optional<std::string> convert(std::string_view in) {
        if (!valid()) {
            return std::nullopt;
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string input(in);
        std::array<char, 16> output{};
        char* in_ptr = input.data();
        std::size_t in_left = input.size();
        char* out_ptr = output.data();
        std::size_t out_left = output.size();
        if (iconv(m_cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1) ||
            in_left != 0) {
            return std::nullopt;
        }
        return std::string(output.data(), output.size() - out_left);
    }

private:
    // iconv_open reports failure as the handle (iconv_t)-1.
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }  // NOLINT(performance-no-int-to-ptr)
    iconv_t m_cd;
};

}  // namespace

std::optional<char32_t> decode_char(std::string_view bytes) {
    thread_local Converter to_utf8("UTF-8", "CP932");
    auto utf8 = to_utf8.convert(bytes);
    if (!utf8 || utf8->empty()) {
        return std::nullopt;
    }
    std::size_t pos = 0;
    const char32_t c = text::decode_next(*utf8, pos);
    if (pos != utf8->size()) {
        return std::nullopt;
    }
    return c;
}

std::optional<std::string> encode_char(char32_t c) {
    thread_local Converter from_utf8("CP932", "UTF-8");
    auto bytes = from_utf8.convert(text::encode(c));
    if (!bytes || bytes->empty()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace velmora::cp932::detail
