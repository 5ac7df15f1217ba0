// The general extractor end to end, through the extraction window's lists as the format parsers
// fill them: newsletters in each layout users receive, the noise that must not become a contest,
// and the bounds that hold on any input (determinism, linear work, no failure on garbage).
#include "extract/generic/generic_extractor.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "extract/command_line_extractor.h"
#include "extract/contest_listing.h"
#include "extract/generic/contest_finder.h"
#include "extract/generic/work_meter.h"
#include "extract/newsletter_input.h"
#include "platform/memory_platform.h"
#include "text/text.h"
#include "ui/form3.h"

namespace velmora::extract {
namespace {

const locale::DateTime kNow{2026, 12, 8, 9, 0, 0};

struct Want {
    const char* key;  // held by the title
    const char* deadline;
    const char* url;
};

struct Case {
    const char* layout;
    const char* text;
    std::vector<Want> contests;
};

class GenericExtractor : public ::testing::Test {
protected:
    // The newsletter as the clipboard holds it (CR LF line ends).
    std::vector<Contest> run(std::string_view newsletter) { return run_raw(crlf_line_ends(newsletter)); }
    std::vector<Contest> run_raw(std::string_view clipboard) {
        platform.set_now(kNow);
        platform.set_clipboard_text(clipboard);
        form = std::make_unique<ui::Form3>();
        Primitives x(*form, platform);
        PGeneric(x);
        return contests_in(*form);
    }
    platform::MemoryPlatform platform;
    std::unique_ptr<ui::Form3> form;
};

const std::vector<Case> kLayouts = {
    {"numbers and indentation",
     "懸賞ジャーナル 第12号\nこんにちは！今週も応募しましょう。\n\n"
     "１．温泉旅行ペア招待券（1組2名様）\n　締切：12月20日（日）\n　発表：1月10日\n　https://"
     "onsen.example.jp/e\n\n"
     "２．黒毛和牛セット　5名様\n　応募締切　2026/12/25 "
     "23:59\n　応募はこちら→https://wagyu.example.com/cp?id=3\n",
     {{"温泉旅行ペア招待券", "2026/12/20", "https://onsen.example.jp/e"},
      {"黒毛和牛セット", "2026/12/25", "https://wagyu.example.com/cp?id=3"}}},
    {"one contest per line under banners",
     "◆◇ 金券 ◇◆\n◇図書カード3000円分(10名) 12/20〆 https://tosho.example.jp/3000\n"
     "◇商品券5000円分(3名) 1/5〆 https://ken.example.com/newyear\n① クオカード(50名) 締切:本日 "
     "https://quo.example.jp/b\n",
     {{"図書カード3000円分", "2026/12/20", "https://tosho.example.jp/3000"},
      {"商品券5000円分", "2027/01/05", "https://ken.example.com/newyear"},
      {"クオカード", "2026/12/08", "https://quo.example.jp/b"}}},
    {"boxes, labels and ranks",
     "┏━━━━━━━━━┓\n┃プレゼント：最新タブレット\n┃当選者数：3名\n┃応募期間：2026年12月1日～2027年1月15日\n"
     "┃https://tablet.example.jp/p\n┗━━━━━━━━━┛\n\n"
     "----------\nA賞　電動自転車　1名様\nＷチャンス　タオル　100名様\n応募締切：2026.12.31\nhttps://"
     "bike.example.jp/c\n"
     "----------"
     "\n賞品：加湿器\n締切：１２／２４\nＵＲＬ：ｈｔｔｐｓ：／／ｋａｓｈｉ．ｅｘａｍｐｌｅ．ｊｐ／ｃｐ\n-----"
     "-----\n"
     "賞品：高級ボールペン\n〆切：2月末日\n<https://pen.example.jp/x>\n----------\n",
     {{"最新タブレット", "2027/01/15", "https://tablet.example.jp/p"},
      {"電動自転車", "2026/12/31", "https://bike.example.jp/c"},
      {"加湿器", "2026/12/24", "https://kashi.example.jp/cp"},
      {"高級ボールペン", "2027/02/28", "https://pen.example.jp/x"}}},
    {"quoted forward with bracket headers and several addresses",
     "> 転送します\n>\n>> 【ブランド米 2kg×3種】20名様\n>> 応募締切：12月末日\n>> "
     "<https://rice.example.jp/3>\n>>\n"
     ">> 【ドライヤー】3名様\n>> 応募期限：令和8年12月22日(火)正午\n>> 詳細：https://dryer.example.com/info\n"
     ">> 応募：https://dryer.example.com/entry。\n",
     {{"ブランド米", "2026/12/31", "https://rice.example.jp/3"},
      {"ドライヤー", "2026/12/22", "https://dryer.example.com/entry"}}},
    {"rules between unmarked items, deadline after the address",
     "ぽちっと懸賞 12/7(月)\n-----------\n本日の新着は2件です。\n-----------\n"
     "ポップコーンメーカー\n5名様／提供：スナック社\nhttp://popcorn.example.jp/m\n〆 "
     "12/13(日)23:59まで\n-----------\n"
     "ネックウォーマー\n30名様\n（https://neck.example.jp/w）\n発送：1月中旬、締切 R8.12.18\n-----------\n",
     {{"ポップコーンメーカー", "2026/12/13", "http://popcorn.example.jp/m"},
      {"ネックウォーマー", "2026/12/18", "https://neck.example.jp/w"}}},
    {"a table and a boxed title over its body",
     "No. | 賞品 | 締切\n01 | 餅つき機 | 12/25\n   | https://mochi.example.jp/cp\n\n"
     "┏━━━━━━━┓\n┃　ヘアドライヤー　┃\n┗━━━━━━━┛\n当選人数：5名様\n応募締切：2026年12月10日(木)\n"
     "https://dryer2.example.jp/p\n",
     {{"餅つき機", "2026/12/25", "https://mochi.example.jp/cp"},
      {"ヘアドライヤー", "2026/12/10", "https://dryer2.example.jp/p"}}},
    {"pictographs, a sponsor named, a heading in brackets, addresses through the newsletter's site",
     "🎁 ホットサンドメーカー（3名様）\n📅 締切：12/27\n👉 https://mag.example.jp/r/1\n\n"
     "【終了間近】\nおひさまクッキー（10名様）\nスポンサー：おひさま製菓\n締切：12/20\nhttps://"
     "mag.example.jp/r/2\n\n"
     "■お米券 10枚（5名様）\nhttps://mag.example.jp/r/3\n\n【スポンサー】\n新商品が抽選で100名様に当たる！\n"
     "https://ad.example.jp/\n\n配信停止 https://mag.example.jp/stop\n",
     {{"ホットサンドメーカー", "2026/12/27", "https://mag.example.jp/r/1"},
      {"おひさまクッキー", "2026/12/20", "https://mag.example.jp/r/2"},
      {"お米券", "2026/12/08", "https://mag.example.jp/r/3"}}},
    {"a formal letter with kanji dates",
     "拝啓 師走の候、ますますご清祥のこととお喜び申し上げます。\n\n"
     "一、特選カニ詰め合わせ（三名様）\n　応募締切　令和八年十二月二十五日\n　https://kani.example.jp/\n\n"
     "二、新春福袋（十名様）\n　応募期間　十二月十日～一月十五日\n　https://fuku.example.jp/\n\n敬具\n",
     {{"特選カニ詰め合わせ", "2026/12/25", "https://kani.example.jp/"},
      {"新春福袋", "2027/01/15", "https://fuku.example.jp/"}}},
    {"noise only",
     "■目次\n1. 温泉旅行\n2. "
     "編集後記\n\n【PR】\n毎日もらえるポイント！抽選で10名様\nhttps://ad.example.com/\n\n"
     "━━ バックナンバー ━━\n・12/1号 https://mag.example.jp/bn/1201\n・11/24号 "
     "https://mag.example.jp/bn/1124\n\n"
     "◆お友達紹介で100ポイント！\nhttps://mag.example.jp/invite?u=1\n\n◆当選報告はこちら\nhttps://"
     "mag.example.jp/report\n\n"
     "広告：スポンサー募集中 https://mag.example.jp/ads\n配信停止はこちら https://mag.example.jp/stop\n"
     "登録変更 https://mag.example.jp/change\n",
     {}},
};

TEST_F(GenericExtractor, FindsTheContestsOfEachLayout) {
    for (const Case& c : kLayouts) {
        SCOPED_TRACE(c.layout);
        const std::vector<Contest> found = run(c.text);
        ASSERT_EQ(found.size(), c.contests.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            SCOPED_TRACE(found[i].title);
            EXPECT_NE(found[i].title.find(c.contests[i].key), std::string::npos);
            EXPECT_EQ(found[i].deadline, c.contests[i].deadline);
            EXPECT_EQ(found[i].url, c.contests[i].url);
        }
    }
}

TEST_F(GenericExtractor, EmitsEntriesAsAFormatParserDoes) {
    run("■温泉旅行ペア招待券（1組2名様）\n締切：12/20\nhttps://onsen.example.jp/e\n\n◇和牛(5名) 1/5〆 "
        "https://wagyu.example.jp/\n");
    // Titles numbered in all three lists; details closed by a blank row; deadline and URL after
    // the title in the data list.
    EXPECT_EQ(form->List1.rows().size(), 2u);
    EXPECT_EQ(form->List1.rows()[0], "01 温泉旅行ペア招待券（1組2名様）");
    EXPECT_EQ(form->List1.rows()[1], "02 和牛(5名)");
    const std::vector<std::string> list2(form->List2.rows().begin(), form->List2.rows().end());
    EXPECT_EQ(list2, (std::vector<std::string>{"01 温泉旅行ペア招待券（1組2名様）", "締切：12/20",
                                               "https://onsen.example.jp/e", "", "02 和牛(5名)",
                                               "◇和牛(5名) 1/5〆 https://wagyu.example.jp/", ""}));
    const std::vector<std::string> list3(form->List3.rows().begin(), form->List3.rows().end());
    EXPECT_EQ(list3, (std::vector<std::string>{"01 温泉旅行ペア招待券（1組2名様）", "2026/12/20",
                                               "https://onsen.example.jp/e", "02 和牛(5名)", "2027/01/05",
                                               "https://wagyu.example.jp/"}));
    EXPECT_EQ(form->ItemNo, 2);
}

TEST_F(GenericExtractor, ReadsTextWithAnyLineEnds) {
    const std::string lf = "■温泉旅行ペア招待券（1組）\n締切：12/20\nhttps://onsen.example.jp/e\n";
    for (const std::string& text : {lf, crlf_line_ends(lf), text::replace_all(lf, "\n", "\r")}) {
        const std::vector<Contest> found = run_raw(text);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].deadline, "2026/12/20");
    }
}

