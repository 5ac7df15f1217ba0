// The dispatcher from a format code to its parser, and from a title click to the detail view.
#include "extract/extraction_window.h"
#include "extract/format_detection.h"
#include "extract/primitives.h"
#include "extract/review.h"

namespace velmora::extract {
namespace {

constexpr int kFirstParse = 100;
constexpr int kLastParse = 125;
constexpr long kGenericParse = 100 + kGenericMailNo;
constexpr int kFirstDetail = 200;
constexpr int kLastDetail = 230;

}  // namespace

void SelMail(ui::Program& program, int kind) {
    ui::Form3& form = program.form3();
    const long code = static_cast<long>(kind) * 100 + form.MailNo;
    if ((code >= kFirstParse && code <= kLastParse) || code == kGenericParse) {
        if (const formats::Parser parser = parser_of(form.MailNo)) {
            Primitives x(form, program.platform);
            parser(x);
        }
        return;
    }
    if (code >= kFirstDetail && code <= kLastDetail) {
        HyoT1(program, kRegistrationKeyword);
        return;
    }
    program.platform.message_box("選択失敗", platform::Buttons::Ok);
}

}  // namespace velmora::extract
