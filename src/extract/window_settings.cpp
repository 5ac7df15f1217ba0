#include "extract/window_settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "text/text.h"

namespace velmora::extract {
namespace {

constexpr int kMarkCount = 5;
constexpr double kLargestSize = 2147483647.0;

// A window size: the whole value, blanks around it aside, is one positive decimal number. A size
// larger than a screen could show is held at the largest one, before the window adds to it.
std::optional<long> size_value(std::string_view line) {
    const std::string value = text::trim(line);
    double number = 0;
    const char* first = value.data();
    const char* last = value.data() + value.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, ec] = std::from_chars(first, last, number, std::chars_format::fixed);
    if (value.empty() || ec != std::errc{} || end != last || !(number > 0) || number > kLargestSize) {
        return std::nullopt;
    }
    return std::lround(std::min(number, static_cast<double>(ui::kLargestTwips)));
}

std::optional<bool> mark_value(std::string_view line) {
    const std::string value = text::lower(text::trim(line));
    if (value == "true") {
        return true;
    }
    if (value == "false") {
        return false;
    }
    return std::nullopt;
}

const char* mark_text(bool mark) {
    return mark ? "True" : "False";
}

// Reads the values in file order and applies each one at once; false at the first bad line.
bool apply_lines(const std::vector<std::string>& lines, ui::Form3& form) {
    std::size_t next = 0;
    auto line = [&]() -> std::optional<std::string_view> {
        if (next >= lines.size()) {
            return std::nullopt;
        }
        return std::string_view(lines[next++]);
    };
    auto size = [&]() -> std::optional<long> {
        const auto text = line();
        return text ? size_value(*text) : std::nullopt;
    };
    auto mark = [&]() -> std::optional<bool> {
        const auto text = line();
        return text ? mark_value(*text) : std::nullopt;
    };

    const auto width = size();
    if (!width) {
        return false;
    }
    form.set_width(*width);
    const auto height = size();
    if (!height) {
        return false;
    }
    form.set_height(*height);
    for (int i = 0; i < kMarkCount; ++i) {
        const auto checked = mark();
        if (!checked) {
            return false;
        }
        form.mn3[i].set_checked(*checked);
    }
    for (int i = 0; i < ui::kFormatCount; ++i) {
        const auto visible = mark();
        if (!visible) {
            return false;
        }
        form.pre[i].set_visible(*visible);
    }
    return true;
}

}  // namespace

SettingsRead read_settings(const std::filesystem::path& file, ui::Form3& form) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return SettingsRead::Missing;
    }
    const auto lines = store::read_lines(file);
    if (!lines) {
        return SettingsRead::Stopped;
    }
    return apply_lines(*lines, form) ? SettingsRead::Complete : SettingsRead::Stopped;
}

store::SaveResult write_settings(const std::filesystem::path& file, const ui::Form3& form) {
    std::vector<std::string> lines{store::number_line(static_cast<double>(form.width())),
                                   store::number_line(static_cast<double>(form.height()))};
    for (int i = 0; i < kMarkCount; ++i) {
        lines.emplace_back(mark_text(form.mn3[i].checked()));
    }
    for (int i = 0; i < ui::kFormatCount; ++i) {
        lines.emplace_back(mark_text(form.pre[i].visible()));
    }
    return store::write_lines(file, lines);
}

}  // namespace velmora::extract
