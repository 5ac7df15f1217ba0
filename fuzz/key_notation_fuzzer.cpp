// The key notation parser on any text: a malformed string is an error with no events at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/key_notation.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view notation(reinterpret_cast<const char*>(data), size);
    const auto parsed = platform::parse_key_notation(notation);
    if (parsed.error && !parsed.events.empty()) {
        std::abort();
    }
    (void)platform::describe(parsed.events);
    return 0;
}
