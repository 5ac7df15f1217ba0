// Format 113: "【賞品】" header lines (full-width blanks ignored) in two layouts: a single line
// holding the prize and "締切日", or a block with "【締　切】" and "【ＵＲＬ】" lines below.
#include <vector>

#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {

namespace {

// Full-width blanks are skipped while the line is matched against "【賞品】", as if removed.
bool is_header(std::string_view line) {
    constexpr std::string_view kBlank = "　";
    std::string_view want = "【賞品】";
    while (!want.empty()) {
        if (line.starts_with(kBlank)) {
            line.remove_prefix(kBlank.size());
        } else if (!line.empty() && line.front() == want.front()) {
            line.remove_prefix(1);
            want.remove_prefix(1);
        } else {
            return false;
        }
    }
    return true;
}

// Where the block layout's fields stand: for each line, the first "【ＵＲＬ】" line at or after it
// and the last "【締　切】" line at or before it. Looking them up keeps the scan linear however
// many headers share one field line.
struct BlockFields {
    std::vector<long> next_url;
    std::vector<long> last_deadline;
};

BlockFields find_block_fields(const extract::Primitives& x, long last) {
    const long count = last < 0 ? 0 : last + 1;
    BlockFields f{std::vector<long>(static_cast<std::size_t>(count) + 1, last + 1),
                  std::vector<long>(static_cast<std::size_t>(count) + 1, -1)};
    for (long k = count - 1; k >= 0; --k) {
        const auto at = static_cast<std::size_t>(k);
        f.next_url[at] = text::starts_with(x.L(k), "【ＵＲＬ】") ? k : f.next_url[at + 1];
    }
    for (long k = 0; k < count; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const long before = k == 0 ? -1 : f.last_deadline[at - 1];
        f.last_deadline[at] = text::starts_with(x.L(k), "【締　切】") ? k : before;
    }
    return f;
}

constexpr std::string_view kClose = "】";
constexpr std::string_view kDeadline = "締切日";
constexpr auto kNone = std::string_view::npos;

// The prize: from after the first "】" (or the start) to the character before the one in front
// of the first "締切日"; empty when nothing stands there. Cut at the markers' bytes, going back
// from "締切日", instead of counting the characters in front of them.
std::string_view prize(std::string_view header) {
    const std::size_t close = text::find_bytes(header, kClose);
    const std::size_t from = close == kNone ? 0 : close + kClose.size();
    const std::size_t until = text::find_bytes(header, kDeadline);
    const std::size_t end = until == kNone ? kNone : text::chars_back(header, until, 1);
    return end == kNone || end < from ? std::string_view() : header.substr(from, end - from);
}

// The text after the first "締切日"; from the third character when there is none.
std::string_view after_deadline(std::string_view header) {
    const std::size_t until = text::find_bytes(header, kDeadline);
    return until == kNone ? text::mid_view(header, 3) : header.substr(until + kDeadline.size());
}

// The single-line layout: prize and deadline on the header, body and URL below. The search for
// the URL ends at the next header, so an item without a URL keeps its own lines only.
void single_line_item(extract::Primitives& x, long& i, long last) {
    const std::string_view header = x.L(i);
    x.form.ItemNo += 1;
    x.form.Pend = x.SeqLabel(x.form.ItemNo);
    x.form.Pend += prize(header);
    x.LA0(x.form.Pend);
    x.LA3(x.FixDate(text::replace_all(after_deadline(header), ")", "")));
    for (long k = i + 1; k <= last && !is_header(x.L(k)); ++k) {
        const std::string_view line = x.L(k);
        if (!text::trim_view(line).empty()) {
            x.LA2(line);
        }
        if (text::contains(line, "htt")) {
            x.LA3(line);
            i = k;
            break;
        }
    }
    x.LA2("");
}

// The block layout. Returns false when the run has to end: no "【締　切】" line was met.
bool block_item(extract::Primitives& x, long& i, long last, const BlockFields& f) {
    x.form.ItemNo += 1;
    x.form.Pend = x.SeqLabel(x.form.ItemNo);
    x.form.Pend += text::mid_view(x.L(i), 6);
    x.form.Work.clear();
    const long url = f.next_url[static_cast<std::size_t>(i)];
    const long deadline = url > i ? f.last_deadline[static_cast<std::size_t>(url - 1)] : -1;
    if (deadline >= i) {
        x.form.Work = x.FixDate(text::mid_view(x.L(deadline), 7, 11));
    }
    if (url <= last) {
        x.LA0(x.form.Pend);
        x.LA3(x.form.Work);
        x.LA3(text::mid_view(x.L(url), 7));
    }
    if (x.form.Work.empty()) {
        return false;
    }
    i = x.Naiyou(i + 2, "");
    return true;
}

}  // namespace

void P113(extract::Primitives& x) {
    x.SKK();
    x.GetLi();
    x.form.List2.clear();
    const long last = x.ULI();
    const BlockFields fields = find_block_fields(x, last);
    long& i = x.form.LineNo;
    for (i = 0; i <= last; ++i) {
        if (!is_header(x.L(i))) {
            continue;
        }
        if (text::contains(x.L(i), "締切日")) {
            single_line_item(x, i, last);
        } else if (!block_item(x, i, last, fields)) {
            return;
        }
    }
}

}  // namespace velmora::formats
