#include "autofill/runner.h"

#include <string>
#include <vector>

#include "autofill/flowchart_code.h"
#include "autofill/sending.h"

namespace velmora::autofill {

void List3_DblClick(ui::Program& program, const Hooks& hooks) {
    ui::Form1& form = program.form1;
    const long cur = form.List3.list_index();
    if (cur < 0 || cur >= form.List3.count() || static_cast<std::size_t>(cur) >= form.FlowTexts.size()) {
        return;
    }
    const std::vector<KeyStep> steps = translate_code(form, form.FlowTexts[static_cast<std::size_t>(cur)]);
    form.SendSteps.clear();
    for (const KeyStep& step : steps) {
        form.SendSteps.push_back(step.keys + step.text);
    }
    form.SendSteps.emplace_back();
    platform::SendRun run(program.platform);
    if (ApAct(program) == 1) {
        return;
    }
    for (const KeyStep& step : steps) {
        if (run.stopped()) {
            break;
        }
        SendTabStep(program.platform, step);
    }
    finish_run(program, run, hooks);
}

}  // namespace velmora::autofill
