#pragma once
// The real desktop: the Platform interface on the Win32 API. The clipboard, message boxes, key
// injection with SendInput (stopped by the user's own keys and clicks, watched by low-level
// hooks), window activation with the foreground rules, program launch, the file association,
// the tray icon, the topmost placement of the program's own windows and the user's data
// protection (CryptProtectData).
//
//   Win32Platform desktop;  desktop.set_window_lookup([&](std::string_view name) { ... });

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "browser_task.h"
#include "platform/platform.h"
#include "user_input_watch.h"

namespace velmora::win32 {

class Win32Platform : public platform::Platform {
public:
    Win32Platform() = default;
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // The window message the tray icon sends to the main window.
    static constexpr UINT kTrayMessage = WM_APP + 1;

    // The native window of one of the program's windows ("Form1"), null when it has none yet.
    void set_window_lookup(std::function<HWND(std::string_view)> lookup) { m_lookup = std::move(lookup); }
    // Puts the captions that the running event has set onto the screen, before a window is looked
    // for by its caption (the program activates its own window by the caption it has just given it).
    void set_caption_sync(std::function<void()> sync) { m_caption_sync = std::move(sync); }

    locale::DateTime now() override;
    std::string clipboard_text() override;
    void clear_clipboard() override;
    void set_clipboard_text(std::string_view text) override;
    platform::Answer message_box(std::string_view text, platform::Buttons buttons,
                                 std::optional<std::string_view> title) override;
    bool send_keys(std::string_view notation) override;
    bool type_text(std::string_view text) override;
    void begin_send_run() override;
    void end_send_run() override;
    bool send_run_stopped() override;
    bool activate_title(std::string_view title) override;
    bool activate_task(std::optional<platform::TaskId> task, platform::Wait wait) override;
    std::optional<platform::TaskId> launch(std::string_view program, std::string_view argument = {}) override;
    std::optional<std::string> find_executable(const std::filesystem::path& document) override;
    bool open_with_default(std::string_view url) override;
    void tray_add(std::string_view tip) override;
    void tray_delete() override;
    void place_topmost(std::string_view window, int x, int y, int width, int height) override;
    bool file_exists(const std::filesystem::path& path) override;
    bool directory_exists(const std::filesystem::path& path) override;
    std::filesystem::path program_directory() override;
    std::filesystem::path working_directory() override;
    std::optional<std::string> protect_secret(std::string_view secret) override;
    std::optional<std::string> unprotect_secret(std::string_view protected_bytes) override;

    // Looks which window is in front; a window of another program that has come there since the
    // last look is told to the tasks whose window is not known yet. A timer calls it for a while
    // after each launch.
    void look_at_front();

private:
    HWND own_window(std::string_view name) const { return m_lookup ? m_lookup(name) : nullptr; }
    // Sends key units one by one; stops when the foreground window is no longer the one activated.
    bool send_units(const std::vector<std::vector<INPUT>>& units, const std::vector<DWORD>& pauses);
    bool bring_to_front(HWND window);

    std::function<HWND(std::string_view)> m_lookup;
    std::function<void()> m_caption_sync;
    // Starts looking at the front window, from the one in front now.
    void watch_front();

    std::map<platform::TaskId, BrowserTask> m_tasks;
    UINT_PTR m_front_timer = 0;
    int m_front_looks_left = 0;
    HWND m_last_front = nullptr;
    platform::TaskId m_next_task = 1;
    HWND m_last_activated = nullptr;
    // Set when a send found another window in front: no more keys until the next activation.
    bool m_sending_stopped = false;
    // The user's own keys and clicks during a run of sends.
    UserInputWatch m_user_input;
    bool m_in_run = false;
    bool m_tray_shown = false;
};

}  // namespace velmora::win32
