// The command-line extractor: a saved newsletter in (UTF-8, UTF-8 with a byte-order mark, code
// page 932; LF or CR LF line ends), the contests out as JSON lines or text blocks, and exit
// status 2 with a message for every kind of bad argument.
#include "extract/command_line_extractor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/cp932.h"
#include "text/text.h"

namespace velmora::extract {
namespace {

namespace fs = std::filesystem;

const locale::DateTime kNow{2001, 5, 10, 9, 0, 0};

fs::path sample(const char* name) {
    return fs::path(VELMORA_TEST_DATA_DIR) / "newsletters" / name;
}

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

ExtractorResult run(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream standard_input(input);
    return run_extractor(args, standard_input, kNow);
}

const std::string kJson101 =
    R"j({"number":1,"title":"■01 ＰＳ５ 3名様 5/31締切","deadline":"2001/05/31","url":"http://chance.example.jp/01/","details":["http://chance.example.jp/01/","主催:ゲーム会社","会員登録","会員登録:必要(無料)"]})j"
    "\n"
    R"j({"number":2,"title":"■02 商品券5000円分 06/15締切","deadline":"2001/06/15","url":"http://chance.example.jp/02/","details":["http://chance.example.jp/02/","応募方法:はがき"]})j"
    "\n"
    R"j({"number":3,"title":"◆03 旅行券 10万円分 6/20締切【ペア1組】","deadline":"2001/06/20","url":"http://chance.example.jp/03/","details":["http://chance.example.jp/03/","会社案内あり"]})j"
    "\n"
    R"j({"number":4,"title":"●お手軽懸賞コーナー","deadline":"2001/05/10","url":"http://chance.example.jp/easy/","details":["アンケートで当たる","http://chance.example.jp/easy/"]})j"
    "\n";

TEST(CommandLineExtractor, SampleFileGivesItsContestsAsJsonLines) {
    // The sample on disk has bare LF line ends.
    const std::string path = sample("f101_weekly.txt").string();
    ASSERT_EQ(read_bytes(path).find('\r'), std::string::npos);
    const ExtractorResult result = run({"--format", "101", "--json", path});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, kJson101);
}

TEST(CommandLineExtractor, EveryEncodingAndLineEndGivesTheSameContests) {
    const std::string utf8 = read_bytes(sample("f101_weekly.txt"));
    const std::string crlf = text::replace_all(utf8, "\n", "\r\n");
    const std::optional<std::string> cp932 = cp932::encode(crlf);
    ASSERT_TRUE(cp932.has_value());
    const std::optional<std::string> cp932_lf = cp932::encode(utf8);
    ASSERT_TRUE(cp932_lf.has_value());
    const std::string inputs[] = {crlf, "\xEF\xBB\xBF" + utf8, *cp932, *cp932_lf,
                                  text::replace_all(crlf, "\r\n\r\n", "\r\n\n")};  // mixed
    for (const std::string& input : inputs) {
        EXPECT_EQ(run({"--json", "--format=101"}, input).out, kJson101);
        EXPECT_EQ(run({"--format", "101", "--json", "-"}, input).out, kJson101);
    }
}

TEST(CommandLineExtractor, ReadableBlocksWithoutJson) {
    const ExtractorResult result = run({"--format", "105", sample("f105_end.txt").string()});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "#1 01 デジタルカメラ 2名様\n"
              "  deadline: 2001/05/31\n"
              "  url:      http://jprize.example.jp/cam/\n"
              "  | 【応募締切】2001/05/31\n"
              "  | 【コメント】\n"
              "  | http://jprize.example.jp/cam/\n"
              "\n"
              "#2 02 腕時計 1名\n"
              "  deadline: \n"
              "  url:      \n"
              "\n");
}

TEST(CommandLineExtractor, ListsEveryFormatWithItsCaption) {
    const ExtractorResult result = run({"--list-formats"});
    EXPECT_EQ(result.exit_code, 0);
    const auto lines = text::split(result.out, "\n");
    ASSERT_EQ(lines.size(), 29u);  // 26 formats, auto, generic and the empty text after the last line break
    EXPECT_EQ(lines[0], "100 猫招く懸賞読本");
    EXPECT_EQ(lines[4], "104 AAA-Present! 高額懸賞情報");
    EXPECT_EQ(lines[25], "125 ＴＯＫＵＴＯＫＵマガジン");
    EXPECT_EQ(lines[26], "auto 自動判別");
    EXPECT_EQ(lines[27], "generic 汎用");
}

