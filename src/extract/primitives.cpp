#include "extract/primitives.h"

#include "ledger/shared_procedures.h"
#include "platform/date.h"
#include "platform/narrow.h"
#include "text/text.h"

namespace velmora::extract {

void Primitives::GetLi() {
    // The clipboard's text is read into the lines' own block: a newsletter is not copied again,
    // and the room of the last one is used again.
    std::string block = form.Lines.take_block();
    platform.clipboard_text_into(block);
    form.Lines.assign_split(std::move(block), "\r\n");
}

void Primitives::set_lines_from(std::string_view text) {
    form.Lines.assign_split(std::string(text), "\r\n");
}

void Primitives::SKK() {
    form.Memo.clear();
    form.ItemNo = 0;
    form.Mode = 0;
}

void Primitives::set_line(long k, std::string_view text) {
    if (k < 0 || k >= static_cast<long>(form.Lines.size())) {
        return;
    }
    form.Lines.assign(static_cast<std::size_t>(k), text);
}

void Primitives::LA0(std::string& title) {
    text::trim_in_place(title);
    form.List1.add_item(title);
    form.List2.add_item(title);
    form.List3.add_item(title);
}

void Primitives::LA0(std::string_view title) {
    const std::string_view trimmed = text::trim_view(title);
    form.List1.add_item(trimmed);
    form.List2.add_item(trimmed);
    form.List3.add_item(trimmed);
}

void Primitives::LA1(std::string_view text) {
    form.List1.add_item(text::trim_view(text));
}
void Primitives::LA2(std::string_view text) {
    form.List2.add_item(text::trim_view(text));
}
void Primitives::LA3(std::string_view text) {
    form.List3.add_item(text::trim_view(text));
}

long Primitives::Naiyou(long start, std::string_view marker) {
    const long last = ULI();
    long k = start;
    for (; k <= last; ++k) {
        const std::string_view line = L(k);
        if (!marker.empty() && text::contains(line, marker)) {
            break;
        }
        const std::string_view trimmed = text::trim_view(line);
        if (marker.empty() && trimmed.empty()) {
            break;
        }
        if (!trimmed.empty()) {
            form.List2.add_item(trimmed);  // LA2 of a text already trimmed
        }
    }
    LA2("");
    // A start beyond the last index stops at once; the loop variable then holds the start.
    return k;
}

void Primitives::ChLa() {
    form.Text1.set_text("\r\n" + form.Memo);
    switch (form.ItemNo) {
        case 0:
            form.Label1.set_caption("OK");
            break;
        case 1:
        case 11:
            form.Label1.set_caption("応募終了！");
            break;
        case 10:
            form.Label1.set_caption("会員登録！");
            break;
        default:
            break;
    }
    form.Label1.set_colour(form.ItemNo == 0 ? ui::Colour::Normal : ui::Colour::Red);
}

std::string Primitives::FixDate(std::string_view text) const {
    // The answer depends on the text, today's date and the day number rounded at noon.
    constexpr std::size_t kMaxRemembered = 4096;
    const locale::DateTime now = platform.now();
    if (now != m_dates_now) {  // the clock moved: the answers stay while day and rounding do
        m_dates_now = now;
        const long rounded = locale::rounded_day_number(now);
        if (rounded != m_dates_rounded || now.date() != m_dates_day) {
            m_dates.clear();
            m_dates_rounded = rounded;
            m_dates_day = now.date();
        }
    }
    if (m_dates.size() >= kMaxRemembered) {
        m_dates.clear();
    }
    if (const auto it = m_dates.find(text); it != m_dates.end()) {
        return it->second;
    }
    std::string date = ledger::FixDate(text, now);
    m_dates.emplace(std::string(text), date);
    return date;
}

std::string Primitives::SeqLabel(long n) {
    return ledger::SeqLabel(n);
}

std::string Primitives::narrow(std::string_view text) {
    return locale::narrow(text);
}

void Primitives::narrow_into(std::string_view text, std::string& out) {
    locale::narrow_into(text, out);
}

}  // namespace velmora::extract
