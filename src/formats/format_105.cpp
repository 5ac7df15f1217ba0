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
std::string collect_fields(extract::Primitives& x) {
    ui::Form3& f = x.form;
    std::string fields;
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
    return fields;
}

// Copies the lines below the fields up to the URL line, which goes in without its frame, and
// returns the URL. Without a URL line, or with one too short to hold a frame, the URL is empty.
// The copy ends before the next contest's first line, so that a contest without a URL line of its
// own neither takes the next contest's URL nor hides that contest.
std::string copy_to_url(extract::Primitives& x) {
    ui::Form3& f = x.form;
    long k = f.LineNo + 1;
    for (; k <= x.ULI(); ++k) {
        const std::string& line = x.L(k);
        if (text::starts_with(line, kPrize)) {
            f.LineNo = k - 1;
            return std::string();
        }
        if (!text::contains(line, "htt")) {
            x.LA2(line);
            continue;
        }
        const long length = text::length(line);
        if (length < 5) {
            f.LineNo = k;
            return std::string();
        }
        x.LA2(text::mid_view(line, 3, length - 5));
        f.LineNo = k;
        return f.List2.rows().back();
    }
    f.LineNo = k;
    return std::string();
}

// The "【応募締切】" row of the contest just added, found walking back to its title.
void add_deadline(extract::Primitives& x) {
    const std::vector<std::string>& rows = x.form.List2.rows();
    for (auto row = rows.rbegin(); row != rows.rend() && !row->empty(); ++row) {
        if (text::contains(*row, "【応募締切】")) {
            x.LA3(text::mid_view(*row, 7));
            return;
        }
    }
}

void contest_105(extract::Primitives& x) {
    ui::Form3& f = x.form;
    f.Memo = collect_fields(x);
    ++f.ItemNo;
    const std::vector<std::string> pieces = text::split(f.Memo, "【");
    f.Pend = x.SeqLabel(f.ItemNo) + (pieces.size() > 1 ? text::mid(pieces[1], 6) : std::string());
    x.LA0(f.Pend);
    for (std::size_t p = 2; p < pieces.size(); ++p) {
        x.LA2("【" + pieces[p]);
    }
    f.Pend = copy_to_url(x);
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
