#include "platform/narrow.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/text.h"

namespace velmora::locale {
namespace {

struct Row {
    const char* from;
    const char* to;
};

TEST(Narrow, EveryRowOfTheTable) {
    const Row kRows[] = {
        {"！＂＃＄％＆＇（）＊＋，－．／", "!\"#$%&'()*+,-./"},
        {"０１２３４５６７８９：；＜＝＞？＠", "0123456789:;<=>?@"},
        {"ＡＺａｚ［＼］＾＿｀｛｜｝～", "AZaz[\\]^_`{|}~"},
        {"　", " "},
        {"、。「」・ー゛゜", "､｡｢｣･ｰﾞﾟ"},
        {"アイウエオカサタナハマヤラワヲン", "ｱｲｳｴｵｶｻﾀﾅﾊﾏﾔﾗﾜｦﾝ"},
        {"ァィゥェォッャュョ", "ｧｨｩｪｫｯｬｭｮ"},
        {"ガギグゲゴザジズゼゾダヂヅデド", "ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞ"},
        {"バビブベボパピプペポ", "ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
        {"ヴヷヺ", "ｳﾞﾜﾞｦﾞ"},
        {"’”", "'\""},
        {"￠￡￢￣￤￥￦", "¢£¬¯¦¥₩"},
        {"（１２）ガ", "(12)ｶﾞ"},
    };
    for (const auto& r : kRows) {
        EXPECT_EQ(narrow(r.from), r.to) << r.from;
    }
}

TEST(Narrow, WhatHasNoHalfWidthFormStays) {
    const char* kKept[] = {"ひらがな", "がぱ",  "懸賞", "〜", "ヮヰヱヵヶヽヾヸヹ",
                           "‘“",       "ab 12", "ｶﾞ",   "\t", ""};
    for (const char* s : kKept) {
        EXPECT_EQ(narrow(s), s) << s;
    }
    EXPECT_EQ(narrow("締切：５月１０日（金）"), "締切:5月10日(金)");
}

// A byte that is no UTF-8 comes out as U+FFFD, as everywhere else in the program; the
// characters around it are narrowed or kept as usual.
TEST(Narrow, MalformedBytesBecomeReplacementCharacters) {
    EXPECT_EQ(narrow("ア\xff懸\xe3\x82Ａ"),
              "ｱ\xEF\xBF\xBD懸\xEF\xBF\xBD\xEF\xBF\xBD"
              "A");
    EXPECT_EQ(narrow("\xEF\xBF\xBD"), "\xEF\xBF\xBD");
}

// One buffer narrowed into line after line holds each line's narrowing alone.
TEST(Narrow, IntoAReusedBufferGivesTheSameText) {
    std::string out = "left over from a much longer line before";
    for (std::string_view line : {"（１２）ガ", "", "abc", "\xFFａ", "ひらがな、カタカナ"}) {
        narrow_into(line, out);
        EXPECT_EQ(out, narrow(line)) << line;
    }
}

// Narrowing goes character by character: a long mixed text narrows to its characters' narrowings
// one after another, whichever of them are copied in runs and whichever looked up.
TEST(Narrow, AMixedTextNarrowsAsItsCharactersDoOneByOne) {
    const std::vector<std::string> pieces = {"a",
                                             " ",
                                             "懸賞",
                                             "ひらがな",
                                             "゛",
                                             "カ",
                                             "ガ",
                                             "パ",
                                             "ヴ",
                                             "ー",
                                             "、",
                                             "　",
                                             "（",
                                             "１",
                                             "Ｚ",
                                             "～",
                                             "’",
                                             "”",
                                             "￥",
                                             "￦",
                                             "é",
                                             "😀",
                                             "ｱ",
                                             "\xFF",
                                             "\x80",
                                             "\xE3\x82",
                                             "\xED\xA0\x80",
                                             "\xE0\x80\x80",
                                             "\xEF\xBF\xBD",
                                             "\xE4\xB8",
                                             "丁",
                                             "〒",
                                             "ㄅ"};
    std::mt19937 random(31);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int n = static_cast<int>(random() % 40); n > 0; --n) {
            text += pieces[random() % pieces.size()];
        }
        std::string expected;
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t start = pos;
            text::decode_next(text, pos);
            expected += narrow(std::string_view(text).substr(start, pos - start));
        }
        EXPECT_EQ(narrow(text), expected) << text;
    }
}

}  // namespace
}  // namespace velmora::locale
