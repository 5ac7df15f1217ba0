// Every newsletter parser on any clipboard text: the first byte picks the format (100 to 125),
// the rest is the text. The clipboard always holds valid text, so malformed bytes become U+FFFD.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "extract/primitives.h"
#include "formats/parsers.h"
#include "platform/memory_platform.h"
#include "text/text.h"
#include "ui/form3.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // Creating the platform makes directories on the disk: once per process.
    static platform::MemoryPlatform platform;
    const int code = ui::kFirstFormatCode + data[0] % ui::kFormatCount;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    platform.set_clipboard_text(text::sanitize(rest));
    ui::Form3 form;
    extract::Primitives x(form, platform);
    formats::parser_for(code)(x);
    return 0;
}
