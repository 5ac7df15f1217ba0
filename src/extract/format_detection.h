#pragma once
// 自動判別: which parser explains a newsletter best. Every format's parser and the general
// extractor run over the clipboard on scratch extraction state, never on the window's lists;
// their results are scored and compared by one rule (choose_parser, in format_detection.cpp).
//
//   const Detection d = choose_parser(score_every_parser(platform, form));   // d.mail_no: 0 to 25, or
//   generic

#include <array>
#include <string_view>

#include "extract/extraction_window.h"
#include "formats/parsers.h"
#include "platform/platform.h"
#include "ui/form3.h"

namespace velmora::extract {

// How well one parse explains the newsletter.
struct ParseScore {
    long complete = 0;    // contests with a title, a deadline row that is a date, a URL row with "htt"
    long incomplete = 0;  // the other contests
    long dated = 0;       // complete contests whose deadline is not Today (what an unread date gives)
    friend bool operator==(const ParseScore&, const ParseScore&) = default;
};

// The parser of a MailNo: a format's (0 to 25) or the general extractor; null for any other.
formats::Parser parser_of(long mail_no);

// "yyyy/mm/dd" of a day that exists.
bool is_date_text(std::string_view text);
// The score of the contests a parse left in the form's lists.
ParseScore score_of(const ui::Form3& form);

enum class Chosen {
    Format,            // the best format, which found complete contests
    GenericOutscores,  // the general extractor found far more complete contests than any format
    NoFormatFits,      // no format found a complete contest: the general extractor's result
    OnlyIncomplete,    // neither found a complete contest; the format that found the most contests
};

struct Detection {
    long mail_no = kGenericMailNo;  // 0 to 25 for a format, kGenericMailNo for the general extractor
    Chosen why = Chosen::NoFormatFits;
    ParseScore score;  // the chosen parse's
};

struct ParserScores {
    std::array<ParseScore, ui::kFormatCount> formats;  // by MailNo
    ParseScore generic;
};

// Every format's parser and the general extractor over the clipboard text, each on scratch
// state that starts as the window's (a parser may read what the last parse left, such as Mode),
// so that each score is that of the parse the window would show. Clipboard and window stay
// untouched. Given `generic_parse`, the general extractor runs on it, and its parse stays there
// to be shown without a second run (it costs more than all the formats together).
ParserScores score_every_parser(platform::Platform& platform, const ui::Form3& window,
                                ui::Form3* generic_parse = nullptr);

// Puts a parse made on scratch state into the window as the parse itself would have left it there
// after a choice in the menu: MailNo, the three lists, an empty Text1, and the extraction state.
void show_parse(ui::Form3& window, const ui::Form3& parse, long mail_no);

// The rule alone.
Detection choose_parser(const ParserScores& scores);

}  // namespace velmora::extract
