// 自動判別 and 汎用, the first two items of 項目抽出. 自動判別 compares every parser's result on
// scratch state, then runs the chosen format on the window exactly as its own menu item does (the
// general extractor's parse, which costs the most, is moved over instead of run again), so that
// the lists, MailNo and the rest of the state, the detail view and the continuous import are
// those of that choice; Label1 names what was chosen.
#include "extract/extraction_window.h"
#include "extract/format_detection.h"

namespace velmora::extract {
namespace {

std::string chosen_caption(const ui::Form3& form, const Detection& d) {
    switch (d.why) {
        case Chosen::Format:
        case Chosen::OnlyIncomplete:
            return form.pre[static_cast<int>(d.mail_no)].caption();
        case Chosen::GenericOutscores:
            return "汎用で抽出";
        case Chosen::NoFormatFits:
            break;
    }
    return "該当形式なし：汎用";
}

}  // namespace

void preAuto_Click(ui::Program& program) {
    ui::Form3& form = program.form3();
    ui::Form3 generic_parse;
    const Detection chosen = choose_parser(score_every_parser(program.platform, form, &generic_parse));
    if (chosen.mail_no == kGenericMailNo) {
        show_parse(form, generic_parse, kGenericMailNo);
    } else {
        choose_extraction(program, chosen.mail_no);
    }
    form.Label1.set_caption(chosen_caption(form, chosen));
    form.Label1.set_colour(ui::Colour::Normal);
}

void preGeneric_Click(ui::Program& program) {
    choose_extraction(program, kGenericMailNo);
}

}  // namespace velmora::extract
