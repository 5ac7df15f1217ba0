// The corpus score: reading expectations, matching extracted contests one to one, and the command
// with its floors and its refusals of bad arguments.
#include "extract/generic/corpus_score.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velmora::extract::generic {
namespace {

namespace fs = std::filesystem;

TEST(CorpusScore, ReadsExpectations) {
    const ExpectationRead read = read_expectation(
        "# today 2026/12/08\n# a comment\n2026/12/20\thttps://a.example.jp/\tＰＳ５\n\n"
        "2027/01/05\thttps://b.example.jp/\t商品券\n");
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.expectation.now, (locale::DateTime{2026, 12, 8, 9, 0, 0}));
    ASSERT_EQ(read.expectation.contests.size(), 2u);
    EXPECT_EQ(read.expectation.contests[0].key, "PS5");  // full-width ASCII narrowed
    EXPECT_EQ(read.expectation.contests[1].url, "https://b.example.jp/");
    EXPECT_NE(read_expectation("2026/12/20\thttps://a/\tx\n").error, "");
    EXPECT_NE(read_expectation("# today 2026/13/40\n").error, "");
    EXPECT_NE(read_expectation("# today 2026/12/08\nno tabs here\n").error, "");
}

TEST(CorpusScore, ReadsTheExtractorsJsonLines) {
    const auto contests = contests_of_json(
        R"({"number":1,"title":"01 \"和牛\" \u00e9","deadline":"2026/12/20","url":"https://a/","details":["\"url\":\"x\""]})"
        "\n");
    ASSERT_EQ(contests.size(), 1u);
    EXPECT_EQ(contests[0].title, "01 \"和牛\" \xc3\xa9");
    EXPECT_EQ(contests[0].url, "https://a/");
}

TEST(CorpusScore, MatchesOneToOne) {
    const std::vector<ExpectedContest> expected = {{"2026/12/20", "https://a/", "和牛"},
                                                   {"2026/12/20", "https://a/", "和牛"},
                                                   {"2026/12/25", "https://b/", "PS5"}};
    const std::vector<ExtractedContest> extracted = {
        {"01 黒毛和牛", "2026/12/20", "https://a/"},     // found
        {"02 ＰＳ５本体", "2026/12/24", "https://b/"},   // real, but the deadline differs
        {"03 配信停止", "2026/12/08", "https://stop/"},  // not real
        {"04 黒毛和牛", "2026/12/20", "https://c/"},     // a title alone does not match
    };
    const FileScore score = score_contests("x.txt", extracted, expected);
    EXPECT_EQ(score.found, 1);
    EXPECT_EQ(score.real, 2);
    EXPECT_EQ(score.extracted, 4);
    EXPECT_EQ(score.misses.size(), 2u);
    EXPECT_EQ(score.extras.size(), 2u);
}

TEST(CorpusScore, CommandScoresAFolderAndHoldsItsFloors) {
    const fs::path dir = fs::temp_directory_path() / "velmora-score-test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "01-a.txt")
        << "■温泉旅行ペア招待券（1組2名様）\n締切：12/20\nhttps://onsen.example.jp/e\n\n"
           "配信停止 https://mag.example.jp/stop\n";
    std::ofstream(dir / "01-a.expect")
        << "# today 2026/12/08\n2026/12/20\thttps://onsen.example.jp/e\t温泉旅行\n"
           "2026/12/31\thttps://missing.example.jp/\t和牛\n";
    const ExtractorResult result = run_score({dir.string()});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_NE(result.out.find("recall 0.500 (1/2)  precision 1.000 (1/1)"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("miss  2026/12/31 https://missing.example.jp/"), std::string::npos);
    EXPECT_EQ(run_score({"--min-recall", "0.95", dir.string()}).exit_code, 1);
    EXPECT_EQ(run_score({"--min-precision", "0.95", dir.string()}).exit_code, 0);
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{},
                                               {"--min-recall", "2", dir.string()},
                                               {"--bogus", dir.string()},
                                               {(dir / "none").string()},
                                               {"--format", "999", dir.string()}}) {
        EXPECT_EQ(run_score(bad).exit_code, kExitBadArguments);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace velmora::extract::generic
