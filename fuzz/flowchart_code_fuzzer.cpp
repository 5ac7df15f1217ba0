// The flowchart code (zov3.ini holds anything) read as the runner and the editor read it: into
// key steps, and into the joined texts of the fields its digit pairs name. Never a crash, and a
// long code is read once from start to end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "autofill/flowchart_code.h"
#include "text/text.h"
#include "ui/form1.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ui::Form1 form;
    static const bool filled = [] {
        for (int n = 0; n < form.Text.size(); n += 3) {
            form.Text[n].set_text("欄" + std::to_string(n));
        }
        return true;
    }();
    (void)filled;
    const std::string code = text::sanitize(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)autofill::translate_code(form, code);
    (void)autofill::AddList4a(form, code);
    return 0;
}
