// Format 105 "j-prize": each contest is a run of "【...】" fields from "【賞品内容】" to "【コメント】",
// followed by lines up to the URL line, which is framed by two characters in front and three
// behind. The deadline is the "【応募締切】" field of the same contest.
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::formats {
namespace {

constexpr std::string_view kPrize = "【賞品内容】";

// Joins the contest's lines from its first line up to its "【コメント】" line, which becomes the
// current line. Without one, the collection also ends before the next contest's first line (so a
// contest never swallows the ones below it) and the current line stays where it was.
// The joined lines go into `fields` (emptied first).
void collect_fields(extract::Primitives& x, std::string& fields) {
    ui::Form3& f = x.form;
    fields.clear();
    for (long k = f.LineNo; k <= x.ULI(); ++k) {
        if (k > f.LineNo && text::starts_with(x.L(k), kPrize)) {
            break;
        }
        fields += x.L(k);
        if (text::contains(x.L(k), "【コメント】")) {
            f.LineNo = k;
            break;
        }
    }
}

// Copies the lines below the fields up to the URL line, which goes in without its frame, and
// puts the URL in Pend. Without a URL line, or with one too short to hold a frame, it is empty.
// The copy ends before the next contest's first line, so that a contest without a URL line of its
// own neither takes the next contest's URL nor hides that contest.
void copy_to_url(extract::Primitives& x) {
    ui::Form3& f = x.form;
    f.Pend.clear();
    long k = f.LineNo + 1;
    for (; k <= x.ULI(); ++k) {
        const std::string_view line = x.L(k);
        if (text::starts_with(line, kPrize)) {
            f.LineNo = k - 1;
            return;
        }
        if (!text::contains(line, "htt")) {
            x.LA2(line);
            continue;
        }
        const long length = text::length(line);
        if (length < 5) {
            f.LineNo = k;
            return;
        }
        x.LA2(text::mid_view(line, 3, length - 5));
        f.LineNo = k;
        f.Pend = f.List2.rows().back();
        return;
    }
    f.LineNo = k;
}

// The "【応募締切】" row of the contest just added, found walking back to its title.
void add_deadline(extract::Primitives& x) {
    const text::PackedLines& rows = x.form.List2.rows();
    for (std::size_t n = rows.size(); n > 0 && !rows[n - 1].empty(); --n) {
        if (text::contains(rows[n - 1], "【応募締切】")) {
            x.LA3(text::mid_view(rows[n - 1], 7));  // List3: the view into List2 stays valid
            return;
        }
    }
}

void contest_105(extract::Primitives& x) {
    ui::Form3& f = x.form;
    collect_fields(x, f.Memo);
    ++f.ItemNo;
    // The fields are the pieces of Memo split at "【": the second gives the title, each one after
    // it a detail row that starts with its "【" again.
    constexpr std::string_view kOpen = "【";
    const std::string_view fields = f.Memo;
    std::size_t at = fields.find(kOpen);
    f.Pend = x.SeqLabel(f.ItemNo);
    if (at != std::string_view::npos) {
        const std::size_t next = fields.find(kOpen, at + kOpen.size());
        const std::string_view second = fields.substr(at + kOpen.size(), next - (at + kOpen.size()));
        f.Pend += text::mid_view(second, 6);
        at = next;
    }
    x.LA0(f.Pend);
    while (at != std::string_view::npos) {
        const std::size_t next = fields.find(kOpen, at + kOpen.size());
        x.LA2(fields.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
        at = next;
    }
    copy_to_url(x);
    add_deadline(x);
    x.LA3(f.Pend);
    x.LA2("");
}

}  // namespace

void P105(extract::Primitives& x) {
    ui::Form3& f = x.form;
    x.SKK();
    x.GetLi();
    for (f.LineNo = 0; f.LineNo <= x.ULI(); ++f.LineNo) {
        if (text::starts_with(x.L(f.LineNo), kPrize)) {
            contest_105(x);
        }
    }
}

}  // namespace velmora::formats
