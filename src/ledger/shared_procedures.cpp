#include "ledger/shared_procedures.h"

#include <cstdio>

#include "text/text.h"

namespace velmora::ledger {

std::string HisItem(std::string_view record, int k) {
    if (k == 0) {
        return text::mid(record, 1, 10);
    }
    if (k == 1) {
        return text::mid(record, 11, 10);
    }
    if (k >= 2 && k <= 6) {
        return text::mid(record, 19 + k, 1);
    }
    if (k == 7) {
        return text::mid(record, 26);
    }
    return {};
}

std::string url_with_slash(std::string_view url) {
    const std::vector<std::string> pieces = text::split(url, "/");
    std::string result(url);
    if (pieces.empty()) {
        // The empty text is one empty piece: it ends with nothing to complete.
        return result;
    }
    const std::string& last = pieces.back();
    if (last.empty()) {
        return result;
    }
    if (pieces.size() == 3 || !text::contains(last, ".")) {
        result += "/";
    }
    return result;
}

std::string AddUrlSlash(std::string_view url, platform::Platform& platform) {
    std::string result = url_with_slash(url);
    if (result != url) {
        CopyText(platform, url);
    }
    return result;
}

std::string UrlRoot(std::string_view url) {
    long position = 0;
    for (int i = 0; i < 4; ++i) {
        const long next = text::find(url, "/", position + 1);
        if (next > 0) {
            position = next;
        }
    }
    return text::left(url, position);
}

bool is_site_root(std::string_view root) {
    const std::size_t first_slash = root.find('/');
    if (first_slash == std::string_view::npos || first_slash < 2 || root[first_slash - 1] != ':' ||
        root.substr(first_slash, 2) != "//") {
        return false;
    }
    const std::size_t host = first_slash + 2;
    const std::size_t host_end = root.find('/', host);
    return host_end != std::string_view::npos && host_end > host;
}

void CopyText(platform::Platform& platform, std::string_view text) {
    platform.clear_clipboard();
    platform.set_clipboard_text(text);
}

std::string FixDate(std::string_view text, const locale::DateTime& now) {
    // Parsers read every deadline through here: today is written only when it is the answer.
    const auto today = [&now] { return locale::format_date(now.date()); };
    const std::string trimmed = text::trim(text);
    const auto date = locale::read_date(trimmed, now.year);
    if (!date) {
        return today();
    }
    const std::string written = locale::format_date(*date);
    if (locale::rounded_day_number(now) - locale::day_number(*date) > 150) {
        // Long past: the same month and day next year (a February 29 that next year lacks is no date).
        const std::string next_year = std::to_string(now.year + 1) + text::right(written, 6);
        const auto moved = locale::read_date(next_year, now.year);
        return moved ? locale::format_date(*moved) : today();
    }
    return written;
}

std::string today_text(const locale::DateTime& now) {
    return FixDate(locale::format_date_time(now), now);
}

std::string contest_line(std::string_view clipboard_text) {
    const std::size_t first = clipboard_text.find_first_not_of("\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = clipboard_text.substr(first);
    return std::string(rest.substr(0, rest.find_first_of("\r\n")));
}

std::string SeqLabel(long n) {
    if (n < 0) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%02ld ", n);
        return buffer;
    }
    // Every parser calls this once per contest: the digits are written without a formatted print.
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0);
    std::string label(count < 2 ? 1 : 0, '0');
    while (count > 0) {
        label += digits[--count];
    }
    label += ' ';
    return label;
}

}  // namespace velmora::ledger
