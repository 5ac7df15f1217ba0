#include "platform/memory_platform.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <system_error>
#include <utility>

#include "platform/command_line.h"
#include "platform/key_notation.h"

namespace velmora::platform {
namespace {

std::filesystem::path make_temporary_root() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = base / ("velmora-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(candidate, ec)) {
            return candidate;
        }
    }
    return base / "velmora-fallback";
}

const char* buttons_word(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return "ok";
        case Buttons::YesNo:
            return "yesno";
        case Buttons::YesNoCancel:
            return "yesnocancel";
    }
    return "ok";
}

const char* answer_word(Answer answer) {
    switch (answer) {
        case Answer::Ok:
            return "ok";
        case Answer::Cancel:
            return "cancel";
        case Answer::Yes:
            return "yes";
        case Answer::No:
            return "no";
    }
    return "ok";
}

}  // namespace

std::string quote_event_text(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buffer[16];
                    std::snprintf(buffer, sizeof buffer, "\\u{%02X}", static_cast<unsigned>(c));
                    out += buffer;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

MemoryPlatform::MemoryPlatform() : m_root(make_temporary_root()) {
    m_program_dir = m_root / "program";
    m_working_dir = m_root / "work";
    std::error_code ec;
    std::filesystem::create_directories(m_program_dir, ec);
    std::filesystem::create_directories(m_working_dir, ec);
}

MemoryPlatform::~MemoryPlatform() {
    std::error_code ec;
    std::filesystem::remove_all(m_root, ec);
}

std::string MemoryPlatform::clipboard_text() {
    return m_clipboard.value_or("");
}

void MemoryPlatform::clipboard_text_into(std::string& text) {
    text.assign(m_clipboard ? std::string_view(*m_clipboard) : std::string_view());
}

void MemoryPlatform::clear_clipboard() {
    m_clipboard.reset();
}

void MemoryPlatform::set_clipboard_text(std::string_view text) {
    m_clipboard = std::string(text);
}

std::vector<std::string> MemoryPlatform::take_events() {
    std::vector<std::string> events;
    events.swap(m_events);
    return events;
}

Answer MemoryPlatform::message_box(std::string_view text, Buttons buttons,
                                   std::optional<std::string_view> title) {
    std::string line = std::string("ask ") + buttons_word(buttons) + " " + quote_event_text(text);
    if (title) {
        line += " title " + quote_event_text(*title);
    }
    Answer answer =
        buttons == Buttons::Ok ? Answer::Ok : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    if (m_answers.empty()) {
        if (!m_unanswered) {
            m_unanswered = line;
        }
    } else {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    log(line + " -> " + answer_word(answer));
    return answer;
}

bool MemoryPlatform::run_allows_send() {
    if (!m_in_run) {
        return true;
    }
    if (m_run_stopped) {
        return false;
    }
    ++m_run_sends;
    return true;
}

void MemoryPlatform::after_send() {
    if (m_in_run && m_stop_after && m_run_sends >= *m_stop_after) {
        m_run_stopped = true;
    }
}

bool MemoryPlatform::send_keys(std::string_view notation) {
    if (!run_allows_send()) {
        return false;
    }
    log("send " + quote_event_text(notation));
    after_send();
    return !parse_key_notation(notation).error.has_value();
}

bool MemoryPlatform::type_text(std::string_view text) {
    if (!run_allows_send()) {
        return false;
    }
    log("type " + quote_event_text(text));
    after_send();
    return true;
}

void MemoryPlatform::begin_send_run() {
    m_in_run = true;
    m_run_sends = 0;
    m_stop_after = std::exchange(m_stop_armed, std::nullopt);
    m_run_stopped = m_stop_after && *m_stop_after <= 0;
}

void MemoryPlatform::end_send_run() {
    m_in_run = false;
    m_stop_after.reset();
}

bool MemoryPlatform::activate_title(std::string_view title) {
    const bool ok = m_title_lookup && m_title_lookup(title);
    log("activate title " + quote_event_text(title) + (ok ? " -> ok" : " -> failed"));
    return ok;
}

bool MemoryPlatform::activate_task(std::optional<TaskId> task, Wait wait) {
    const bool ok = task && *task >= m_open_tasks_from && *task < m_next_task;
    std::string line = "activate task " + (task ? std::to_string(*task) : std::string("none"));
    if (wait == Wait::ForOwnFocus) {
        line += " wait";
    }
    log(line + (ok ? " -> ok" : " -> failed"));
    return ok;
}

std::optional<TaskId> MemoryPlatform::launch(std::string_view program, std::string_view argument) {
    if (reads_as_switch(argument)) {
        return std::nullopt;
    }
    const std::string line =
        argument.empty() ? std::string(program) : std::string(program) + " " + std::string(argument);
    m_launches.push_back({std::string(program), std::string(argument)});
    const TaskId task = m_next_task++;
    log("launch " + quote_event_text(line) + " -> task " + std::to_string(task));
    return task;
}

std::optional<std::string> MemoryPlatform::find_executable(const std::filesystem::path& document) {
    if (!file_exists(document)) {
        return std::nullopt;
    }
    return m_association;
}

bool MemoryPlatform::open_with_default(std::string_view url) {
    const bool works = m_default_opener_works && is_web_address(url);
    log("open " + quote_event_text(url) + (works ? " -> ok" : " -> failed"));
    return works;
}

void MemoryPlatform::tray_add(std::string_view tip) {
    log("tray add " + quote_event_text(tip));
}

void MemoryPlatform::tray_delete() {
    log("tray delete");
}

void MemoryPlatform::place_topmost(std::string_view window, int x, int y, int width, int height) {
    log("topmost " + std::string(window) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
        std::to_string(width) + " " + std::to_string(height));
}

bool MemoryPlatform::file_exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

bool MemoryPlatform::directory_exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace velmora::platform

namespace velmora::platform {
namespace {

constexpr std::string_view kProtectedMark = "MP1";

// FNV-1a over the user and the secret: the check value, and the mask's seed.
std::uint32_t check_value(std::string_view user, std::string_view secret) {
    std::uint32_t h = 2166136261U;
    for (std::string_view part : {user, std::string_view("\n"), secret}) {
        for (char c : part) {
            h = (h ^ static_cast<unsigned char>(c)) * 16777619U;
        }
    }
    return h;
}

std::string masked(std::string_view bytes, std::string_view user) {
    const std::uint32_t seed = check_value(user, {});
    std::string out(bytes);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto mask = static_cast<unsigned char>((seed >> (8 * (i % 4))) ^ (0x5A + i));
        out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) ^ mask);
    }
    return out;
}

}  // namespace

std::optional<std::string> MemoryPlatform::protect_secret(std::string_view secret) {
    const std::uint32_t check = check_value(m_protection_user, secret);
    std::string out(kProtectedMark);
    out += masked(secret, m_protection_user);
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((check >> (8 * i)) & 0xFF);
    }
    return out;
}

std::optional<std::string> MemoryPlatform::unprotect_secret(std::string_view protected_bytes) {
    if (protected_bytes.size() < kProtectedMark.size() + 4 || !protected_bytes.starts_with(kProtectedMark)) {
        return std::nullopt;
    }
    const std::string_view body =
        protected_bytes.substr(kProtectedMark.size(), protected_bytes.size() - kProtectedMark.size() - 4);
    std::string secret = masked(body, m_protection_user);
    const std::uint32_t check = check_value(m_protection_user, secret);
    const std::string_view stored = protected_bytes.substr(protected_bytes.size() - 4);
    for (int i = 0; i < 4; ++i) {
        if (static_cast<unsigned char>(stored[static_cast<std::size_t>(i)]) != ((check >> (8 * i)) & 0xFF)) {
            return std::nullopt;
        }
    }
    return secret;
}

}  // namespace velmora::platform
