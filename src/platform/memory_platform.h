#pragma once
// The headless desktop: a set clock, queued message-box answers, a clipboard, numbered tasks
// whose browser is "open" until told otherwise, real temporary directories, a user who may stop
// a run of sends, a reversible stand-in for the data protection, and a log of every
// interaction in the event-line format of the scenario files. The scenario runner and the
// command-line tools run the program on it.
//
//   MemoryPlatform p;  p.set_now({2001, 5, 10, 9, 0, 0});  p.queue_answer(Answer::Yes);

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace velmora::platform {

class MemoryPlatform : public Platform {
public:
    // Creates two fresh temporary directories (program and working); they are removed with it.
    MemoryPlatform();
    ~MemoryPlatform() override;
    MemoryPlatform(const MemoryPlatform&) = delete;
    MemoryPlatform& operator=(const MemoryPlatform&) = delete;

    // Set-up.
    void set_now(const locale::DateTime& now) { m_now = now; }
    void queue_answer(Answer answer) { m_answers.push_back(answer); }
    std::size_t queued_answers() const { return m_answers.size(); }
    void set_association(std::optional<std::string> program) { m_association = std::move(program); }
    // Every browser launched so far is gone: activating it fails from now on.
    void close_browsers() { m_open_tasks_from = m_next_task; }
    void set_default_opener_works(bool works) { m_default_opener_works = works; }
    // The user presses a key of their own during the next run of sends, once `sends` of its
    // sends or typed texts have gone out (0: as the run begins); the rest of that run is refused.
    void stop_next_run_after(int sends) { m_stop_armed = sends; }
    // Who is logged on: data protected by one user cannot be read back by another.
    void set_protection_user(std::string_view user) { m_protection_user = std::string(user); }
    // The event lines logged since the last call.
    std::vector<std::string> take_events();
    const std::vector<std::string>& events() const { return m_events; }
    // A message box asked with no answer queued; the runner fails the scenario on it.
    const std::optional<std::string>& unanswered() const { return m_unanswered; }
    void clear_unanswered() { m_unanswered.reset(); }
    bool clipboard_has_text() const { return m_clipboard.has_value(); }
    // Every launch as asked: the program and its one argument, apart.
    struct Launch {
        std::string program;
        std::string argument;
        friend bool operator==(const Launch&, const Launch&) = default;
    };
    const std::vector<Launch>& launches() const { return m_launches; }

    // Platform.
    locale::DateTime now() override { return m_now; }
    std::string clipboard_text() override;
    void clipboard_text_into(std::string& text) override;
    void clear_clipboard() override;
    void set_clipboard_text(std::string_view text) override;
    Answer message_box(std::string_view text, Buttons buttons,
                       std::optional<std::string_view> title = std::nullopt) override;
    bool send_keys(std::string_view notation) override;
    bool type_text(std::string_view text) override;
    void begin_send_run() override;
    void end_send_run() override;
    bool send_run_stopped() override { return m_run_stopped; }
    bool activate_title(std::string_view title) override;
    bool activate_task(std::optional<TaskId> task, Wait wait) override;
    // Logged as the program and its argument with one blank between, as the user would read it.
    std::optional<TaskId> launch(std::string_view program, std::string_view argument = {}) override;
    std::optional<std::string> find_executable(const std::filesystem::path& document) override;
    bool open_with_default(std::string_view url) override;
    void tray_add(std::string_view tip) override;
    void tray_delete() override;
    void place_topmost(std::string_view window, int x, int y, int width, int height) override;
    bool file_exists(const std::filesystem::path& path) override;
    bool directory_exists(const std::filesystem::path& path) override;
    std::filesystem::path program_directory() override { return m_program_dir; }
    std::filesystem::path working_directory() override { return m_working_dir; }
    // A reversible stand-in that never gives back its input: a mark, the bytes masked by the
    // user, a check value (damaged bytes or another user's read back as nothing).
    std::optional<std::string> protect_secret(std::string_view secret) override;
    std::optional<std::string> unprotect_secret(std::string_view protected_bytes) override;

    // Answers whether a window with this title exists (the program's own windows, for activation).
    void set_title_lookup(std::function<bool(std::string_view)> lookup) {
        m_title_lookup = std::move(lookup);
    }

private:
    void log(std::string line) { m_events.push_back(std::move(line)); }
    // Counts one send of the current run; false when the run was stopped before it.
    bool run_allows_send();
    // After a send of the current run: the armed user's key arrives once enough have gone out.
    void after_send();

    locale::DateTime m_now{2001, 5, 10, 9, 0, 0};
    std::optional<std::string> m_clipboard;
    std::deque<Answer> m_answers;
    std::optional<std::string> m_unanswered;
    std::optional<std::string> m_association = std::string("C:\\Browser\\browser.exe");
    bool m_default_opener_works = true;
    std::optional<int> m_stop_armed;
    std::optional<int> m_stop_after;
    bool m_in_run = false;
    bool m_run_stopped = false;
    int m_run_sends = 0;
    std::string m_protection_user = "user";
    TaskId m_next_task = 1;
    TaskId m_open_tasks_from = 1;
    std::function<bool(std::string_view)> m_title_lookup;
    std::vector<std::string> m_events;
    std::vector<Launch> m_launches;
    std::filesystem::path m_root;
    std::filesystem::path m_program_dir;
    std::filesystem::path m_working_dir;
};

// A text as an event line writes it: in double quotes, with \" \\ \r \n \t and \u{XX} escapes.
std::string quote_event_text(std::string_view text);

}  // namespace velmora::platform
