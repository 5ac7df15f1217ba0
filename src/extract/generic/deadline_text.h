#pragma once
// The text a found deadline hands to FixDate, so that FixDate gives the right day: a date
// without a year goes as "m/d" and takes FixDate's year rule; a month's last day (12月末日) gets
// the year FixDate would give that month, then that year's last day (February included); 本日 is
// today. No deadline at all is the empty text, which FixDate reads as today, as the parsers do.
//
//   deadline_text({Kind::Day, 0, 12, 20}, now) == "12/20"
//   deadline_text({Kind::Day, 2026, 12, 20}, now) == "2026/12/20"

#include <optional>
#include <string>

#include "extract/generic/date_scan.h"
#include "platform/date.h"

namespace velmora::extract::generic {

std::string deadline_text(const std::optional<DateValue>& deadline, const locale::DateTime& now);

}  // namespace velmora::extract::generic
