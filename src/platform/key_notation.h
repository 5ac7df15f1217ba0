#pragma once
// The program's key notation parsed into key events that a platform injects:
// "+" Shift, "^" Ctrl, "%" Alt for the next key or a parenthesised group, "~" Enter, braced key
// names with an optional repeat count ("{UP 3}"), braced special characters ("{+}"); any other
// character types itself. A malformed string is an error and nothing is to be sent.
//
//   auto keys = parse_key_notation("+({TAB})");   // Shift down, Tab, Shift up

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

enum class Key {
    Character,  // a character that types itself (see KeyEvent::character)
    Tab,
    Enter,
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    Backspace,
    Delete,
    Escape,
    PageUp,
    PageDown,
    Insert,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    F13,
    F14,
    F15,
    F16,
    Shift,
    Control,
    Alt,
    Letter,  // a letter key named after a modifier ("%D" is Alt+D): KeyEvent::character holds it upper-cased
};

struct KeyEvent {
    Key key = Key::Character;
    char32_t character = 0;  // for Character and Letter
    bool down = true;        // modifiers come as down/up pairs; other keys are one press (down = true)
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

struct KeyParse {
    std::vector<KeyEvent> events;  // empty when error is set
    std::optional<std::string> error;
};

KeyParse parse_key_notation(std::string_view notation);

// Short readable form of events for tests and logs: "S+ Tab S-", "A+ D A-", "a b".
std::string describe(const std::vector<KeyEvent>& events);

}  // namespace velmora::platform
