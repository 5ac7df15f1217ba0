// The continuous import at scale and against other programs: its work grows linearly with the
// contests selected, and what another program puts on the clipboard meanwhile changes nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "extract/extraction_window.h"
#include "extract/primitives.h"
#include "platform/memory_platform.h"
#include "text/step_count.h"
#include "ui/program.h"

namespace velmora::extract {
namespace {

// A desktop where another program (a clipboard manager, the user copying a password) replaces
// the clipboard right after the program sets it, once armed.
class RacedDesktop : public platform::MemoryPlatform {
public:
    void set_clipboard_text(std::string_view text) override {
        put.emplace_back(text);
        MemoryPlatform::set_clipboard_text(armed ? std::string_view(kOther) : text);
    }

    static constexpr std::string_view kOther = "2001/06/30http://other.example/";
    bool armed = false;
    std::vector<std::string> put;  // what the program put on the clipboard, in order
};

struct Window {
    RacedDesktop desktop;
    std::unique_ptr<ui::Program> program;

    // `contests` contests on one site, each with a deadline row and a URL row, all selected.
    explicit Window(int contests) {
        desktop.set_now({2001, 5, 10, 9, 0, 0});
        program = std::make_unique<ui::Program>(desktop);
        wire_extraction_window(*program);
        show_extraction_window(*program);
        program->run_pending_activations();
        program->form3().mn3[2].set_checked(false);  // no questions
        std::vector<std::string> history;
        for (int i = 0; i < 50; ++i) {
            history.push_back("2001/01/012001/01/310aaaahttp://old" + std::to_string(i) + ".example/x/");
        }
        program->form1.List1.set_rows(history);
        Primitives x(program->form3(), desktop);
        for (int i = 0; i < contests; ++i) {
            x.LA0(Primitives::SeqLabel(i + 1) + "賞品");
            x.LA2("");
            x.LA3("2001/06/01");
            x.LA3("http://site.example/cp/" + std::to_string(i) + "/");
        }
        program->form3().Command2.on_click();  // すべて選択
    }

    void import() { program->form3().Command1.on_click(); }
    long stocked() const { return program->form2.List1.count(); }
};

TEST(ContinuousImportWork, DoublingTheContestsAtMostDoublesTheWork) {
    constexpr int kContests = 1000;
    std::uint64_t work[2] = {};
    for (int k = 0; k < 2; ++k) {
        Window window(kContests << k);
        const text::StepCount steps;
        window.import();
        work[k] = steps.taken();
        EXPECT_EQ(window.stocked(), kContests << k);
    }
    EXPECT_LE(work[1], 2 * work[0] + work[0] / 10);
}

// The import text and every line still go on the clipboard as before, but the import and each
// check read their own copy: the contests stocked are the selected ones.
TEST(ContinuousImportWork, AnotherProgramWritingTheClipboardCannotSwapTheContests) {
    Window window(3);
    window.desktop.armed = true;
    window.import();
    EXPECT_EQ(window.program->form2.List1.rows().to_vector(),
              (std::vector<std::string>{"2001/06/01http://site.example/cp/0/",
                                        "2001/06/01http://site.example/cp/1/",
                                        "2001/06/01http://site.example/cp/2/"}));
    EXPECT_EQ(window.desktop.put,
              (std::vector<std::string>{
                  "2001/06/01http://site.example/cp/0/\r\n2001/06/01http://site.example/cp/1/\r\n"
                  "2001/06/01http://site.example/cp/2/\r\n",
                  "2001/06/01http://site.example/cp/0/", "2001/06/01http://site.example/cp/1/",
                  "2001/06/01http://site.example/cp/2/"}));
}

}  // namespace
}  // namespace velmora::extract
