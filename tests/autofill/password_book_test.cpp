// The ID book split into zov4.ini and the protected lines of zov4p.ini, and joined again: with
// the data protection of the headless desktop, through the same base64 as the files.
#include "autofill/password_book.h"

#include <gtest/gtest.h>

#include "platform/memory_platform.h"

namespace velmora::autofill {
namespace {

using Lines = std::vector<std::string>;

class PasswordBook : public ::testing::Test {
protected:
    // The protected line of an entry, as zov4p.ini holds it.
    std::string line(std::string_view key, std::string_view entry) {
        return std::string(key) + *protect(entry);
    }
    static std::string unreadable(std::string_view key, std::string_view kept) {
        return std::string(key) + std::string(kUnreadableMark) + std::string(kept);
    }

    platform::MemoryPlatform platform;
    Protect protect = protector(platform);
    Reveal reveal = revealer(platform);
};

TEST_F(PasswordBook, ProtectedBookLeavesNoPasswordInZov4) {
    const Lines book = {"shop/me/pa/ss", "club/id2/", "hand-made line", "t/i", unreadable("old/u/", "QUJD")};
    const SavedBook on = split_book(book, Protection::On, protect);
    EXPECT_EQ(on.id_book, (Lines{"shop/me/", "club/id2/", "hand-made line", "t/i", "old/u/"}));
    EXPECT_EQ(on.protected_lines,
              (Lines{line("shop/me/", "shop/me/pa/ss"), line("club/id2/", "club/id2/"), "old/u/QUJD"}));
    EXPECT_EQ(on.left_plain, 0);
    // What an older reader types from zov4.ini: the ID, and for the password nothing at all.
    for (const std::string& entry : on.id_book) {
        EXPECT_TRUE(split_entry(entry).password.empty()) << entry;
    }

    const SavedBook off = split_book(book, Protection::Off, protect);
    EXPECT_EQ(off.id_book, (Lines{"shop/me/pa/ss", "club/id2/", "hand-made line", "t/i", "old/u/"}));
    EXPECT_EQ(off.protected_lines, Lines{"old/u/QUJD"});

    const SavedBook refused =
        split_book({"a/b/c"}, Protection::On, [](std::string_view) { return std::nullopt; });
    EXPECT_EQ(refused.id_book, Lines{"a/b/c"});
    EXPECT_TRUE(refused.protected_lines.empty());
    EXPECT_EQ(refused.left_plain, 1);
}

struct JoinRow {
    const char* name;
    Lines id_book;
    Lines protected_entries;  // entries whose protected lines zov4p.ini holds, in order
    Lines extra_lines;        // lines written as they stand after those
    Lines joined;
};

TEST_F(PasswordBook, JoiningFindsEveryPasswordAndLosesNone) {
    const std::vector<JoinRow> rows = {
        {"as saved", {"a/i/", "b/j/"}, {"a/i/pa", "b/j/pb"}, {}, {"a/i/pa", "b/j/pb"}},
        {"same title and ID: the n-th takes the n-th",
         {"a/i/", "a/i/", "a/i/"},
         {"a/i/1", "a/i/2", "a/i/3"},
         {},
         {"a/i/1", "a/i/2", "a/i/3"}},
        {"moved by an older program", {"b/j/", "a/i/"}, {"a/i/pa", "b/j/pb"}, {}, {"b/j/pb", "a/i/pa"}},
        {"added plain by an older program", {"new/n/np", "a/i/"}, {"a/i/pa"}, {}, {"new/n/np", "a/i/pa"}},
        {"written plain beside its protected copy (a save cut short)",
         {"a/i/pa", "a/i/"},
         {"a/i/pa", "a/i/"},
         {},
         {"a/i/pa", "a/i/"}},
        {"a plain entry leaves another's line alone",
         {"a/i/other", "a/i/"},
         {"a/i/pa"},
         {},
         {"a/i/other", "a/i/pa"}},
        {"deleted by an older program: kept at the end",
         {"b/j/"},
         {"a/i/pa", "b/j/pb"},
         {},
         {"b/j/pb", "a/i/pa"}},
        {"zov4.ini lost: every entry back", {}, {"a/i/pa", "b/j/pb"}, {}, {"a/i/pa", "b/j/pb"}},
        {"no line: an empty password stays empty", {"a/i/", "x"}, {}, {}, {"a/i/", "x"}},
        {"damaged: kept unread, exactly",
         {"a/i/", "b/j/"},
         {"b/j/pb"},
         {"a/i/QUJD!"},
         {unreadable("a/i/", "QUJD!"), "b/j/pb"}},
        {"a line that is no entry's is ignored", {"a/i/"}, {"a/i/pa"}, {"garbage"}, {"a/i/pa"}},
    };
    for (const JoinRow& row : rows) {
        Lines lines;
        for (const std::string& entry : row.protected_entries) {
            lines.push_back(line(split_entry(entry).key(), entry));
        }
        lines.insert(lines.end(), row.extra_lines.begin(), row.extra_lines.end());
        EXPECT_EQ(join_book(row.id_book, lines, reveal), row.joined) << row.name;
    }
}

TEST_F(PasswordBook, ALineReadBackUnderAnotherTitleOrUserIsUnreadable) {
    // Moved onto another entry's line: it belongs to its own title and ID only.
    const std::string swapped = "b/j/" + *protect("a/i/pa");
    EXPECT_EQ(join_book({"b/j/"}, {swapped}, reveal), Lines{unreadable("b/j/", *protect("a/i/pa"))});

    platform::MemoryPlatform other;
    other.set_protection_user("someone else");
    const std::string theirs = "a/i/" + *protector(other)("a/i/pa");
    const Lines joined = join_book({"a/i/"}, {theirs}, reveal);
    ASSERT_EQ(joined.size(), 1U);
    EXPECT_TRUE(is_unreadable_password(split_entry(joined[0]).password));
    // Saved again, it is written back exactly as it came.
    EXPECT_EQ(split_book(joined, Protection::On, protect).protected_lines, Lines{theirs});
    EXPECT_EQ(split_book(joined, Protection::Off, protect).protected_lines, Lines{theirs});
}

}  // namespace
}  // namespace velmora::autofill
