// The date reader and FixDate on any text. FixDate always gives a "yyyy/mm/dd" date text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ledger/shared_procedures.h"
#include "platform/date.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto date = locale::read_date(text, 2001)) {
        (void)locale::format_date(*date);
    }
    const locale::DateTime now{2001, 5, 10, 13, 5, 0};
    const std::string fixed = ledger::FixDate(text, now);
    if (fixed.size() != 10 || fixed[4] != '/' || fixed[7] != '/') {
        std::abort();
    }
    return 0;
}
