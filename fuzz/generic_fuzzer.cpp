// The general extractor on any clipboard text: every pass must end, in time linear in the text,
// and emit well-formed entries. The first byte picks how the text arrives: as the clipboard holds
// it (valid text, malformed bytes as U+FFFD), or as raw bytes straight to the passes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "extract/generic/contest_finder.h"
#include "extract/generic/generic_extractor.h"
#include "platform/memory_platform.h"
#include "text/text.h"
#include "ui/form3.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((data[0] & 1) != 0) {
        for (const auto& contest : extract::generic::find_contests(rest)) {
            if (text::lower(text::left(contest.url, 4)) != "http") {
                __builtin_trap();  // every contest has an address
            }
        }
        return 0;
    }
    // Creating the platform makes directories on the disk: once per process.
    static platform::MemoryPlatform platform;
    platform.set_now({2026, 12, 8, 9, 0, 0});
    platform.set_clipboard_text(text::sanitize(rest));
    ui::Form3 form;
    extract::Primitives x(form, platform);
    extract::PGeneric(x);
    // Each entry: its title in all three lists, one blank row closing its details, and its
    // deadline and address rows right after the title in the data list.
    const auto& titles = form.List1.rows();
    const auto& details = form.List2.rows();
    const auto& rows3 = form.List3.rows();
    std::size_t blanks = 0;
    for (const std::string_view row : details) {
        blanks += row.empty() ? 1 : 0;
    }
    if (blanks != titles.size() || rows3.size() != 3 * titles.size()) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (rows3[3 * i] != titles[i] || rows3[3 * i + 1].size() != 10) {
            __builtin_trap();
        }
    }
    return 0;
}
