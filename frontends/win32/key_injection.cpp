// Key injection with SendInput. The program's key notation becomes virtual-key presses with scan
// codes; user texts become Unicode key events (a surrogate pair goes in one unit). Units are sent
// one at a time with a pause, longer after keys that make the browser work (Tab, Enter, Alt+D,
// Ctrl+V), and the foreground window is checked before each unit: keys never go astray. During
// a run of sends the pause ends early when the user presses a key or clicks, and no unit follows.

#include <string>
#include <vector>

#include "platform/key_notation.h"
#include "trace.h"
#include "wide.h"
#include "win32_platform.h"

namespace velmora::win32 {
namespace {

using platform::Key;
using platform::KeyEvent;

constexpr DWORD kShortPause = 15;
constexpr DWORD kLongPause = 120;

struct Unit {
    std::vector<INPUT> inputs;
    DWORD pause = kShortPause;
};

INPUT virtual_key(WORD vk, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    static constexpr WORD kExtended[] = {VK_UP,  VK_DOWN,  VK_LEFT, VK_RIGHT,  VK_HOME,
                                         VK_END, VK_PRIOR, VK_NEXT, VK_INSERT, VK_DELETE};
    for (WORD e : kExtended) {
        if (e == vk) {
            in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        }
    }
    return in;
}

INPUT unicode_unit(wchar_t c, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = c;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
    return in;
}

WORD key_code(Key key) {
    switch (key) {
        case Key::Tab:
            return VK_TAB;
        case Key::Enter:
            return VK_RETURN;
        case Key::Up:
            return VK_UP;
        case Key::Down:
            return VK_DOWN;
        case Key::Left:
            return VK_LEFT;
        case Key::Right:
            return VK_RIGHT;
        case Key::Home:
            return VK_HOME;
        case Key::End:
            return VK_END;
        case Key::Backspace:
            return VK_BACK;
        case Key::Delete:
            return VK_DELETE;
        case Key::Escape:
            return VK_ESCAPE;
        case Key::PageUp:
            return VK_PRIOR;
        case Key::PageDown:
            return VK_NEXT;
        case Key::Insert:
            return VK_INSERT;
        case Key::Shift:
            return VK_SHIFT;
        case Key::Control:
            return VK_CONTROL;
        case Key::Alt:
            return VK_MENU;
        default:
            if (key >= Key::F1 && key <= Key::F16) {
                return static_cast<WORD>(VK_F1 + (static_cast<int>(key) - static_cast<int>(Key::F1)));
            }
            return 0;
    }
}

// A character as Unicode events: one press per UTF-16 unit, both halves of a pair together.
void append_character(std::vector<INPUT>& inputs, char32_t c) {
    wchar_t units[2] = {static_cast<wchar_t>(c), 0};
    int n = 1;
    if (c >= 0x10000) {
        units[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        n = 2;
    }
    for (int i = 0; i < n; ++i) {
        inputs.push_back(unicode_unit(units[i], true));
    }
    for (int i = 0; i < n; ++i) {
        inputs.push_back(unicode_unit(units[i], false));
    }
}

// A key press of the notation; a letter after a modifier is the letter's key, not its text.
void append_press(std::vector<INPUT>& inputs, const KeyEvent& e) {
    if (e.key == Key::Character) {
        append_character(inputs, e.character);
        return;
    }
    WORD vk = e.key == Key::Letter ? static_cast<WORD>(e.character) : key_code(e.key);
    if (e.key == Key::Letter && !(e.character >= U'A' && e.character <= U'Z') &&
        !(e.character >= U'0' && e.character <= U'9')) {
        const SHORT scan = VkKeyScanW(static_cast<wchar_t>(e.character));
        vk = scan == -1 ? 0 : static_cast<WORD>(scan & 0xFF);
    }
    if (vk != 0) {
        inputs.push_back(virtual_key(vk, true));
        inputs.push_back(virtual_key(vk, false));
    }
}

bool is_modifier(Key k) {
    return k == Key::Shift || k == Key::Control || k == Key::Alt;
}

// Units of the notation: a modifier group (down ... up) is one unit, every other press one unit.
std::vector<Unit> units_of(const std::vector<KeyEvent>& events) {
    std::vector<Unit> units;
    int held = 0;
    bool alt = false;
    bool ctrl = false;
    for (const KeyEvent& e : events) {
        if (held == 0) {
            units.emplace_back();
        }
        Unit& unit = units.back();
        if (is_modifier(e.key)) {
            unit.inputs.push_back(virtual_key(key_code(e.key), e.down));
            held += e.down ? 1 : -1;
            alt = e.key == Key::Alt ? e.down : alt;
            ctrl = e.key == Key::Control ? e.down : ctrl;
            continue;
        }
        append_press(unit.inputs, e);
        const bool letter_d = e.key == Key::Letter && e.character == U'D';
        const bool letter_v = e.key == Key::Letter && e.character == U'V';
        if (e.key == Key::Tab || e.key == Key::Enter || (alt && letter_d) || (ctrl && letter_v)) {
            unit.pause = kLongPause;
        }
    }
    return units;
}

}  // namespace

bool Win32Platform::send_keys(std::string_view notation) {
    trace("keys", notation);
    const platform::KeyParse parse = platform::parse_key_notation(notation);
    if (parse.error) {
        return false;
    }
    std::vector<std::vector<INPUT>> inputs;
    std::vector<DWORD> pauses;
    for (Unit& unit : units_of(parse.events)) {
        inputs.push_back(std::move(unit.inputs));
        pauses.push_back(unit.pause);
    }
    return send_units(inputs, pauses);
}

bool Win32Platform::type_text(std::string_view text) {
    trace("text", std::to_string(text.size()) + " bytes");
    const std::wstring wide = widen(text);
    std::vector<std::vector<INPUT>> inputs;
    std::vector<DWORD> pauses;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        std::vector<INPUT> unit;
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size();
        const std::size_t n = pair ? 2 : 1;
        for (std::size_t k = 0; k < n; ++k) {
            unit.push_back(unicode_unit(wide[i + k], true));
        }
        for (std::size_t k = 0; k < n; ++k) {
            unit.push_back(unicode_unit(wide[i + k], false));
        }
        i += n - 1;
        inputs.push_back(std::move(unit));
        pauses.push_back(kShortPause);
    }
    return send_units(inputs, pauses);
}

void Win32Platform::begin_send_run() {
    m_in_run = m_user_input.start();
    trace("send run", m_in_run ? "begins, watching the user's keys and clicks" : "begins, unwatched");
}

void Win32Platform::end_send_run() {
    m_user_input.stop();
    m_in_run = false;
    trace("send run", send_run_stopped() ? "ended: the user stopped it" : "ended");
}

bool Win32Platform::send_run_stopped() {
    return m_user_input.input_seen();
}

bool Win32Platform::send_units(const std::vector<std::vector<INPUT>>& units,
                               const std::vector<DWORD>& pauses) {
    HWND target = m_last_activated != nullptr ? m_last_activated : GetForegroundWindow();
    // Once the user has brought another window to the front, the rest of a run of sends is
    // dropped, also when the target comes back: its keys would land in the wrong fields. The
    // same holds once the user has pressed a key or clicked during the run.
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (m_in_run && m_user_input.input_seen()) {
            trace("send stopped", target,
                  "unit " + std::to_string(i) + " of " + std::to_string(units.size()) + ", the user's input");
            return false;
        }
        if (m_sending_stopped || target == nullptr || GetForegroundWindow() != target) {
            trace("send stopped", target,
                  "unit " + std::to_string(i) + " of " + std::to_string(units.size()) +
                      (m_sending_stopped ? ", stopped before" : ", another window in front"));
            m_sending_stopped = true;
            return false;
        }
        std::vector<INPUT> unit = units[i];
        if (unit.empty()) {
            continue;
        }
        const UINT sent = SendInput(static_cast<UINT>(unit.size()), unit.data(), sizeof(INPUT));
        if (sent != unit.size()) {
            trace("send refused", target,
                  "unit " + std::to_string(i) + ": " + std::to_string(GetLastError()));
            return false;
        }
        if (m_in_run) {
            m_user_input.wait_for_input(pauses[i]);
        } else {
            Sleep(pauses[i]);
        }
    }
    trace("sent", target, std::to_string(units.size()) + " units");
    return true;
}

}  // namespace velmora::win32