// auto gives what the format gives, each contest naming it; the text blocks name it too.
TEST(CommandLineExtractor, AutoNamesTheFormatOfEveryContest) {
    const std::vector<std::pair<const char*, const char*>> cases = {{"f101_weekly.txt", "101"},
                                                                    {"f117_ips.txt", "117"},
                                                                    {"f122_kanzume.txt", "122"},
                                                                    {"f100_weekly.txt", "100"}};
    for (const auto& [file, code] : cases) {
        const std::string path = sample(file).string();
        const ExtractorResult own = run({"--format", code, "--json", path});
        const ExtractorResult chosen = run({"--format", "auto", "--json", path});
        ASSERT_EQ(chosen.exit_code, 0) << file;
        ASSERT_FALSE(own.out.empty()) << file;
        std::string expected;
        for (const std::string& line : text::split(own.out, "\n")) {
            if (!line.empty()) {
                const std::size_t comma = line.find(',');
                expected +=
                    line.substr(0, comma) + ",\"format\":\"" + code + "\"" + line.substr(comma) + "\n";
            }
        }
        EXPECT_EQ(chosen.out, expected) << file;
    }
    // A layout no format reads: the general extractor's contests, each saying so.
    const std::string foreign = "■温泉旅行ペア招待券（1組）\n締切：12/20\nhttps://onsen.example.jp/e\n";
    const std::string generic = run({"--format", "generic", "--json"}, foreign).out;
    ASSERT_TRUE(text::starts_with(generic, "{\"number\":1,\"title\":")) << generic;
    EXPECT_EQ(run({"--format", "auto", "--json"}, foreign).out,
              "{\"number\":1,\"format\":\"generic\"," + generic.substr(std::string("{\"number\":1,").size()));
    const ExtractorResult blocks = run({"--format", "auto", sample("f105_end.txt").string()});
    EXPECT_TRUE(text::starts_with(blocks.out,
                                  "#1 01 デジタルカメラ 2名様\n  deadline: 2001/05/31\n"
                                  "  url:      http://jprize.example.jp/cam/\n  format:   105\n"))
        << blocks.out;
}

TEST(CommandLineExtractor, TodaySetsTheDateDeadlinesAreReadAgainst) {
    const std::string path = sample("f101_weekly.txt").string();  // deadlines without a year: "5/31締切"
    const ExtractorResult later = run({"--format", "101", "--json", "--today", "2003/01/02", path});
    EXPECT_EQ(later.exit_code, 0);
    const std::string today_moved = text::replace_all(kJson101, "\"2001/05/10\"", "\"2003/01/02\"");
    EXPECT_EQ(later.out, text::replace_all(today_moved, "\"2001/", "\"2003/"));
    EXPECT_EQ(run({"--format", "101", "--json", "--today=2001/05/10", path}).out, kJson101);
}

TEST(CommandLineExtractor, ScoresShowEveryParserAndTheChoice) {
    const ExtractorResult result = run({"--scores", sample("f101_weekly.txt").string()});
    EXPECT_EQ(result.exit_code, 0);
    const auto lines = text::split(result.out, "\n");
    ASSERT_EQ(lines.size(), 30u);  // header, 26 formats, generic, the choice, the empty text
    EXPECT_EQ(lines[0], "parser complete incomplete dated");
    EXPECT_EQ(lines[2], "101 4 0 3");  // the easy corner has no date of its own
    EXPECT_TRUE(text::starts_with(lines[27], "generic ")) << lines[27];
    EXPECT_EQ(lines[28], "auto 101");
}

TEST(CommandLineExtractor, BadArgumentsExitWithStatusTwo) {
    const fs::path directory = fs::temp_directory_path();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--json"},
        {"--format"},
        {"--format", "abc"},
        {"--format", "10a"},
        {"--format", ""},
        {"--format", "-100"},
        {"--format", "99"},
        {"--format", "126"},
        {"--format", "100000000000"},
        {"--format", "100", "--verbose"},
        {"-x", "--format", "100"},
        {"--format", "100", "a.txt", "b.txt"},
        {"--format", "100", (directory / "velmora-no-such-file.txt").string()},
        {"--format", "100", directory.string()},
        {"--format", "automatic"},
        {"--format", "Auto"},
        {"--format", "100", "--today"},
        {"--format", "100", "--today", "2001/02/30"},
        {"--format", "100", "--today", "5/10"},
        {"--format", "auto", "--today=2001-05-10"},
        {"--scores", "--today", "20010510"},
    };
    for (const auto& args : cases) {
        const ExtractorResult result = run(args, "■01 a 5/31締切\n");
        EXPECT_EQ(result.exit_code, 2) << text::join(args, " ");
        EXPECT_EQ(result.out, "") << text::join(args, " ");
        EXPECT_TRUE(text::starts_with(result.err, "velmora-extract: ")) << text::join(args, " ");
    }
}

TEST(CommandLineExtractor, EmptyInputHasNoContests) {
    const ExtractorResult result = run({"--format", "100"}, "");
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, "");
}

#ifndef _WIN32
TEST(CommandLineExtractor, ProgramPassesTheExitStatusOn) {
    const fs::path tool = fs::path(VELMORA_TOOLS_DIR) / "velmora-extract";
    if (!fs::exists(tool)) {
        GTEST_SKIP() << "velmora-extract not built at " << tool;
    }
    const std::string quiet = " >/dev/null 2>&1 </dev/null";
    const int bad = std::system((tool.string() + " --format 99" + quiet).c_str());
    EXPECT_EQ(WEXITSTATUS(bad), 2);
    const int good =
        std::system((tool.string() + " --format 101 " + sample("f101_end.txt").string() + quiet).c_str());
    EXPECT_EQ(WEXITSTATUS(good), 0);
}
#endif

}  // namespace
}  // namespace velmora::extract
