#pragma once
// The small procedures that several windows share: history record fields, URL completion and
// site roots, the clipboard hand-over, date normalisation and contest numbering.
//
//   HisItem("2001/05/102001/05/310aaaahttp://a.jp/", 7) == "http://a.jp/"
//   FixDate("5/10", now) == "2001/05/10"  (in 2001, when May 10 is not more than 150 days past)

#include <string>
#include <string_view>

#include "platform/date.h"
#include "platform/platform.h"

namespace velmora::ledger {

// Field k of a history record: 0 applied date, 1 deadline, 2-6 the flag and fillers, 7 the URL.
std::string HisItem(std::string_view record, int k);

// Completes a URL that names a directory with "/". When it adds one, the clipboard is emptied
// and set to the URL as it was given.
std::string AddUrlSlash(std::string_view url, platform::Platform& platform);
// What AddUrlSlash returns, without its effect on the clipboard.
std::string url_with_slash(std::string_view url);

// The URL up to and including its fourth "/" (the last slash found when there are fewer).
std::string UrlRoot(std::string_view url);
// Whether a root names a site: a scheme, "://", a host and the "/" after it ("http://a.jp/",
// "http://a.jp/dir/"). A root cut from a URL without a host ("http:/", "http://", the empty
// text) would be contained in the records of every site.
bool is_site_root(std::string_view root);

// Empties the clipboard, then puts exactly `text` on it.
void CopyText(platform::Platform& platform, std::string_view text);

// A date text as "yyyy/mm/dd"; a date more than 150 days past moves to the next year; a text
// that is no date gives today.
std::string FixDate(std::string_view text, const locale::DateTime& now);

// Today as the program keeps it: FixDate of the current date and time.
std::string today_text(const locale::DateTime& now);

// The contest a clipboard text holds: its first line that is not empty. A contest text never
// spans lines; taking it whole would put a line break into the stock file or a command line.
std::string contest_line(std::string_view clipboard_text);

// n with at least two digits and one blank: 7 gives "07 ".
std::string SeqLabel(long n);

}  // namespace velmora::ledger
