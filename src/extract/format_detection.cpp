#include "extract/format_detection.h"

#include "extract/contest_listing.h"
#include "extract/generic/generic_extractor.h"
#include "extract/primitives.h"
#include "formats/parsers.h"
#include "text/text.h"

namespace velmora::extract {
namespace {

// The general extractor reads any layout, so on a format's own newsletter it finds about as many
// contests as that format's parser, sometimes one or two more (where the parser leaves a field
// empty). A format's markers may also match a foreign layout by chance: one or two items, or
// every item but with its deadline left unread (today, which FixDate gives for no date). So
// the general extractor takes the best format's place only when it finds at least twice as many
// complete contests, plus kGenericLead, or at least twice as many with a deadline of their own,
// plus kGenericLead. On every sample of the 26 formats their own parser keeps its place by a
// margin of two contests or more.
constexpr long kGenericFactor = 2;
constexpr long kGenericLead = 3;

bool digits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return !text.empty();
}

int number(std::string_view text) {
    int n = 0;
    for (const char c : text) {
        n = n * 10 + (c - '0');
    }
    return n;
}

// A title names a prize: something beyond its sequence number and blanks.
bool names_something(std::string_view title) {
    for (const char c : title) {
        if (c != ' ' && (c < '0' || c > '9')) {
            return true;
        }
    }
    return false;
}

// a explains the newsletter better than b: more complete contests, then more of them with a
// deadline of their own, then fewer incomplete ones.
bool better(const ParseScore& a, const ParseScore& b) {
    if (a.complete != b.complete) {
        return a.complete > b.complete;
    }
    if (a.dated != b.dated) {
        return a.dated > b.dated;
    }
    return a.incomplete < b.incomplete;
}

}  // namespace

formats::Parser parser_of(long mail_no) {
    if (mail_no == kGenericMailNo) {
        return PGeneric;
    }
    return mail_no >= 0 && mail_no < ui::kFormatCount
               ? formats::parser_for(ui::kFirstFormatCode + static_cast<int>(mail_no))
               : nullptr;
}

bool is_date_text(std::string_view text) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/') {
        return false;
    }
    const std::string_view y = text.substr(0, 4);
    const std::string_view m = text.substr(5, 2);
    const std::string_view d = text.substr(8, 2);
    return digits(y) && digits(m) && digits(d) && locale::is_valid({number(y), number(m), number(d)});
}

ParseScore score_of(const ui::Form3& form) {
    ParseScore score;
    for (const Contest& c : contests_in(form, Details::Skip)) {
        const bool complete =
            names_something(c.title) && is_date_text(c.deadline) && text::contains(c.url, "htt");
        ++(complete ? score.complete : score.incomplete);
        score.dated += complete && c.deadline != form.Today ? 1 : 0;
    }
    return score;
}

// The rule, in this order:
// 1. A format competes when its parser found at least one complete contest. The best is the one
//    with the most complete contests; on a tie the most dated ones, then the fewest incomplete
//    ones, then the lower code.
// 2. The general extractor takes its place when it finds at least kGenericFactor times as many
//    complete contests, or as many dated ones, plus kGenericLead (see above).
// 3. When no format found a complete contest, the general extractor, if it found one.
// 4. When neither did, a format that found incomplete contests (the most, then the lower code)
//    still says more than nothing; with none at all, the general extractor's empty result.
Detection choose_parser(const ParserScores& scores) {
    long best = -1;
    for (long i = 0; i < ui::kFormatCount; ++i) {
        const ParseScore& s = scores.formats[static_cast<std::size_t>(i)];
        if (s.complete > 0 && (best < 0 || better(s, scores.formats[static_cast<std::size_t>(best)]))) {
            best = i;
        }
    }
    if (best >= 0) {
        const ParseScore& format = scores.formats[static_cast<std::size_t>(best)];
        const auto outscores = [](long generic, long found) {
            return generic >= kGenericFactor * found + kGenericLead;
        };
        if (outscores(scores.generic.complete, format.complete) ||
            outscores(scores.generic.dated, format.dated)) {
            return {kGenericMailNo, Chosen::GenericOutscores, scores.generic};
        }
        return {best, Chosen::Format, format};
    }
    if (scores.generic.complete > 0) {
        return {kGenericMailNo, Chosen::NoFormatFits, scores.generic};
    }
    long most = -1;
    for (long i = 0; i < ui::kFormatCount; ++i) {
        const long found = scores.formats[static_cast<std::size_t>(i)].incomplete;
        if (found > 0 && (most < 0 || found > scores.formats[static_cast<std::size_t>(most)].incomplete)) {
            most = i;
        }
    }
    if (most >= 0) {
        return {most, Chosen::OnlyIncomplete, scores.formats[static_cast<std::size_t>(most)]};
    }
    return {kGenericMailNo, Chosen::NoFormatFits, scores.generic};
}

namespace {

// Empty lists, as a choice in the menu leaves them, and the window's state.
void start_from(ui::Form3& scratch, const ui::Form3& window) {
    scratch.List1.clear();
    scratch.List2.clear();
    scratch.List3.clear();
    scratch.Today = window.Today;
    scratch.LineNo = window.LineNo;
    scratch.Memo = window.Memo;
    scratch.ItemNo = window.ItemNo;
    scratch.Mode = window.Mode;
    scratch.Pend = window.Pend;
    scratch.Work = window.Work;
}

}  // namespace

ParserScores score_every_parser(platform::Platform& platform, const ui::Form3& window,
                                ui::Form3* generic_parse) {
    // One scratch window for every format: its lists are never drawn.
    ui::Form3 scratch;
    Primitives x(scratch, platform);
    ParserScores scores;
    for (int i = 0; i < ui::kFormatCount; ++i) {
        start_from(scratch, window);
        parser_of(i)(x);
        scores.formats[static_cast<std::size_t>(i)] = score_of(scratch);
    }
    ui::Form3& generic = generic_parse != nullptr ? *generic_parse : scratch;
    start_from(generic, window);
    Primitives y(generic, platform);
    PGeneric(y);
    scores.generic = score_of(generic);
    return scores;
}

void show_parse(ui::Form3& window, const ui::Form3& parse, long mail_no) {
    window.MailNo = mail_no;
    window.List1.set_rows(parse.List1.rows());
    window.List2.set_rows(parse.List2.rows());
    window.List3.set_rows(parse.List3.rows());
    window.Text1.set_text("");
    window.Lines = parse.Lines;
    window.LineNo = parse.LineNo;
    window.Memo = parse.Memo;
    window.ItemNo = parse.ItemNo;
    window.Mode = parse.Mode;
    window.Pend = parse.Pend;
    window.Work = parse.Work;
}

}  // namespace velmora::extract
