#include "platform/narrow.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "text/text.h"

namespace velmora::locale {
namespace {

using Table = std::unordered_map<char32_t, std::u32string>;

// Katakana with a half-width form, in the same order as their half-width forms.
constexpr std::u32string_view kKatakana =
    U"ァアィイゥウェエォオカキクケコサシスセソタチッツテトナニヌネノハヒフヘホマミムメモャヤュユョヨラリルレ"
    U"ロワヲン";
constexpr std::u32string_view kHalfKatakana = U"ｧｱｨｲｩｳｪｴｫｵｶｷｸｹｺｻｼｽｾｿﾀﾁｯﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓｬﾔｭﾕｮﾖﾗﾘﾙﾚﾛﾜｦﾝ";
// Voiced katakana follow their base directly in the code chart (ガ = カ + 1); the ハ row also
// has the semi-voiced form two after the base (パ = ハ + 2).
constexpr std::u32string_view kVoicedBases = U"カキクケコサシスセソタチツテトハヒフヘホ";
constexpr std::u32string_view kSemiVoicedBases = U"ハヒフヘホ";
constexpr char32_t kVoicedMark = U'ﾞ';
constexpr char32_t kSemiVoicedMark = U'ﾟ';

void add_katakana(Table& t) {
    for (std::size_t i = 0; i < kKatakana.size(); ++i) {
        t[kKatakana[i]] = std::u32string(1, kHalfKatakana[i]);
    }
    for (char32_t base : kVoicedBases) {
        t[base + 1] = t[base] + kVoicedMark;
    }
    for (char32_t base : kSemiVoicedBases) {
        t[base + 2] = t[base] + kSemiVoicedMark;
    }
    t[U'ヴ'] = t[U'ウ'] + kVoicedMark;
    t[U'ヷ'] = t[U'ワ'] + kVoicedMark;
    t[U'ヺ'] = t[U'ヲ'] + kVoicedMark;
}

void add_signs(Table& t) {
    constexpr std::u32string_view kFrom = U"　、。「」・ー゛゜’”￠￡￢￣￤￥￦";
    constexpr std::u32string_view kTo = U" ､｡｢｣･ｰﾞﾟ'\"¢£¬¯¦¥₩";
    for (std::size_t i = 0; i < kFrom.size(); ++i) {
        t[kFrom[i]] = std::u32string(1, kTo[i]);
    }
}

// The replacements written out in UTF-8, by code point: every key of the table lies in the
// block U+3000 to U+30FF, or is one of ’ ” (below it) and the full-width signs U+FFE0 to U+FFE6.
struct Replacements {
    std::vector<std::string> block;  // U+3000 + i, empty when the character stays
    std::unordered_map<char32_t, std::string> others;
};

constexpr char32_t kBlockStart = 0x3000;
constexpr char32_t kBlockEnd = 0x3100;

const Replacements& replacements() {
    static const Replacements r = [] {
        Table made;
        add_katakana(made);
        add_signs(made);
        Replacements written;
        written.block.resize(kBlockEnd - kBlockStart);
        for (const auto& [from, to] : made) {
            const std::string utf8 = text::from_u32(to);
            if (from >= kBlockStart && from < kBlockEnd) {
                written.block[from - kBlockStart] = utf8;
            } else {
                written.others[from] = utf8;
            }
        }
        return written;
    }();
    return r;
}

// The narrowed bytes of a character, up to six (a voiced half-width katakana and its mark).
struct Written {
    std::array<char, 8> bytes{};
    std::uint8_t size = 0;  // 0 when the character stays as it is
};

// Every character of U+3000-U+30FF and U+FF00-U+FFFF (the signs, kana and full-width forms that
// fill a Japanese line) with what it narrows to, indexed by its last twelve bits and the block.
struct CommonTable {
    std::array<Written, 512> written;
};

constexpr std::size_t kFullWidthIndex = 256;

Written written_of(std::string_view utf8) {
    Written w;
    std::char_traits<char>::copy(w.bytes.data(), utf8.data(), utf8.size());
    w.size = static_cast<std::uint8_t>(utf8.size());
    return w;
}

const CommonTable& common_table() {
    static const CommonTable table = [] {
        const Replacements& r = replacements();
        CommonTable t;
        for (std::size_t i = 0; i < 256; ++i) {
            if (!r.block[i].empty()) {
                t.written[i] = written_of(r.block[i]);
            }
            const char32_t c = 0xFF00 + static_cast<char32_t>(i);
            if (c >= 0xFF01 && c <= 0xFF5E) {
                const char ascii = static_cast<char>(c - 0xFEE0);
                t.written[kFullWidthIndex + i] = written_of(std::string_view(&ascii, 1));
            } else if (const auto it = r.others.find(c); it != r.others.end()) {
                t.written[kFullWidthIndex + i] = written_of(it->second);
            }
        }
        return t;
    }();
    return table;
}

}  // namespace

std::string narrow(std::string_view text_in) {
    std::string out;
    narrow_into(text_in, out);
    return out;
}

namespace {

bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Whether the character at pos is one that narrowing never changes and that is well-formed, so
// its bytes can be copied as they stand: ASCII, and the three-byte characters outside
// U+2000-U+2FFF (’ ”), U+3000-U+30FF (signs, kana), U+D000-U+DFFF (surrogates) and
// U+F000-U+FFFF (full-width forms); E0 is left out for its overlong forms. Kanji pass here.
std::size_t plain_char_length(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        return 1;
    }
    const bool three_byte_plain =
        (b0 >= 0xE4 && b0 <= 0xEC) || b0 == 0xE1 || b0 == 0xEE ||
        (b0 == 0xE3 && pos + 1 < s.size() && static_cast<unsigned char>(s[pos + 1]) >= 0x84);
    if (three_byte_plain && pos + 2 < s.size() && is_continuation(static_cast<unsigned char>(s[pos + 1])) &&
        is_continuation(static_cast<unsigned char>(s[pos + 2]))) {
        return 3;
    }
    return 0;
}

// Gathers narrowed bytes a few at a time before they go into the text: a line of full-width
// characters is written three bytes at a time, and a small buffer keeps that cheap.
class Sink {
public:
    explicit Sink(std::string& out) : m_out(out) {}
    void put(char c) {
        if (m_used == kSize) {
            flush();
        }
        m_buffer[m_used++] = c;
    }
    void put(std::string_view bytes) {
        if (bytes.size() > kSize - m_used) {
            flush();
            if (bytes.size() > kSize) {
                m_out.append(bytes);
                return;
            }
        }
        std::char_traits<char>::copy(m_buffer.data() + m_used, bytes.data(), bytes.size());
        m_used += bytes.size();
    }
    // A character's bytes, copied as one fixed block: the buffer has room past its end for it.
    void put(const Written& w) {
        if (m_used > kSize - sizeof w.bytes) {
            flush();
        }
        std::char_traits<char>::copy(m_buffer.data() + m_used, w.bytes.data(), sizeof w.bytes);
        m_used += w.size;
    }
    void flush() {
        m_out.append(m_buffer.data(), m_used);
        m_used = 0;
    }

private:
    static constexpr std::size_t kSize = 256;
    std::string& m_out;
    std::array<char, kSize + 8> m_buffer;  // only the bytes put are read: left uninitialised
    std::size_t m_used = 0;
};

// Narrows a well-formed character of U+3000-U+30FF or U+FF00-U+FFFF at pos straight from its
// bytes through the common table; false for any other character.
bool narrow_common(std::string_view text_in, std::size_t& pos, const CommonTable& table, Sink& out) {
    if (text_in.size() - pos < 3) {
        return false;
    }
    const auto b0 = static_cast<unsigned char>(text_in[pos]);
    const auto b1 = static_cast<unsigned char>(text_in[pos + 1]);
    const auto b2 = static_cast<unsigned char>(text_in[pos + 2]);
    if (!is_continuation(b1) || !is_continuation(b2)) {
        return false;
    }
    const std::size_t low = ((b1 & 0x03u) << 6) | (b2 & 0x3Fu);  // the last eight bits
    std::size_t index = 0;
    if (b0 == 0xE3 && b1 <= 0x83) {  // U+3000 to U+30FF
        index = low;
    } else if (b0 == 0xEF && b1 >= 0xBC) {  // U+FF00 to U+FFFF
        index = kFullWidthIndex + low;
    } else {
        return false;
    }
    const Written& w = table.written[index];
    if (w.size == 0) {
        out.put(text_in.substr(pos, 3));
    } else {
        out.put(w);
    }
    pos += 3;
    return true;
}

// Narrows the one character at pos onto out. What the common table does not cover is left: ’ and
// ”, a malformed byte (the replacement character) and characters that stay as they are.
void narrow_char(std::string_view text_in, std::size_t& pos, const CommonTable& table, Sink& out) {
    if (narrow_common(text_in, pos, table, out)) {
        return;
    }
    const Replacements& r = replacements();
    const std::size_t start = pos;
    const char32_t c = text::decode_next(text_in, pos);
    if (const auto it = r.others.find(c); it != r.others.end()) {
        out.put(it->second);
    } else if (c == 0xFFFD) {
        out.put(text::encode(c));  // also what a malformed byte reads as
    } else {
        out.put(text_in.substr(start, pos - start));
    }
}

}  // namespace

void narrow_into(std::string_view text_in, std::string& out) {
    // Some parsers narrow a line of every contest: runs of characters that stay (ASCII, kanji,
    // hiragana) are copied as their bytes stand, and only the rest is looked up one by one.
    out.clear();
    out.reserve(text_in.size());
    Sink sink(out);
    const CommonTable& table = common_table();
    std::size_t pos = 0;
    std::size_t run = 0;  // start of the bytes still to be copied as they stand
    while (pos < text_in.size()) {
        if (const std::size_t n = plain_char_length(text_in, pos); n > 0) {
            pos += n;
            continue;
        }
        if (pos > run) {
            sink.put(text_in.substr(run, pos - run));
        }
        narrow_char(text_in, pos, table, sink);
        run = pos;
    }
    sink.put(text_in.substr(run));
    sink.flush();
}

}  // namespace velmora::locale
