#include "platform/memory_platform.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <system_error>

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

bool MemoryPlatform::send_keys(std::string_view notation) {
    log("send " + quote_event_text(notation));
    return !parse_key_notation(notation).error.has_value();
}

bool MemoryPlatform::type_text(std::string_view text) {
    log("type " + quote_event_text(text));
    return true;
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

std::optional<TaskId> MemoryPlatform::launch(std::string_view command_line) {
    const TaskId task = m_next_task++;
    log("launch " + quote_event_text(command_line) + " -> task " + std::to_string(task));
    return task;
}

std::optional<std::string> MemoryPlatform::find_executable(const std::filesystem::path& document) {
    if (!file_exists(document)) {
        return std::nullopt;
    }
    return m_association;
}

bool MemoryPlatform::open_with_default(std::string_view url) {
    log("open " + quote_event_text(url) + (m_default_opener_works ? " -> ok" : " -> failed"));
    return m_default_opener_works;
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
