// Reading saved newsletters: the encoding told apart by the bytes, line ends made CR LF, and the
// contest rows read back from the lists and written as JSON.
#include "extract/newsletter_input.h"

#include <gtest/gtest.h>

#include "extract/contest_listing.h"

namespace velmora::extract {
namespace {

TEST(NewsletterInput, EncodingIsToldApartByTheBytes) {
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF懸賞", "懸賞"},                // byte-order mark dropped
        {"懸賞 http://a.jp/", "懸賞 http://a.jp/"},  // valid UTF-8
        {"\x8C\x9C\x8F\xDC", "懸賞"},                // code page 932
        {"\x81\x60\x81\x5F", "～＼"},                // the Windows table's wave dash and backslash
        {"abc", "abc"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(newsletter_text(c.bytes), c.text) << c.text;
    }
}

TEST(NewsletterInput, BareLineFeedsBecomeCrLfAndCrLfStays) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb\n", "a\r\nb\r\n"}, {"a\r\nb\r\n", "a\r\nb\r\n"}, {"a\r\n\nb", "a\r\n\r\nb"}, {"\n", "\r\n"},
        {"a\rb", "a\rb"},  // a lone CR is left alone
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(crlf_line_ends(in), out);
    }
}

TEST(NewsletterInput, Utf8Validity) {
    EXPECT_TRUE(is_valid_utf8("懸賞 abc"));
    EXPECT_FALSE(is_valid_utf8("\x8C\x9C"));
    EXPECT_FALSE(is_valid_utf8("abc\xE6\x87"));  // cut inside a character
}

TEST(ContestListing, JsonStringsEscapeWhatJsonNeeds) {
    EXPECT_EQ(json_string("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(json_string("\r\n\t"), R"("\r\n\t")");
    EXPECT_EQ(json_string(std::string("\x01", 1)), R"("\u0001")");
    EXPECT_EQ(json_string("懸賞"), "\"懸賞\"");
}

TEST(ContestListing, RowsAreReadPerContestWithMissingOnesEmpty) {
    ui::Form3 form;
    for (const char* row : {"A", "B", "C", "D"}) {
        form.List1.add_item(row);
    }
    // A has both rows, B only a URL, C only a deadline, D nothing at all.
    for (const char* row : {"A", "2001/05/31", "http://a/", "B", "http://b/", "C", "2001/06/01", "D"}) {
        form.List3.add_item(row);
    }
    for (const char* row : {"A", "a1", "a2", "", "B", "", "D", "d1"}) {
        form.List2.add_item(row);
    }
    const std::vector<Contest> contests = contests_in(form);
    ASSERT_EQ(contests.size(), 4u);
    EXPECT_EQ(contests[0].deadline, "2001/05/31");
    EXPECT_EQ(contests[0].url, "http://a/");
    EXPECT_EQ(contests[0].details, (std::vector<std::string>{"a1", "a2"}));
    EXPECT_EQ(contests[1].deadline, "");
    EXPECT_EQ(contests[1].url, "http://b/");
    EXPECT_EQ(contests[2].deadline, "2001/06/01");
    EXPECT_EQ(contests[2].url, "");
    EXPECT_TRUE(contests[2].details.empty());  // C is not in the detail list
    EXPECT_EQ(contests[3].number, 4);
    EXPECT_EQ(contests[3].details, (std::vector<std::string>{"d1"}));
    EXPECT_EQ(json_line(contests[1]),
              R"({"number":2,"title":"B","deadline":"","url":"http://b/","details":[]})"
              "\n");
}

}  // namespace
}  // namespace velmora::extract
