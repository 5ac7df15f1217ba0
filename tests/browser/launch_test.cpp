// Launching the browser with a text a newsletter wrote: the URL is its one argument, the path
// is quoted, a would-be switch is refused, and the default opener gets web addresses only.
#include <gtest/gtest.h>

#include "browser/browser.h"
#include "ledger/desk.h"
#include "platform/command_line.h"

namespace velmora::browser {
namespace {

using platform::Answer;
using testing_desk::Desk;
using testing_desk::Lines;

const std::string kSwitchRefused =
    "ask ok \"このアドレスはブラウザに渡しません。\\r\\n"
    "「-」や「/」で始まる文字は、ブラウザが起動の指示として読むおそれがあります。\\r\\n";
const std::string kNotWebRefused =
    "ask ok \"ブラウザが見つかりませんでした。\\r\\n"
    "http:// か https:// で始まるアドレスでないため、ほかの方法でも開きません。\\r\\n";

struct Row {
    const char* name;
    std::optional<std::string> association;
    std::string url;
    // The command line that Windows would run (nullopt: nothing launched), and the events.
    std::optional<std::string> command_line;
    Lines events;
};

TEST(Launch, HostileTextsReachNoCommandLineButAsOneWebAddress) {
    const std::string web = R"(C:\Program Files\Web\browser.exe)";
    const std::vector<Row> rows = {
        {"a blank and a quote stay in the one argument",
         web + R"( "%1")",
         R"(http://a.example/ --x="y z")",
         R"("C:\Program Files\Web\browser.exe" "http://a.example/ --x=\"y z\"")",
         {R"(launch "C:\\Program Files\\Web\\browser.exe http://a.example/ --x=\"y z\"" -> task 1)"}},
        {"a path with blanks is quoted whole",
         web,
         "http://a.example/",
         R"("C:\Program Files\Web\browser.exe" "http://a.example/")",
         {R"(launch "C:\\Program Files\\Web\\browser.exe http://a.example/" -> task 1)"}},
        {"a leading minus is refused",
         web,
         "--renderer-cmd-prefix=calc",
         std::nullopt,
         {kSwitchRefused + "--renderer-cmd-prefix=calc\" -> ok"}},
        {"a leading slash is refused, also without a browser",
         std::nullopt,
         " /safe-mode",
         std::nullopt,
         {kSwitchRefused + " /safe-mode\" -> ok"}},
        {"a program's path is no web address",
         std::nullopt,
         R"(C:\Windows\system32\calc.exe)",
         std::nullopt,
         {kNotWebRefused + R"(C:\\Windows\\system32\\calc.exe" -> ok)"}},
        {"a share is no web address",
         std::nullopt,
         R"(\\server\share\setup.exe)",
         std::nullopt,
         {kNotWebRefused + R"(\\\\server\\share\\setup.exe" -> ok)"}},
        {"a web address goes to the default opener",
         std::nullopt,
         "https://a.example/",
         std::nullopt,
         {R"(open "https://a.example/" -> ok)"}},
    };
    for (const Row& row : rows) {
        Desk desk;
        desk.platform.set_association(row.association);
        desk.answers({Answer::Ok});
        ShellAuto(desk.program, row.url);
        EXPECT_EQ(desk.events(), row.events) << row.name;
        const auto& launches = desk.platform.launches();
        ASSERT_EQ(launches.size(), row.command_line ? 1U : 0U) << row.name;
        if (row.command_line) {
            EXPECT_EQ(platform::command_line_of(launches[0].program, launches[0].argument), row.command_line)
                << row.name;
            EXPECT_EQ(launches[0].argument, row.url) << row.name;
        }
        EXPECT_EQ(desk.program.form1.BrowserTask.has_value(), row.command_line.has_value()) << row.name;
    }
}

TEST(Launch, ATextWithoutHttpThatIsASwitchIsRefusedFromTheButton) {
    Desk desk;
    desk.answers({Answer::Yes, Answer::Ok, Answer::Ok});
    desk.clip("-x");
    desk.program.form1.Command2.on_click();
    const Lines events = desk.events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), kSwitchRefused + "-x\" -> ok");
    EXPECT_TRUE(desk.platform.launches().empty());
    EXPECT_FALSE(desk.program.form1.BrowserTask.has_value());
}

}  // namespace
}  // namespace velmora::browser