TEST(GenericCommandLine, ExtractsWithFormatGeneric) {
    std::istringstream input("■温泉旅行ペア招待券（1組）\n締切：12/20\nhttps://onsen.example.jp/e\n");
    const ExtractorResult result = run_extractor({"--format", "generic", "--json"}, input, kNow);
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "{\"number\":1,\"title\":\"01 温泉旅行ペア招待券（1組）\",\"deadline\":\"2026/12/20\","
              "\"url\":\"https://onsen.example.jp/e\",\"details\":[\"締切：12/20\",\"https://"
              "onsen.example.jp/e\"]}\n");
    std::istringstream none("");
    EXPECT_EQ(run_extractor({"--format", "generics"}, none, kNow).exit_code, kExitBadArguments);
}

// A small generator of hostile text: newsletter fragments and bytes in any order.
std::string garbage(unsigned seed, std::size_t pieces) {
    static const char* const kPieces[] = {"■",     "【",   "】",     "締切", "12/",  "20", "〆",   "https://",
                                          "a.jp/", "(",    ")",      "\r\n", "\n",   "> ", "┃",    "━━━",
                                          "名様",  "令和", "R8.",    "末日", "本日", "～", "\xff", "\xe3\x80",
                                          "｜",    "|",    "賞品：", "A賞",  "①",    "1.", " ",    "　"};
    std::string out;
    for (std::size_t i = 0; i < pieces; ++i) {
        seed = seed * 1103515245u + 12345u;
        out += kPieces[(seed >> 16) % (sizeof kPieces / sizeof kPieces[0])];
    }
    return out;
}

