#include "platform/key_notation.h"

#include <array>
#include <utility>

#include "text/text.h"

namespace velmora::platform {
namespace {

struct NamedKey {
    std::string_view name;
    Key key;
};

constexpr std::array<NamedKey, 30> kNamedKeys{{
    {"TAB", Key::Tab},       {"ENTER", Key::Enter}, {"UP", Key::Up},      {"DOWN", Key::Down},
    {"LEFT", Key::Left},     {"RIGHT", Key::Right}, {"HOME", Key::Home},  {"END", Key::End},
    {"BS", Key::Backspace},  {"DEL", Key::Delete},  {"ESC", Key::Escape}, {"PGUP", Key::PageUp},
    {"PGDN", Key::PageDown}, {"INS", Key::Insert},  {"F1", Key::F1},      {"F2", Key::F2},
    {"F3", Key::F3},         {"F4", Key::F4},       {"F5", Key::F5},      {"F6", Key::F6},
    {"F7", Key::F7},         {"F8", Key::F8},       {"F9", Key::F9},      {"F10", Key::F10},
    {"F11", Key::F11},       {"F12", Key::F12},     {"F13", Key::F13},    {"F14", Key::F14},
    {"F15", Key::F15},       {"F16", Key::F16},
}};

bool is_letter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string upper_ascii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 0x20);
        }
    }
    return out;
}

class Parser {
public:
    explicit Parser(std::u32string_view text) : m_text(text) {}

    KeyParse run() {
        KeyParse result;
        if (!sequence(result.events, false) || m_pos != m_text.size()) {
            result.events.clear();
            result.error = m_error.empty() ? std::string("unbalanced key notation") : m_error;
        }
        return result;
    }

private:
    bool fail(std::string message) {
        if (m_error.empty()) {
            m_error = std::move(message);
        }
        return false;
    }

    // Items up to the end, or up to the ")" that closes a group.
    bool sequence(std::vector<KeyEvent>& out, bool in_group) {
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] == U')') {
                if (!in_group) {
                    return fail("\")\" without \"(\"");
                }
                return true;
            }
            if (!item(out)) {
                return false;
            }
        }
        return in_group ? fail("unclosed \"(\"") : true;
    }

    bool item(std::vector<KeyEvent>& out) {
        std::vector<Key> modifiers;
        while (m_pos < m_text.size()) {
            const char32_t c = m_text[m_pos];
            if (c == U'+') {
                modifiers.push_back(Key::Shift);
            } else if (c == U'^') {
                modifiers.push_back(Key::Control);
            } else if (c == U'%') {
                modifiers.push_back(Key::Alt);
            } else {
                break;
            }
            ++m_pos;
        }
        if (m_pos >= m_text.size()) {
            return modifiers.empty() || fail("a modifier without a key");
        }
        for (Key m : modifiers) {
            out.push_back({m, 0, true});
        }
        if (!key_or_group(out, !modifiers.empty())) {
            return false;
        }
        while (!modifiers.empty()) {
            out.push_back({modifiers.back(), 0, false});
            modifiers.pop_back();
        }
        return true;
    }

    bool key_or_group(std::vector<KeyEvent>& out, bool after_modifier) {
        const char32_t c = m_text[m_pos];
        if (c == U'(') {
            // Each group is parsed one level deeper: a text of thousands of "(" must not exhaust
            // the stack. No real key sequence comes near the limit.
            if (++m_depth > kMaxGroupDepth) {
                return fail("groups nested too deeply");
            }
            ++m_pos;
            // Letters in a group held by a modifier name keys, as after the modifier itself.
            m_held += after_modifier ? 1 : 0;
            if (!sequence(out, true)) {
                return false;
            }
            m_held -= after_modifier ? 1 : 0;
            --m_depth;
            ++m_pos;  // the closing ")"
            return true;
        }
        if (c == U')') {
            return fail("\")\" without \"(\"");
        }
        if (c == U'}') {
            return fail("a stray \"}\"");
        }
        if (c == U'{') {
            return braced(out, after_modifier);
        }
        ++m_pos;
        if (c == U'~') {
            out.push_back({Key::Enter, 0, true});
        } else {
            out.push_back(plain(c, after_modifier));
        }
        return true;
    }

    KeyEvent plain(char32_t c, bool after_modifier) const {
        if ((after_modifier || m_held > 0) && is_letter(c)) {
            return {Key::Letter, c >= U'a' ? c - 0x20 : c, true};
        }
        return {Key::Character, c, true};
    }

    bool braced(std::vector<KeyEvent>& out, bool after_modifier) {
        // "{}}" and "{{}" name the braces themselves.
        std::size_t close = m_text.find(U'}', m_pos + 2);
        if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == U'}') {
            close = m_pos + 2 < m_text.size() && m_text[m_pos + 2] == U'}' ? m_pos + 2
                                                                           : std::u32string_view::npos;
            if (close == std::u32string_view::npos) {
                return fail("an empty \"{}\"");
            }
        }
        if (close == std::u32string_view::npos) {
            return fail("\"{\" without \"}\"");
        }
        const std::u32string_view inside = m_text.substr(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        std::u32string_view name = inside;
        long count = 1;
        const std::size_t blank = inside.find(U' ', 1);
        if (blank != std::u32string_view::npos) {
            name = inside.substr(0, blank);
            const std::u32string_view digits = inside.substr(blank + 1);
            if (digits.empty() || digits.size() > 4) {
                return fail("a bad repeat count");
            }
            count = 0;
            for (char32_t d : digits) {
                if (d < U'0' || d > U'9') {
                    return fail("a bad repeat count");
                }
                count = count * 10 + static_cast<long>(d - U'0');
            }
        }
        KeyEvent event;
        if (name.size() == 1) {
            event = plain(name[0], after_modifier);
        } else {
            const std::string upper = upper_ascii(text::from_u32(name));
            bool found = false;
            for (const NamedKey& named : kNamedKeys) {
                if (named.name == upper) {
                    event = {named.key, 0, true};
                    found = true;
                }
            }
            if (!found) {
                return fail("an unknown key name");
            }
        }
        for (long i = 0; i < count; ++i) {
            out.push_back(event);
        }
        return true;
    }

    std::u32string_view m_text;
    static constexpr int kMaxGroupDepth = 100;

    std::size_t m_pos = 0;
    int m_held = 0;
    int m_depth = 0;
    std::string m_error;
};

std::string key_word(const KeyEvent& e) {
    switch (e.key) {
        case Key::Character:
        case Key::Letter:
            return text::encode(e.character);
        case Key::Shift:
            return e.down ? "S+" : "S-";
        case Key::Control:
            return e.down ? "C+" : "C-";
        case Key::Alt:
            return e.down ? "A+" : "A-";
        default:
            break;
    }
    for (const NamedKey& named : kNamedKeys) {
        if (named.key == e.key) {
            std::string word(named.name);
            for (std::size_t i = 1; i < word.size(); ++i) {
                if (word[i] >= 'A' && word[i] <= 'Z') {
                    word[i] = static_cast<char>(word[i] + 0x20);
                }
            }
            return word;
        }
    }
    return "?";
}

}  // namespace

KeyParse parse_key_notation(std::string_view notation) {
    const std::u32string text = text::to_u32(notation);
    return Parser(text).run();
}

std::string describe(const std::vector<KeyEvent>& events) {
    std::string out;
    for (const KeyEvent& e : events) {
        if (!out.empty()) {
            out += ' ';
        }
        out += key_word(e);
    }
    return out;
}

}  // namespace velmora::platform
