// Grouping classified lines into one block per contest: segments between blank lines and rules,
// a title taking in the body below it, headings giving way to an item's own, and splitting a
// block at the heads its items share, only when every part then has a prize and an address.
#include "extract/generic/blocks.h"

#include <gtest/gtest.h>

#include "extract/generic/contest_finder.h"

namespace velmora::extract::generic {
namespace {

struct Case {
    const char* layout;
    const char* text;
    std::vector<std::pair<std::size_t, std::size_t>> blocks;  // first and last line of each
};

TEST(Blocks, GroupsOneBlockPerContest) {
    const std::vector<Case> cases = {
        {"a marked title takes in its body across blank lines and a rule",
         "■温泉旅行\n\n箱根の宿です。\n-----\n締切：12/20\nhttps://a.jp/\n",
         {{0, 5}}},
        {"a heading gives way to a title with its own address",
         "ぽちっと懸賞 12/7\n本日は2件。\n\nポップコーンメーカー\n5名様\nhttp://b.jp/\n",
         {{0, 1}, {3, 5}}},
        {"a boxed title over its body",
         "┏━━━┓\n┃ヘアドライヤー┃\n┗━━━┛\n当選人数：5名様\nhttps://c.jp/\n",
         {{1, 4}}},
        {"a heading alone gives way to a short heading of its own",
         "懸賞の缶詰 Vol.12\n本日の懸賞です。\n=====\n液晶テレビ\n（1名様）\n=====\n【URL】\nhttp://d.jp/\n",
         {{0, 1}, {3, 7}}},
        {"items sharing a bullet, under a heading",
         "今週のプレゼント\n◇図書カード(10名) 12/20〆 https://e.jp/1\n◇商品券(3名) 1/5〆 https://e.jp/2\n",
         {{0, 0}, {1, 1}, {2, 2}}},
        {"the outer mark splits, not the inner one",
         "◆温泉旅行ペア\n●締切：12/20\n●応募：https://f.jp/1\n◆和牛セット\n●締切：12/25\n●応募：https://f.jp/"
         "2\n",
         {{0, 2}, {3, 5}}},
        {"ranks of one contest stay together",
         "A賞 自転車 1名様\nB賞 タオル 10名様\n締切：12/31\nhttps://g.jp/\n",
         {{0, 3}}},
        {"unmarked items, each ended by its address",
         "温泉旅行ペア（1組）締切12/20\nhttps://h.jp/1\n和牛セット（5名）締切12/25\nhttps://h.jp/2\n",
         {{0, 1}, {2, 3}}},
        {"an entry and a detail address of one contest stay together",
         "＜No.5＞ 安眠枕 5名様\n▼応募ページ\nhttps://i.jp/cp\n▼キャンペーン詳細\nhttps://i.jp/\n応募締切 "
         "12/16\n",
         {{0, 5}}},
        {"outdented titles over indented details",
         "クリスマスケーキ（5名様）\n　締切：12/20\n　https://j.jp/1\n冬の温泉宿（2組）\n　締切：1/"
         "10\n　https://j.jp/2\n",
         {{0, 2}, {3, 5}}},
        {"a short segment below a contest adds its missing deadline",
         "■加湿器 3名様\nhttps://k.jp/\n\n提供：うるおい社\n\n応募締切：12/15\n\n■次の懸賞 5名様\n",
         {{0, 5}, {7, 7}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const std::vector<LineInfo> lines = classify_lines(split_lines(c.text));
        std::vector<std::pair<std::size_t, std::size_t>> got;
        for (const Block& b : group_blocks(lines)) {
            got.emplace_back(b.first, b.last);
        }
        EXPECT_EQ(got, c.blocks);
    }
}

}  // namespace
}  // namespace velmora::extract::generic
