#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls.h"

namespace velmora::ui {
namespace {

using Rows = std::vector<std::string>;

TEST(ListBox, RowsBeyondTheListReadEmpty) {
    ListBox list("List1");
    list.set_rows({"a", "b"});
    for (const long i : {-1L, 2L, 100L}) {
        EXPECT_EQ(list.row(i), "");
        EXPECT_EQ(list.row_view(i), "");
    }
    list.set_row(5, "x");  // nothing happens
    EXPECT_EQ(list.rows(), (Rows{"a", "b"}));
}

// The current row follows its row when rows are put in front of it, and goes with it.
TEST(ListBox, TheCurrentRowFollowsInsertsAndRemovals) {
    ListBox list("List1");
    list.set_rows({"a", "b", "c"});
    list.set_list_index(1);
    list.insert_item(0, "new");
    EXPECT_EQ(list.list_index(), 2);
    EXPECT_EQ(list.row(list.list_index()), "b");
    list.insert_item(99, "last");  // beyond the end: added last
    list.remove_item(0);
    EXPECT_EQ(list.list_index(), 1);
    list.remove_item(1);
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_EQ(list.rows(), (Rows{"a", "c", "last"}));
    EXPECT_EQ(list.selected_rows(), std::vector<long>{});
}

// A row copied from the list itself arrives whole, however much the list grows meanwhile.
TEST(ListBox, TakesItsOwnRowsAsNewRows) {
    ListBox list("List2");
    list.add_item(std::string(100, 'x'));
    for (int i = 0; i < 300; ++i) {
        list.add_item(list.row_view(list.count() - 1));
    }
    list.set_row(0, list.row_view(300));
    list.insert_item(0, list.row_view(1));
    EXPECT_EQ(list.count(), 302);
    for (long i = 0; i < list.count(); ++i) {
        ASSERT_EQ(list.row_view(i), std::string(100, 'x')) << i;
    }
}

}  // namespace
}  // namespace velmora::ui
