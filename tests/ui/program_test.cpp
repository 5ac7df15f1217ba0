#include "ui/program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory_platform.h"

namespace velmora::ui {
namespace {

// The program moves the focus as a desktop does: the control is the focused one and hears of it
// through its own on_gotfocus (a profile field being recorded into a flowchart counts it).
TEST(ProgramFocus, TheFocusedControlIsRecordedAndTold) {
    platform::MemoryPlatform platform;
    Program program(platform);
    std::vector<std::string> heard;
    program.form1.Text[16].on_gotfocus = [&] { heard.push_back("Text(16)"); };
    program.form1.Text[17].on_gotfocus = [&] { heard.push_back("Text(17)"); };
    EXPECT_EQ(program.focused(), nullptr);

    program.form1.set_focus(program.form1.Text[16]);
    program.form1.set_focus(program.form1.Text6);  // no handler: only recorded
    EXPECT_EQ(program.focused(), &program.form1.Text6);
    program.form1.set_focus(program.form1.Text[17]);
    EXPECT_EQ(program.focused(), &program.form1.Text[17]);
    EXPECT_EQ(heard, (std::vector<std::string>{"Text(16)", "Text(17)"}));
}

}  // namespace
}  // namespace velmora::ui
