#pragma once
// The primitives every newsletter parser works through: the clipboard read into lines, the
// state reset, the rows added to the title, detail and data lists, the detail-block copy and
// the status display, all acting on the extraction window's state.
//
//   void P117(extract::Primitives& x) { x.SKK(); x.GetLi(); x.form.List2.clear(); ... x.LA0(title); }

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/date.h"
#include "platform/platform.h"
#include "text/step_count.h"
#include "ui/form3.h"

namespace velmora::extract {

class Primitives {
public:
    Primitives(ui::Form3& form, platform::Platform& platform) : form(form), platform(platform) {}

    ui::Form3& form;
    platform::Platform& platform;

    // The clipboard text split at every CR LF into Lines (the empty text gives no lines).
    void GetLi();
    // Lines from a given text instead of the clipboard (format 116 edits the text first).
    void set_lines_from(std::string_view text);
    // The last index a parser scans: the upper bound of Lines minus 1 (-2 for no lines).
    long ULI() const { return static_cast<long>(form.Lines.size()) - 2; }
    // Memo, ItemNo and Mode back to their start values.
    void SKK();

    // Line k of Lines; a line beyond either end reads as the empty text. Each read counts as a
    // step of the parse.
    std::string_view L(long k) const {
        text::count_steps(1);
        if (k < 0 || k >= static_cast<long>(form.Lines.size())) {
            return {};
        }
        return form.Lines[static_cast<std::size_t>(k)];
    }
    // Replaces line k in Lines (nothing happens for a line beyond either end).
    void set_line(long k, std::string_view text);

    // Trims the caller's title in place and adds it to List1, List2 and List3 (starts a contest entry).
    void LA0(std::string& title);
    // LA0 of a title the caller keeps as it is.
    void LA0(std::string_view title);
    void LA1(std::string_view text);  // List1 only, trimmed
    void LA2(std::string_view text);  // List2 only, trimmed (the empty text is a blank separator row)
    void LA3(std::string_view text);  // List3 only, trimmed (deadline and URL rows)

    // Copies a detail block from line `start` to List2 up to the stop line (a line containing the
    // marker, or for an empty marker the first blank line), adds one blank row, and returns the
    // stop line's index (ULI() + 1 when none stopped it).
    long Naiyou(long start, std::string_view marker);

    // Shows Memo in Text1 and the status code held in ItemNo in Label1.
    void ChLa();

    // Shared procedures with the platform's clock. A parse reads many deadlines written alike:
    // FixDate remembers its answers for as long as the day it measures from stays the same.
    std::string FixDate(std::string_view text) const;
    static std::string SeqLabel(long n);
    static std::string narrow(std::string_view text);
    // narrow into `out`, reusing its buffer (`text` must not lie in it).
    static void narrow_into(std::string_view text, std::string& out);
    // Today as the window keeps it (refreshed on activation).
    const std::string& Today() const { return form.Today; }

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    mutable std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> m_dates;
    mutable locale::CivilDate m_dates_day;
    mutable long m_dates_rounded = -1;
    mutable locale::DateTime m_dates_now{0, 0, 0, 0, 0, 0};  // no clock reads this
};

}  // namespace velmora::extract
