#pragma once
// The one interface to the desktop: clock, clipboard, message boxes, key injection and the
// user's own input that stops it, window activation, program launch, file association, tray
// icon, topmost placement, the two directories and the user's data protection. The core asks
// the desktop for everything through it; MemoryPlatform is the headless implementation, the
// Win32 front end the real one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/date.h"

namespace velmora::platform {

enum class Buttons { Ok, YesNo, YesNoCancel };
// The platform's answer codes, as the program compares them (Yes 6, No 7, Cancel 2).
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// Whether an activation waits until the program's own window has the input focus.
enum class Wait { No, ForOwnFocus };

// A program the platform launched; tasks are numbered from 1 in launch order.
using TaskId = long;

class Platform {
public:
    virtual ~Platform() = default;

    virtual locale::DateTime now() = 0;

    // The clipboard's plain text; the empty text when it holds none.
    virtual std::string clipboard_text() = 0;
    // clipboard_text into a buffer the caller keeps, so that a newsletter read again and again
    // reuses its room.
    virtual void clipboard_text_into(std::string& text) { text = clipboard_text(); }
    virtual void clear_clipboard() = 0;
    virtual void set_clipboard_text(std::string_view text) = 0;

    // A message box with the program's default title, or `title` when given.
    virtual Answer message_box(std::string_view text, Buttons buttons,
                               std::optional<std::string_view> title = std::nullopt) = 0;

    // Injects a key-sequence string in the program's notation ("{TAB}", "+({TAB})", "%D").
    // False when the string is no valid notation or the keys could not be sent; nothing is sent then.
    virtual bool send_keys(std::string_view notation) = 0;
    // Types a text literally, character by character (never read as notation).
    virtual bool type_text(std::string_view text) = 0;

    // A run of sends (a profile row, an ID entry, a flowchart, the hand-over to the browser) lasts
    // from begin_send_run to end_send_run. Meanwhile a key press or a mouse click of the user's
    // own (never a key the program injects) stops it: send_run_stopped() turns true and every
    // later send or typed text of the run is refused. Runs do not nest.
    virtual void begin_send_run() = 0;
    virtual void end_send_run() = 0;
    virtual bool send_run_stopped() = 0;

    // Brings the window with this title to the front at once.
    virtual bool activate_title(std::string_view title) = 0;
    // Brings the window of a launched task to the front; nullopt is "no task was launched".
    virtual bool activate_task(std::optional<TaskId> task, Wait wait) = 0;

    // Starts a program, its window shown without taking the focus, with one argument (none when
    // empty) that reaches it whole, whatever blanks or quotes it holds. nullopt when it could not
    // be started, or the argument reads as a switch (see command_line.h).
    virtual std::optional<TaskId> launch(std::string_view program, std::string_view argument = {}) = 0;
    // The program that opens the given document (the file association); nullopt when none.
    virtual std::optional<std::string> find_executable(const std::filesystem::path& document) = 0;
    // Hands a web address to the desktop's default opener; false when that failed too, and for
    // a text that is no http:// or https:// address (which may name a program or a share).
    virtual bool open_with_default(std::string_view url) = 0;

    virtual void tray_add(std::string_view tip) = 0;
    virtual void tray_delete() = 0;

    // Places a window above all ordinary windows, shown, not activated (pixels).
    virtual void place_topmost(std::string_view window, int x, int y, int width, int height) = 0;

    virtual bool file_exists(const std::filesystem::path& path) = 0;
    virtual bool directory_exists(const std::filesystem::path& path) = 0;
    // Where the data files live (the program's own directory) and the working directory.
    virtual std::filesystem::path program_directory() = 0;
    virtual std::filesystem::path working_directory() = 0;

    // Protects a secret so that only the same user on the same machine can read it back; the
    // result is opaque bytes, never the secret itself. nullopt when the desktop refused.
    virtual std::optional<std::string> protect_secret(std::string_view secret) = 0;
    // The secret back; nullopt when these bytes cannot be read here (another user or machine,
    // or damaged).
    virtual std::optional<std::string> unprotect_secret(std::string_view protected_bytes) = 0;
};

}  // namespace velmora::platform
