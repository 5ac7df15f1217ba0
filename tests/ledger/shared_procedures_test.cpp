#include "ledger/shared_procedures.h"

#include <gtest/gtest.h>

#include "platform/memory_platform.h"

namespace velmora::ledger {
namespace {

using locale::CivilDate;
using locale::DateTime;

std::string days_before(const DateTime& now, long days) {
    return locale::format_date(locale::civil_from_day_number(locale::day_number(now.date()) - days));
}

TEST(FixDate, MovesDatesMoreThan150DaysPastToNextYear) {
    const DateTime morning{2001, 5, 10, 9, 0, 0};
    EXPECT_EQ(FixDate(days_before(morning, 150), morning), days_before(morning, 150));
    EXPECT_EQ(FixDate(days_before(morning, 151), morning), "2002" + days_before(morning, 151).substr(4));
    // An explicit year does not protect a date long past.
    EXPECT_EQ(FixDate("2000/05/10", morning), "2002/05/10");
}

TEST(FixDate, TheDayRoundsUpFromNoon) {
    const std::string edge = days_before({2001, 5, 10, 0, 0, 0}, 150);
    EXPECT_EQ(FixDate(edge, {2001, 5, 10, 11, 59, 59}), edge);
    EXPECT_EQ(FixDate(edge, {2001, 5, 10, 12, 0, 0}), "2002" + edge.substr(4));
}

TEST(FixDate, YearEndsAndFutureDates) {
    EXPECT_EQ(FixDate("1/15", {2001, 12, 10, 9, 0, 0}), "2002/01/15");
    EXPECT_EQ(FixDate("12/31", {2001, 5, 10, 9, 0, 0}), "2001/12/31");
    EXPECT_EQ(FixDate(" 5/31 ", {2001, 5, 10, 9, 0, 0}), "2001/05/31");
    EXPECT_EQ(FixDate("2001年5月31日", {2001, 5, 10, 9, 0, 0}), "2001/05/31");
}

TEST(FixDate, NoDateGivesToday) {
    const DateTime now{2001, 5, 10, 15, 0, 0};
    EXPECT_EQ(FixDate("未定", now), "2001/05/10");
    EXPECT_EQ(FixDate("", now), "2001/05/10");
    EXPECT_EQ(FixDate("5/10(金)", now), "2001/05/10");
    EXPECT_EQ(FixDate("2/30", now), "2001/05/10");
    // February 29 moved to a year without one is no date either.
    EXPECT_EQ(FixDate("2/29", {2004, 12, 1, 9, 0, 0}), "2004/12/01");
}

TEST(FixDate, DateWithTimeAndTheCurrentMoment) {
    const DateTime now{2001, 5, 10, 20, 38, 50};
    EXPECT_EQ(FixDate("2001/05/10 8:38:50", now), "2001/05/10");
    EXPECT_EQ(today_text(now), "2001/05/10");
    EXPECT_EQ(today_text({2001, 12, 31, 23, 59, 59}), "2001/12/31");
}

TEST(HisItem, CutsTheFixedFields) {
    const std::string record = "2001/05/102001/05/310aaaahttp://a.example/x/";
    EXPECT_EQ(HisItem(record, 0), "2001/05/10");
    EXPECT_EQ(HisItem(record, 1), "2001/05/31");
    EXPECT_EQ(HisItem(record, 2), "0");
    EXPECT_EQ(HisItem(record, 3), "a");
    EXPECT_EQ(HisItem(record, 7), "http://a.example/x/");
    EXPECT_EQ(HisItem(record, 8), "");
    EXPECT_EQ(HisItem(record, -1), "");
    EXPECT_EQ(HisItem("2001/05/10", 7), "");
}

TEST(UrlRoot, StopsAtTheFourthSlash) {
    EXPECT_EQ(UrlRoot("http://host/dir/page.html"), "http://host/dir/");
    EXPECT_EQ(UrlRoot("http://host/page.html"), "http://host/");
    EXPECT_EQ(UrlRoot("http://host"), "http://");
    EXPECT_EQ(UrlRoot("http://host/a/b/c/d.html"), "http://host/a/");
    EXPECT_EQ(UrlRoot("no slash"), "");
}

// Only a root with a scheme, "://", a host and the slash after it names a site; the roots cut
// from URLs without a host would be contained in records of every site.
TEST(UrlRoot, NamesASiteOnlyWithSchemeHostAndSlash) {
    const struct {
        const char* url;
        bool site;
    } cases[] = {
        {"http://host/dir/page.html", true},
        {"https://a.example/", true},
        {"htt://x/", true},
        {"http:/x.y", false},
        {"http://host", false},
        {"http:///x/y/", false},
        {"://host/", false},
        {"no slash", false},
        {"", false},
        {"a/b://c/d/", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(is_site_root(UrlRoot(c.url)), c.site) << c.url;
    }
}

TEST(AddUrlSlash, CompletesDirectoriesAndLeavesTheOriginalOnTheClipboard) {
    struct Row {
        const char* url;
        const char* result;
    };
    const Row rows[] = {
        {"http://host/dir", "http://host/dir/"},
        {"http://host", "http://host/"},
        {"http://host/a.html", "http://host/a.html"},
        {"http://host/dir/", "http://host/dir/"},
        {"", ""},
    };
    for (const Row& row : rows) {
        platform::MemoryPlatform desktop;
        desktop.set_clipboard_text("before");
        EXPECT_EQ(AddUrlSlash(row.url, desktop), row.result) << row.url;
        const bool changed = std::string(row.url) != row.result;
        EXPECT_EQ(desktop.clipboard_text(), changed ? std::string(row.url) : "before") << row.url;
    }
}

TEST(SeqLabel, AtLeastTwoDigitsAndABlank) {
    EXPECT_EQ(SeqLabel(0), "00 ");
    EXPECT_EQ(SeqLabel(7), "07 ");
    EXPECT_EQ(SeqLabel(12), "12 ");
    EXPECT_EQ(SeqLabel(123), "123 ");
}

TEST(ContestLine, TakesTheFirstLineThatIsNotEmpty) {
    EXPECT_EQ(contest_line("2001/06/01http://a.example/\r\nhttp://b.example/"),
              "2001/06/01http://a.example/");
    EXPECT_EQ(contest_line("\r\n\nhttp://a.example/\r"), "http://a.example/");
    EXPECT_EQ(contest_line("http://a.example/"), "http://a.example/");
    EXPECT_EQ(contest_line("\r\n"), "");
    EXPECT_EQ(contest_line(""), "");
}

TEST(CopyText, ReplacesTheClipboard) {
    platform::MemoryPlatform desktop;
    desktop.set_clipboard_text("old");
    CopyText(desktop, "new\r\n");
    EXPECT_EQ(desktop.clipboard_text(), "new\r\n");
}

}  // namespace
}  // namespace velmora::ledger
