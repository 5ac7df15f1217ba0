#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::cp932 {
namespace {

struct Pair {
    std::string bytes;
    std::string utf8;
};

// Characters whose bytes and code point must match the Windows table both ways.
const Pair kHeld[] = {
    {"\x8c\x9c\x8f\xdc", "懸賞"},
    {"\x81\x60", "～"},  // full-width tilde U+FF5E, not the wave dash
    {"\x81\x5f", "＼"},  // U+FF3C
    {"\x5c", "\\"},      // the single byte is the backslash, not ¥
    {"\x7e", "~"},
    {"\x87\x40", "①"},  // NEC row 13
    {"\x87\x54", "Ⅰ"},  // NEC row 13 form of the duplicated Roman numeral
    {"\x87\x82", "№"},
    {"\xfa\x40", "ⅰ"},   // IBM extension
    {"\xfa\x5c", "纊"},  // IBM extension kanji
    {"\x81\x61", "∥"},   // U+2225
    {"\x81\x7c", "－"},  // U+FF0D
    {"\x81\xca", "￢"},  // U+FFE2
    {"\x81\x5c", "―"},   // U+2015
    {"\x81\x91\x81\x92", "￠￡"},
    {"\x81\xe0", "≒"},        // the JIS form of a character NEC row 13 repeats
    {"\xb6\xde\xdd", "ｶﾞﾝ"},  // half-width katakana
    {"\xa1\xa5", "｡･"},
    {"\xf0\x40", "\xee\x80\x80"},  // user-defined area U+E000
    {"a,\"b\"\r\n", "a,\"b\"\r\n"},
    {"", ""},
};

TEST(Cp932, HeldCharactersRoundTrip) {
    for (const auto& p : kHeld) {
        EXPECT_EQ(decode(p.bytes), p.utf8) << p.utf8;
        auto bytes = encode(p.utf8);
        ASSERT_TRUE(bytes.has_value()) << p.utf8;
        EXPECT_EQ(*bytes, p.bytes) << p.utf8;
        EXPECT_TRUE(holds(p.utf8)) << p.utf8;
    }
}

// A text is converted as its parts are, runs of ASCII between them included, and asking again
// (the converted characters are remembered) gives the same answers, also for what is not held.
TEST(Cp932, TextsConvertAsTheirPartsEveryTime) {
    std::string bytes;
    std::string utf8;
    for (const auto& p : kHeld) {
        bytes += p.bytes + "ab ";
        utf8 += p.utf8 + "ab ";
    }
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(decode(bytes), utf8);
        EXPECT_EQ(encode(utf8), bytes);
        EXPECT_FALSE(encode("a\u301Cb").has_value());  // the wave dash is not held
        EXPECT_FALSE(holds("x\U00020BB7"));
    }
}

// Duplicates decode to one code point, which encodes to the form Windows writes.
TEST(Cp932, DuplicatesDecodeToOneCodePoint) {
    const Pair kDuplicates[] = {
        {"\xee\xef", "ⅰ"},   // NEC-selected IBM → IBM 0xFA40
        {"\xed\x40", "纊"},  // NEC-selected IBM → IBM 0xFA5C
        {"\xfa\x4a", "Ⅰ"},   // IBM → NEC row 13 0x8754
        {"\x87\x90", "≒"},   // NEC row 13 → JIS 0x81E0
        {"\xfa\x54", "￢"},  // IBM → JIS 0x81CA
        {"\xfa\x5b", "∵"},   // IBM → JIS 0x81E6
    };
    for (const auto& p : kDuplicates) {
        EXPECT_EQ(decode(p.bytes), p.utf8) << p.utf8;
        auto bytes = encode(p.utf8);
        ASSERT_TRUE(bytes.has_value()) << p.utf8;
        EXPECT_EQ(decode(*bytes), p.utf8);
        EXPECT_NE(*bytes, p.bytes) << p.utf8;
    }
    EXPECT_EQ(encode("ⅰ纊Ⅰ≒￢∵"), "\xfa\x40\xfa\x5c\x87\x54\x81\xe0\x81\xca\x81\xe6");
}

TEST(Cp932, LookAlikesAreNotHeld) {
    // Each of these would come back as a different character.
    const char* kNotHeld[] = {
        "〜",  // wave dash U+301C, would return as ～ U+FF5E
        "‖",   // U+2016, would return as ∥
        "−",   // minus U+2212, would return as －
        "¥",
        "‾",
        "—",
        "¬",
        "¢",
        "£",
        "¦",
        "𠮷",
        "😀",             // outside the table
        "\xef\xbf\xbd",  // U+FFFD itself
        "\xff",          // a malformed UTF-8 byte
    };
    for (const char* s : kNotHeld) {
        EXPECT_FALSE(holds(s)) << s;
        EXPECT_EQ(encode(std::string("abc") + s + "def"), std::nullopt) << s;
    }
    EXPECT_TRUE(holds("～"));
}

TEST(Cp932, BadBytesBecomeReplacementCharacters) {
    const Pair kBad[] = {
        {"\x80", "\xef\xbf\xbd"},
        {"\xa0", "\xef\xbf\xbd"},
        {"\xfd\xfe\xff", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        {"a\x81", "a\xef\xbf\xbd"},  // lead byte at the end
        {"\x81\x0a"
         "b",
         "\xef\xbf\xbd\nb"},             // lead byte before a line feed keeps the line feed
        {"\x85\x40x", "\xef\xbf\xbdx"},  // a pair the table has no character for
        {"\x82\xa0\x81\x20\x82\xa2", "あ\xef\xbf\xbd い"},
    };
    for (const auto& p : kBad) {
        EXPECT_EQ(decode(p.bytes), p.utf8);
    }
}

}  // namespace
}  // namespace velmora::cp932
