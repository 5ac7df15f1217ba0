// The scenario runner itself: failures name the line, what was expected and what was found;
// files, answers, restarts and the refusals of what a user could not do.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "shell/scenario/runner.h"
#include "shell/scenario/session.h"

namespace velmora::shell::scenario {
namespace {

std::string bytes_of(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ScenarioRunner, AWrongExpectationFailsNamingLineExpectedAndFound) {
    const ScenarioResult r = run_scenario("today 2001/05/10\nstart\n\nexpect caption Form1 \"ZOV\"\n");
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.line, 4);
    EXPECT_NE(r.message.find("expected caption \"ZOV\""), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("found \"!ZOV\""), std::string::npos) << r.message;
    EXPECT_EQ(r.report("a.scenario").rfind("FAIL a.scenario:4: expected", 0), 0U) << r.report("a.scenario");
    EXPECT_EQ(run_scenario("start\nexpect caption Form1 \"!ZOV\"\n").report("b"), "ok b");
}

struct FailingCase {
    const char* source;
    int line;
    const char* expected_part;
    const char* found_part;
};

TEST(ScenarioRunner, EachKindOfExpectationReportsWhatItFound) {
    const FailingCase cases[] = {
        {"start\nexpect events <<E\ntopmost Form1 1 * * *\nE\n", 2, "topmost Form1 1 * * *",
         "topmost Form1 0 0 155 355"},
        {"start\nexpect events <<E\nE\n", 2, "(no more events)", "topmost Form1 0 0 155 355"},
        {"start\nexpect geometry Form1 - 15 - -\n", 2, "- 15 - -", "0 0 2325 5325"},
        {"start\nexpect visible Form1.Frame3 yes\n", 2, "visible yes", "found no"},
        {"start\nexpect count Form1.List3 2\n", 2, "2 rows", "found 0"},
        {"start\nexpect rows Form1.List3 <<E\nx\nE\n", 2, "\"x\"", "no line"},
        {"start\nexpect file zov5.ini \"x\"\n", 2, "\"x\"", "no line"},
        {"start\nexpect file zov9.ini \"\"\n", 2, "zov9.ini", "no such file"},
        {"start\nexpect nofile zov5.ini\n", 2, "no file zov5.ini", "found it"},
        {"clipboard abc\nexpect clipboard <<E\nabc\nE\n", 2, "\"abc\\r\\n\"", "\"abc\""},
        {"start\nexpect running no\n", 2, "running no", "found yes"},
        {"start\nexpect color Form1.Label6 red\n", 2, "\"red\"", "normal"},
        {"start\nexpect date Form5.MonthView1 2001/05/11\n", 2, "2001/05/11", "2001/05/10"},
        {"start\nexpect selected Form1.List3 0\n", 2, "selected rows 0", "found none"},
        {"start\nexpect checked Form1.Check1 yes\n", 2, "checked yes", "found no"},
        {"start\nexpect text Form1.Text(99) x\n", 2, "Text(99)", "no such control"},
        {"start\nfrobnicate\n", 2, "a command", "\"frobnicate\""},
    };
    for (const FailingCase& c : cases) {
        const ScenarioResult r = run_scenario(std::string("today 2001/05/10\n") + c.source);
        EXPECT_FALSE(r.passed) << c.source;
        EXPECT_EQ(r.line, c.line + 1) << c.source;
        EXPECT_NE(r.message.find(c.expected_part), std::string::npos) << c.source << "\n" << r.message;
        EXPECT_NE(r.message.find(c.found_part), std::string::npos) << c.source << "\n" << r.message;
    }
}

TEST(ScenarioRunner, RefusesWhatAUserCouldNotDo) {
    const FailingCase cases[] = {
        {"click Form1.Command2\n", 1, "running program", "not started"},
        {"start\nclick Form1.Command9\n", 2, "enabled", "disabled"},
        {"start\nclick Form1.Command8\n", 2, "in view", "hidden"},
        {"start\nmenu Form1.mn0(3)\nmenu Form1.mn1(0)\n", 3, "Form1 shown", "hidden"},
        {"start\nclose Form1\nclick Form1.Command2\n", 3, "running program", "ended"},
        {"start\nstart\n", 2, "not running", "running already"},
        {"start\nactivate Form2\n", 2, "Form2 shown", "hidden"},
        {"start\nclick Form1.List1 0\n", 2, "in view", "hidden"},
    };
    for (const FailingCase& c : cases) {
        const ScenarioResult r = run_scenario(c.source);
        EXPECT_FALSE(r.passed) << c.source;
        EXPECT_EQ(r.line, c.line) << c.source;
        EXPECT_NE(r.message.find(c.expected_part), std::string::npos) << c.source << "\n" << r.message;
        EXPECT_NE(r.message.find(c.found_part), std::string::npos) << c.source << "\n" << r.message;
    }
}

TEST(ScenarioRunner, AMenuUnderADisabledMenuCannotBeChosen) {
    Session session;
    ASSERT_EQ(run_scenario("start\n", session).passed, true);
    session.program()->form1.mn0[0].set_enabled(false);
    const ScenarioResult r = run_scenario("menu Form1.mn1(0)\n", session);
    EXPECT_FALSE(r.passed);
    EXPECT_NE(r.message.find("found mn0(0) disabled"), std::string::npos) << r.message;
}

TEST(ScenarioRunner, AMessageBoxWithoutAQueuedAnswerFailsTheScenario) {
    // zov1.ini cannot be written when a directory holds its name: the failed save is told.
    {
        Session session;
        std::filesystem::create_directory(session.platform().program_directory() / "zov1.ini");
        const ScenarioResult r = run_scenario("start\nclose Form1\n", session);
        EXPECT_FALSE(r.passed);
        EXPECT_EQ(r.line, 2);
        EXPECT_NE(r.message.find("ask ok \"zov1.ini"), std::string::npos) << r.message;
    }
    {
        Session session;
        std::filesystem::create_directory(session.platform().program_directory() / "zov1.ini");
        const ScenarioResult r = run_scenario(
            "start\nanswer ok\nclose Form1\nexpect running no\n"
            "expect events <<E\ntopmost Form1 0 0 155 355\nask ok * -> ok\nE\n",
            session);
        EXPECT_TRUE(r.passed) << r.message;
    }
}

TEST(ScenarioRunner, FilesAreWrittenInTheProgramsEncodingWithTheirLineEnds) {
    Session session;
    const ScenarioResult r = run_scenario(
        "file block.txt <<E\n名前\nb\nE\n"
        "file open.txt \"a\\r\\nb\"\n"
        "file empty.txt \"\"\n"
        "workfile zov6.ini <<E\nx\nE\n"
        "workdir sub\n"
        "file gone.txt x\nnofile gone.txt\nexpect nofile gone.txt\n"
        "expect file open.txt <<E\na\nb\nE\n"
        "expect workfile zov6.ini <<E\nx\nE\n",
        session);
    ASSERT_TRUE(r.passed) << r.message;
    const auto dir = session.platform().program_directory();
    EXPECT_EQ(bytes_of(dir / "block.txt"), "\x96\xbc\x91\x4f\r\nb\r\n");
    EXPECT_EQ(bytes_of(dir / "open.txt"), "a\r\nb");
    EXPECT_EQ(bytes_of(dir / "empty.txt"), "");
    EXPECT_TRUE(std::filesystem::is_directory(session.platform().working_directory() / "sub"));
}

TEST(ScenarioRunner, SetUpCommandsReachTheDesktop) {
    Session session;
    const ScenarioResult r = run_scenario(
        "today 2002/02/28 23:59:58\nclipboard \"x\"\nclipboard\nassociation \"\"\nanswer yes no cancel ok\n",
        session);
    ASSERT_TRUE(r.passed) << r.message;
    platform::MemoryPlatform& p = session.platform();
    EXPECT_EQ(p.now(), (locale::DateTime{2002, 2, 28, 23, 59, 58}));
    EXPECT_FALSE(p.clipboard_has_text());
    EXPECT_FALSE(p.find_executable(p.program_directory() / "zov1.ini").has_value());
    EXPECT_EQ(p.queued_answers(), 4U);
    for (const char* bad : {"today 2001/02/30\n", "today 2001/05/10 24:00:00\n", "answer maybe\n",
                            "browser open\n", "file x\n"}) {
        EXPECT_FALSE(run_scenario(bad).passed) << bad;
    }
}

TEST(ScenarioRunner, StartAfterCloseRestartsOnTheSameFiles) {
    const ScenarioResult r = run_scenario(
        "file zov1.ini <<E\n\" 3000 \"\n\" 9000 \"\nE\n"
        "start\nmenu Form1.mn1(0)\nclose Form1\nexpect running no\n"
        "start\nexpect running yes\nexpect geometry Form1 9000 3000 2325 5325\n");
    EXPECT_TRUE(r.passed) << r.message;
}

TEST(ScenarioRunner, ListClicksSelectTheRowAndFireTheEvent) {
    Session session;
    ASSERT_TRUE(run_scenario("start\n", session).passed);
    ui::Form1& form = session.program()->form1;
    form.Frame3.set_visible(true);
    form.List2.set_visible(true);
    form.List2.set_rows({"a", "b", "c"});
    int clicks = 0;
    int double_clicks = 0;
    form.List2.on_click = [&] { ++clicks; };
    form.List2.on_dblclick = [&] { ++double_clicks; };
    const ScenarioResult r = run_scenario(
        "click Form1.List2 2\nexpect selected Form1.List2 2\n"
        "dblclick Form1.List2 1\nexpect selected Form1.List2 1\n"
        "select Form1.List2\nexpect selected Form1.List2\n",
        session);
    EXPECT_TRUE(r.passed) << r.message;
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(double_clicks, 1);
    const ScenarioResult beyond = run_scenario("click Form1.List2 3\n", session);
    EXPECT_NE(beyond.message.find("a row of List2 (0 to 2), found \"3\""), std::string::npos)
        << beyond.message;

    // A multiple-selection list keeps the other selected rows.
    form.List2.set_multi_select(true);
    EXPECT_TRUE(
        run_scenario("select Form1.List2 0 2\nclick Form1.List2 1\nexpect selected Form1.List2 0 1 2\n",
                     session)
            .passed);
    EXPECT_EQ(form.List2.list_index(), 1);
}

TEST(ScenarioRunner, TextsCheckBoxesAndKeysReachTheirHandlers) {
    Session session;
    ASSERT_TRUE(run_scenario("start\n", session).passed);
    ui::Form1& form = session.program()->form1;
    std::string changed;
    int key = 0;
    form.Text[3].on_change = [&] { changed = form.Text[3].text(); };
    form.Text[3].on_keydown = [&](int code) { key = code; };
    const ScenarioResult r = run_scenario(
        "set Form1.Text(3) <<E\nline 1\nline 2\nE\nkey Form1.Text(3) 13\n"
        "click Form1.Check1\nexpect checked Form1.Check1 yes\nclick Form1.Check1\nexpect checked "
        "Form1.Check1 no\n",
        session);
    EXPECT_TRUE(r.passed) << r.message;
    EXPECT_EQ(changed, "line 1\r\nline 2");
    EXPECT_EQ(key, 13);
}

TEST(ScenarioRunner, FilesReportEachAndTheTotals) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto good = dir / "velmora-runner-good.scenario";
    const auto bad = dir / "velmora-runner-bad.scenario";
    std::ofstream(good) << "start\nexpect running yes\n";
    std::ofstream(bad) << "start\nexpect running no\n";
    std::ostringstream out;
    EXPECT_EQ(run_scenario_files({good.string()}, out), 0);
    EXPECT_NE(
        run_scenario_files({good.string(), bad.string(), (dir / "velmora-none.scenario").string()}, out), 0);
    const std::string text = out.str();
    EXPECT_NE(text.find("ok " + good.string() + "\n1 passed, 0 failed\n"), std::string::npos) << text;
    EXPECT_NE(text.find("FAIL " + bad.string() + ":2: expected running no, found yes\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("1 passed, 2 failed\n"), std::string::npos) << text;
    std::filesystem::remove(good);
    std::filesystem::remove(bad);
}

}  // namespace
}  // namespace velmora::shell::scenario