TEST_F(GenericExtractor, IsDeterministicAndTotalOnAnyText) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        const std::string text = garbage(seed, 400);
        const auto first = generic::find_contests(text);
        const auto second = generic::find_contests(text);
        ASSERT_EQ(first.size(), second.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            EXPECT_EQ(first[i].title, second[i].title);
            EXPECT_EQ(first[i].url, second[i].url);
        }
    }
    EXPECT_TRUE(run("").empty());
    EXPECT_TRUE(run("\r\n\r\n").empty());
}

// The work done on a text twice as long is at most about twice as much: for repeated contests,
// one endless line, one endless block without blanks, and deep brackets and dates.
TEST(GenericWork, GrowsLinearlyWithTheText) {
    const std::vector<std::pair<const char*, std::string>> units = {
        {"contests", "■温泉旅行ペア招待券（1組2名様）\n締切：12/20\nhttps://onsen.example.jp/e\n\n"},
        {"one line", "◇図書カード(10名) 12/20〆 https://tosho.example.jp/a 【締切】 令和8年12月末日～"},
        {"one block", "◆和牛 5名 12/1～12/25 https://w.example.jp/\n"},
        {"heads", "【A】\n(1)\n①\n■\n"},
        {"brackets", "((((【【【[[[<<<"},
        {"address", "https://a.example.jp/((((]]]]...."},
    };
    for (const auto& [name, unit] : units) {
        SCOPED_TRACE(name);
        std::size_t previous = 0;
        for (int copies = 64; copies <= 1024; copies *= 2) {
            std::string text;
            for (int i = 0; i < copies; ++i) {
                text += unit;
            }
            generic::reset_work();
            generic::find_contests(text);
            const std::size_t work = generic::work_done();
            if (previous != 0) {
                EXPECT_LE(work, previous * 2 + previous / 4) << copies << " copies";
            }
            previous = work;
        }
    }
}

}  // namespace
}  // namespace velmora::extract
