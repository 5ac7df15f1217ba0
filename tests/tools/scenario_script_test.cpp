// Reading scenario files: arguments, quotes and escapes, blocks and their texts.

#include <gtest/gtest.h>

#include "shell/scenario/script.h"

namespace velmora::shell::scenario {
namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> words;
};

TEST(ScenarioScript, SplitsWordsAndDecodesQuotedTexts) {
    const SplitCase cases[] = {
        {"click Form1.Command2", {"click", "Form1.Command2"}},
        {"  set\tForm1.Text(0)   \"a b\"  ", {"set", "Form1.Text(0)", "a b"}},
        {R"(clipboard "x\r\ny\tz")", {"clipboard", "x\r\ny\tz"}},
        {R"(clipboard "say \"hi\" \\ end")", {"clipboard", "say \"hi\" \\ end"}},
        {R"(clipboard "\u{3000}\u{41}\u{1F600}")", {"clipboard", "\u3000A\U0001F600"}},
        {R"(association "")", {"association", ""}},
        {"expect caption Form1 応募済み", {"expect", "caption", "Form1", "応募済み"}},
        {R"(a b"c)", {"a", "b\"c"}},
    };
    for (const SplitCase& c : cases) {
        const auto args = split_arguments(c.line);
        ASSERT_TRUE(args.has_value()) << c.line;
        std::vector<std::string> words;
        for (const Arg& arg : *args) {
            words.push_back(arg.text);
        }
        EXPECT_EQ(words, c.words) << c.line;
    }
}

TEST(ScenarioScript, RefusesBrokenQuotesAndEscapes) {
    const char* const broken[] = {
        R"(clipboard "open)",      R"(clipboard "bad \q")",     R"(clipboard "\u{}")",
        R"(clipboard "\u{D800}")", R"(clipboard "\u{110000}")", R"(clipboard "\u41")",
        R"(clipboard "\u{4G}")",   R"(clipboard "tail"x)",      R"(clipboard "ends \")",
    };
    for (const char* line : broken) {
        std::string reason;
        EXPECT_FALSE(split_arguments(line, &reason).has_value()) << line;
        EXPECT_FALSE(reason.empty()) << line;
    }
}

TEST(ScenarioScript, SkipsCommentsAndBlankLinesAndKeepsLineNumbers) {
    const Script script = parse_script("# heading\r\n\r\n   # indented\r\nstart\r\n  \r\nclose Form1\r\n");
    ASSERT_FALSE(script.error);
    ASSERT_EQ(script.commands.size(), 2U);
    EXPECT_EQ(script.commands[0].name, "start");
    EXPECT_EQ(script.commands[0].line, 4);
    EXPECT_EQ(script.commands[1].name, "close");
    EXPECT_EQ(script.commands[1].line, 6);
}

TEST(ScenarioScript, BlocksTakeLinesAsTheyStandExceptQuotedOnes) {
    const Script script = parse_script(
        "file zov5.ini <<END\n"
        "# not a comment here\n"
        "\n"
        "\"  padded  \"\n"
        "\"\"\n"
        "\"\n"
        "say \"x\" here\n"
        "\"tab\\there\"\n"
        "END\n"
        "start\n");
    ASSERT_FALSE(script.error);
    ASSERT_EQ(script.commands.size(), 2U);
    const Arg& block = script.commands[0].args[1];
    EXPECT_TRUE(block.block);
    const std::vector<std::string> expected = {"# not a comment here", "",         "  padded  ", "", "\"",
                                               "say \"x\" here",       "tab\there"};
    EXPECT_EQ(block.lines, expected);
    EXPECT_EQ(script.commands[1].line, 10);
}

TEST(ScenarioScript, ReportsTheLineOfALexicalError) {
    const Script unclosed_block = parse_script("start\nexpect events <<END\nline\n");
    ASSERT_TRUE(unclosed_block.error);
    EXPECT_EQ(unclosed_block.error_line, 2);

    const Script bad_block_line = parse_script("start\nclipboard <<X\nok\n\"bad \\q\"\nX\n");
    ASSERT_TRUE(bad_block_line.error);
    EXPECT_EQ(bad_block_line.error_line, 4);

    const Script bad_quote = parse_script("start\n\nset Form1.Text(0) \"open\n");
    ASSERT_TRUE(bad_quote.error);
    EXPECT_EQ(bad_quote.error_line, 3);
}

TEST(ScenarioScript, BlockTextsForFilesRowsAndTextBoxes) {
    Arg block;
    block.block = true;
    block.lines = {"a", "", "b"};
    EXPECT_EQ(text_with_line_ends(block), "a\r\n\r\nb\r\n");
    EXPECT_EQ(text_joined(block), "a\r\n\r\nb");
    EXPECT_EQ(lines_of(block), block.lines);

    Arg empty_block;
    empty_block.block = true;
    EXPECT_EQ(text_with_line_ends(empty_block), "");
    EXPECT_TRUE(lines_of(empty_block).empty());

    Arg text;
    text.text = "a\r\nb";
    EXPECT_EQ(text_with_line_ends(text), "a\r\nb");
    EXPECT_EQ(lines_of(text), (std::vector<std::string>{"a", "b"}));
    text.text = "a\r\nb\r\n";
    EXPECT_EQ(lines_of(text), (std::vector<std::string>{"a", "b"}));
    text.text = "";
    EXPECT_TRUE(lines_of(text).empty());
}

}  // namespace
}  // namespace velmora::shell::scenario
