#include "extract/generic/generic_extractor.h"

#include "extract/generic/contest_finder.h"
#include "extract/generic/deadline_text.h"

namespace velmora::extract {

// Every contest becomes an entry as a format parser writes it: the numbered title in the three
// lists, its details and a blank row in the detail list, its deadline (through FixDate) and its
// address in the data list.
void PGeneric(Primitives& x) {
    x.SKK();
    x.GetLi();
    std::vector<std::string_view> lines;
    lines.reserve(x.form.Lines.size());
    for (const std::string_view piece : x.form.Lines) {
        // A piece may still hold a lone LF or CR from text that did not use CR LF throughout.
        if (piece.empty()) {
            lines.push_back(piece);
        }
        for (const std::string_view line : generic::split_lines(piece)) {
            lines.push_back(line);
        }
    }
    const locale::DateTime now = x.platform.now();
    for (const generic::FoundContest& contest : generic::find_contests(lines)) {
        x.form.ItemNo += 1;
        x.form.Pend = x.SeqLabel(x.form.ItemNo) + contest.title;
        x.LA0(x.form.Pend);
        for (const std::string& detail : contest.details) {
            x.LA2(detail);
        }
        x.LA2("");
        x.LA3(x.FixDate(generic::deadline_text(contest.deadline, now)));
        x.LA3(contest.url);
    }
}

}  // namespace velmora::extract
