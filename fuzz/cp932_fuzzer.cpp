// The code page 932 decoder on any bytes; what it decodes must survive an encode and a decode
// unchanged whenever the code page holds it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/cp932.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = cp932::decode(bytes);
    const auto encoded = cp932::encode(text);
    if (encoded && cp932::decode(*encoded) != text) {
        std::abort();
    }
    if (cp932::holds(text) != encoded.has_value()) {
        std::abort();
    }
    return 0;
}
