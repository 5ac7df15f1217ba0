// The general extractor's entries in the extraction window: the detail view of a title, its
// status, and the import text, exactly as for a format parser's entries.
#include <gtest/gtest.h>

#include "extract/extract_fixture.h"
#include "extract/generic/generic_extractor.h"
#include "extract/newsletter_input.h"
#include "extract/review.h"

namespace velmora::extract::testing {
namespace {

class GenericReview : public ExtractFixture {
protected:
    GenericReview() {
        open_window();  // Today 2001/05/10
        desktop.set_clipboard_text(crlf_line_ends(
            "■温泉旅行ペア招待券（1組）\n要会員登録\n締切：5/31\nhttps://onsen.example.jp/e\n\n"
            "◇図書カード(10名) 2001.5.9〆 https://tosho.example.jp/a\n"));
        Primitives x(form(), desktop);
        PGeneric(x);
    }

    void click_title(long row) {
        form().List1.set_list_index(row);
        form().List1.set_selected(row, true);
        form().List1.on_click();
    }
};

TEST_F(GenericReview, DetailViewAndImportReadTheEntries) {
    ASSERT_EQ(form().List1.rows().size(), 2u);
    click_title(0);
    EXPECT_EQ(
        form().Text1.text(),
        "\r\n01 温泉旅行ペア招待券（1組）\r\n要会員登録\r\n締切：5/31\r\nhttps://onsen.example.jp/e\r\n\r\n");
    EXPECT_EQ(form().Label1.caption(), "会員登録！");
    click_title(1);
    EXPECT_EQ(form().Label1.caption(), "応募終了！");  // the deadline lies before today
    EXPECT_EQ(GetData(*program),
              "2001/05/31https://onsen.example.jp/e\r\n2001/05/09https://tosho.example.jp/a\r\n");
}

}  // namespace
}  // namespace velmora::extract::testing
