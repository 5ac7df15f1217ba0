#include "ledger/import_index.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "ledger/contest_check.h"
#include "ledger/desk.h"

namespace velmora::ledger {
namespace {

using testing_desk::Desk;
using testing_desk::Lines;

struct Lists {
    Lines history;
    Lines stock;
    Lines imports;
};

std::string date(int year, int month, int day) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", year, month, day);
    return buffer;
}

// Many records share a site and its roots; some roots are shorter than the index's keys.
Lists make_lists(unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto url = [&](int site) {
        const std::string host = site % 7 == 0 ? "http://s" + std::to_string(site)
                                               : "http://www.s" + std::to_string(site) + ".example";
        switch (pick(0, 3)) {
            case 0:
                return host;  // no path: the root is "http://"
            case 1:
                return host + "/?id=" + std::to_string(pick(1, 99));
            default:
                return host + "/cp/" + std::to_string(pick(1, 99)) + "/";
        }
    };
    Lists lists;
    for (int i = 0; i < 3000; ++i) {
        const std::string applied = date(pick(2000, 2001), pick(1, 5), pick(1, 28));
        const std::string deadline = i % 9 == 0 ? date(2001, 6, pick(1, 28)) : applied;
        lists.history.push_back(testing_desk::record(applied, deadline, url(pick(0, 40))));
    }
    for (int i = 0; i < 300; ++i) {
        lists.stock.push_back(date(2001, 6, pick(1, 28)) + url(pick(0, 60)));
    }
    for (int i = 0; i < 400; ++i) {
        switch (i % 5) {
            case 0:
                lists.imports.push_back(lists.stock[static_cast<std::size_t>(pick(0, 299))]);
                break;
            case 1:
                lists.imports.push_back(url(pick(0, 80)));
                break;
            case 2:
                lists.imports.push_back(i % 10 == 2 ? std::string() : "締切未定");
                break;
            default:
                lists.imports.push_back(date(2001, 7, pick(1, 28)) + url(pick(0, 80)));
                break;
        }
    }
    return lists;
}

// The import narrows the rows its checks read with an index; it must not change one answer. The
// same lines run once as an import and once as separate stock checks, and end alike.
TEST(ImportIndex, AnImportEndsAsItsChecksOneByOneDo) {
    for (const bool notices : {false, true}) {
        const Lists lists = make_lists(notices ? 7 : 11);
        Desk imported;
        Desk checked;
        for (Desk* desk : {&imported, &checked}) {
            desk->history(lists.history);
            desk->stock(lists.stock);
            desk->marks(notices, notices, false, false);
        }
        std::string text;
        for (const std::string& line : lists.imports) {
            text += line + "\r\n";
        }
        imported.clip(text);
        ImportItem(imported.program);
        for (const std::string& line : lists.imports) {
            if (!line.empty()) {
                checked.clip(line);
                check_contest(checked.program, kStockCheck, StockSave::ByCaller);  // no index
            }
        }
        EXPECT_EQ(imported.history(), checked.history());
        EXPECT_EQ(imported.stock(), checked.stock());
        EXPECT_EQ(imported.events(), checked.events());
        // The lists did change both ways: records removed, contests stocked.
        EXPECT_LT(imported.history().size(), lists.history.size());
        EXPECT_GT(imported.stock().size(), lists.stock.size());
    }
}

// Rows the index names are positions in the lists as they are now: after a removal the later
// history rows move up. The stock entries added since the index was made count too. (A row of
// another site whose host ends alike would be named as well: the check reads it in full.)
TEST(ImportIndex, NamesRowsWhereTheyAreNow) {
    const Lines history = {"a http://site.example/x/", "b http://other.test/", "c http://site.example/x/"};
    const Lines stock = {"http://site.example/x/1"};
    ImportIndex index(history, stock, {"http://site.example/x/", "http://other.test/"});
    EXPECT_EQ(index.history_rows_with("http://site.example/x/"), (std::vector<long>{2, 0}));
    index.history_row_removed(0);
    EXPECT_EQ(index.history_rows_with("http://site.example/x/"), (std::vector<long>{1}));
    EXPECT_EQ(index.stocked("http://site.example/x/"), true);
    EXPECT_EQ(index.stocked("http://other.test/"), false);
    index.stock_row_added("2001/06/01http://other.test/");
    EXPECT_EQ(index.stocked("http://other.test/"), true);
    EXPECT_EQ(index.history_rows_with("http://"), std::nullopt);               // shorter than a key
    EXPECT_EQ(index.history_rows_with("http://unknown.test/"), std::nullopt);  // not asked for
}

}  // namespace
}  // namespace velmora::ledger
