// 連続取込: the selected contests go to the stock check one line each; an expired one is dropped,
// or asked about when the Option "応募期限切れを確認する" is marked.
#include "extract/review.h"
#include "ledger/contest_check.h"
#include "ledger/shared_procedures.h"
#include "text/text.h"

namespace velmora::extract {
namespace {

constexpr int kAskExpiredMark = 4;

bool keep_line(ui::Program& program, std::string_view line) {
    ui::Form3& form = program.form3();
    if (text::left(line, 3) == "htt") {
        return true;
    }
    const std::string deadline = text::left(line, 10);
    if (form.Today <= deadline) {
        return true;
    }
    if (!form.mn3[kAskExpiredMark].checked()) {
        return false;
    }
    const auto answer = program.platform.message_box(deadline + "が締切です。応募しますか？",
                                                     platform::Buttons::YesNo, "応募期限が切れています");
    return answer == platform::Answer::Yes;
}

}  // namespace

void Command1_Click(ui::Program& program) {
    ui::Form3& form = program.form3();
    if (form.List2.visible()) {
        ledger::CopyText(program.platform, GetData(program));  // the internal lists are shown: copy only
        return;
    }
    form.Lines.assign_split(GetData(program), "\r\n");
    form.Memo.clear();
    const long last =
        static_cast<long>(form.Lines.size()) - 2;  // the piece after the last CR LF is not a line
    for (form.LineNo = 0; form.LineNo <= last; ++form.LineNo) {
        const std::string_view line = form.Lines[static_cast<std::size_t>(form.LineNo)];
        if (keep_line(program, line)) {
            form.Memo.append(line).append("\r\n");
        }
    }
    // The import text goes on the clipboard as before; the import reads its own copy.
    ledger::CopyText(program.platform, form.Memo);
    form.List1.clear();
    form.Text1.set_text("");
    ledger::import_text(program, form.Memo);
    form.Label1.set_caption(text::replace_all(program.form2.Command1.caption(), "\r\n", " "));
}

}  // namespace velmora::extract
