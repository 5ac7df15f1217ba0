#include "text/packed_lines.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "text/text.h"

namespace velmora::text {
namespace {

// Where `needle` (not empty) first stands in `block` at or after `from`; npos when nowhere. The C
// library's memmem where there is one (it is the quickest search over megabytes of text), a
// Horspool search elsewhere.
std::size_t search_block(std::string_view block, std::size_t from, std::string_view needle) {
    const std::string_view rest = block.substr(from);
#if defined(__GLIBC__)
    const void* hit = memmem(rest.data(), rest.size(), needle.data(), needle.size());
    return hit == nullptr ? std::string_view::npos
                          : from + static_cast<std::size_t>(static_cast<const char*>(hit) - rest.data());
#else
    const auto found = std::search(rest.begin(), rest.end(),
                                   std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
    return found == rest.end() ? std::string_view::npos
                               : from + static_cast<std::size_t>(found - rest.begin());
#endif
}

}  // namespace

PackedLines::PackedLines(std::initializer_list<std::string_view> texts) {
    for (std::string_view text : texts) {
        push_back(text);
    }
}

PackedLines::PackedLines(const std::vector<std::string>& texts) {
    std::size_t bytes = 0;
    for (const std::string& text : texts) {
        bytes += text.size();
    }
    reserve(texts.size(), bytes);
    for (const std::string& text : texts) {
        push_back(text);
    }
}

PackedLines::Span PackedLines::append_bytes(std::string_view text) {
    const Span span{m_bytes.size(), text.size()};
    // A view into the block itself is copied by position: growing the block may move it.
    const std::less<const char*> before;
    if (!text.empty() && !before(text.data(), m_bytes.data()) &&
        before(text.data(), m_bytes.data() + m_bytes.size())) {
        const auto from = static_cast<std::size_t>(text.data() - m_bytes.data());
        m_bytes.append(m_bytes, from, text.size());
    } else {
        m_bytes.append(text);
    }
    return span;
}

void PackedLines::push_back(std::string_view text) {
    m_spans.push_back(append_bytes(text));
}

void PackedLines::insert(std::size_t i, std::string_view text) {
    const Span span = append_bytes(text);
    m_in_order = m_in_order && i >= m_spans.size();
    m_spans.insert(m_spans.begin() + static_cast<std::ptrdiff_t>(std::min(i, m_spans.size())), span);
}

void PackedLines::assign(std::size_t i, std::string_view text) {
    if (i >= m_spans.size()) {
        return;
    }
    Span& span = m_spans[i];
    if (text.size() <= span.length) {
        // Fits in the old place; memmove because the text may overlap it.
        std::char_traits<char>::move(m_bytes.data() + span.offset, text.data(), text.size());
        m_unused += span.length - text.size();
        span.length = text.size();
    } else {
        const Span fresh = append_bytes(text);
        m_unused += m_spans[i].length;
        m_spans[i] = fresh;
        m_in_order = m_in_order && i + 1 == m_spans.size();
    }
    compact_if_wasteful();
}

void PackedLines::erase(std::size_t i) {
    if (i >= m_spans.size()) {
        return;
    }
    m_unused += m_spans[i].length;
    m_spans.erase(m_spans.begin() + static_cast<std::ptrdiff_t>(i));
    compact_if_wasteful();
}

void PackedLines::clear() {
    m_bytes.clear();
    m_spans.clear();
    m_unused = 0;
    m_in_order = true;
}

void PackedLines::reserve(std::size_t texts, std::size_t bytes) {
    m_spans.reserve(texts);
    m_bytes.reserve(bytes);
}

void PackedLines::compact_if_wasteful() {
    // Rewriting the block once its unused bytes outweigh the texts keeps the cost of replacing
    // texts one at a time proportional to the bytes written.
    constexpr std::size_t kSmall = 4096;
    if (m_unused < kSmall || m_unused < m_bytes.size() / 2) {
        return;
    }
    std::string bytes;
    bytes.reserve(m_bytes.size() - m_unused);
    for (Span& span : m_spans) {
        const std::size_t offset = bytes.size();
        bytes.append(m_bytes, span.offset, span.length);
        span.offset = offset;
    }
    m_bytes.swap(bytes);
    m_unused = 0;
    m_in_order = true;
}

void PackedLines::assign_split(std::string text, std::string_view separator) {
    m_spans.clear();
    m_unused = 0;
    m_in_order = true;
    m_bytes = std::move(text);
    if (m_bytes.empty()) {
        return;
    }
    if (separator.empty()) {
        m_spans.push_back({0, m_bytes.size()});
        return;
    }
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = find_bytes(m_bytes, separator, pos);
        if (hit == std::string_view::npos) {
            m_spans.push_back({pos, m_bytes.size() - pos});
            return;
        }
        m_spans.push_back({pos, hit - pos});
        pos = hit + separator.size();
    }
}

std::string PackedLines::take_block() {
    std::string block = std::move(m_bytes);
    block.clear();
    m_bytes.clear();
    clear();
    return block;
}

std::vector<std::size_t> PackedLines::rows_containing(std::string_view needle) const {
    std::vector<std::size_t> rows;
    if (needle.empty() || !m_in_order) {
        for (std::size_t i = 0; i < size(); ++i) {
            if ((*this)[i].find(needle) != std::string_view::npos) {
                rows.push_back(i);
            }
        }
        return rows;
    }
    const std::string_view block(m_bytes);
    std::size_t from = 0;
    while (from < block.size()) {
        const std::size_t hit = search_block(block, from, needle);
        if (hit == std::string_view::npos) {
            break;
        }
        // The row whose bytes start last at or before the hit; a hit that runs past its end
        // straddles two rows and belongs to neither.
        const auto after =
            std::upper_bound(m_spans.begin(), m_spans.end(), hit,
                             [](std::size_t at, const Span& span) { return at < span.offset; });
        if (after != m_spans.begin()) {
            const Span& span = *(after - 1);
            if (hit + needle.size() <= span.offset + span.length) {
                rows.push_back(static_cast<std::size_t>(after - 1 - m_spans.begin()));
                from = span.offset + span.length;
                continue;
            }
        }
        from = hit + 1;
    }
    return rows;
}

std::vector<std::string> PackedLines::to_vector() const {
    std::vector<std::string> texts;
    texts.reserve(size());
    for (std::string_view text : *this) {
        texts.emplace_back(text);
    }
    return texts;
}

bool operator==(const PackedLines& a, const PackedLines& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

bool operator==(const PackedLines& a, const std::vector<std::string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](std::string_view x, const std::string& y) { return x == y; });
}

}  // namespace velmora::text
