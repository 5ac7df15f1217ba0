#include "ledger/import_index.h"

#include <algorithm>
#include <cstring>

namespace velmora::ledger {
namespace {

// A needle is known by eight of its bytes: a row that contains the needle contains them. The
// eight that end its host name tell sites apart best ("ple.co.jp" of http://www.example.co.jp/cp/);
// a needle without one is known by its last eight.
constexpr std::size_t kKeyBytes = 8;

std::uint64_t key_at(const char* bytes) {
    std::uint64_t key = 0;
    std::memcpy(&key, bytes, kKeyBytes);
    return key;
}

std::optional<std::uint64_t> key_of(std::string_view needle) {
    if (needle.size() < kKeyBytes) {
        return std::nullopt;
    }
    std::size_t end = needle.size();
    const std::size_t scheme = needle.find("://");
    if (scheme != std::string_view::npos) {
        const std::size_t host_end = needle.find('/', scheme + 3);
        if (host_end != std::string_view::npos && host_end >= kKeyBytes) {
            end = host_end;
        }
    }
    return key_at(needle.data() + end - kKeyBytes);
}

std::size_t filter_bit(std::uint64_t key) {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 48);  // 16 bits
}

}  // namespace

ImportIndex::ImportIndex(const text::PackedLines& history, const text::PackedLines& stock,
                         const std::vector<std::string>& needles)
    : m_stock(needles), m_kept_sums(history.size() + 1), m_removed(history.size()) {
    for (const std::string& needle : needles) {
        if (const auto key = key_of(needle)) {
            m_history.try_emplace(*key);
            const std::size_t bit = filter_bit(*key);
            m_filter[bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
    }
    index_rows(history, m_history);
    for (const std::string_view row : stock) {
        m_stock.read(row);
    }
    // Every row is kept: each sum covers as many rows as its index's lowest set bit says.
    for (std::size_t i = 1; i < m_kept_sums.size(); ++i) {
        m_kept_sums[i] = static_cast<long>(i & (~i + 1));
    }
}

bool ImportIndex::might_hold(std::uint64_t key) const {
    const std::size_t bit = filter_bit(key);
    return (m_filter[bit / 64] >> (bit % 64)) & 1;
}

void ImportIndex::index_rows(const text::PackedLines& rows, Postings& postings) const {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string_view text = rows[row];
        for (std::size_t at = 0; at + kKeyBytes <= text.size(); ++at) {
            const std::uint64_t key = key_at(text.data() + at);
            if (!might_hold(key)) {
                continue;
            }
            const auto it = postings.find(key);
            if (it != postings.end() && (it->second.empty() || it->second.back() != static_cast<long>(row))) {
                it->second.push_back(static_cast<long>(row));
            }
        }
    }
}

long ImportIndex::kept_before(long original) const {
    long kept = 0;
    for (auto i = static_cast<std::size_t>(original); i > 0; i &= i - 1) {
        kept += m_kept_sums[i];
    }
    return kept;
}

std::optional<std::vector<long>> ImportIndex::history_rows_with(std::string_view needle) const {
    const auto key = key_of(needle);
    const auto it = key ? m_history.find(*key) : m_history.end();
    if (it == m_history.end()) {
        return std::nullopt;
    }
    std::vector<long> rows;
    for (const long original : it->second) {
        if (!m_removed[static_cast<std::size_t>(original)]) {
            rows.push_back(kept_before(original));
        }
    }
    std::reverse(rows.begin(), rows.end());  // newest first
    return rows;
}

void ImportIndex::history_row_removed(long row) {
    // The original position of the current row: the place where the kept rows reach row + 1,
    // found by halving the tree's ranges from the largest down.
    std::size_t original = 0;
    long left = row + 1;
    std::size_t step = 1;
    while (step * 2 < m_kept_sums.size()) {
        step *= 2;
    }
    for (; step > 0; step /= 2) {
        if (original + step < m_kept_sums.size() && m_kept_sums[original + step] < left) {
            original += step;
            left -= m_kept_sums[original];
        }
    }
    if (original >= m_removed.size()) {
        return;  // no such row
    }
    m_removed[original] = true;
    for (std::size_t i = original + 1; i < m_kept_sums.size(); i += i & (~i + 1)) {
        m_kept_sums[i] -= 1;
    }
}

}  // namespace velmora::ledger
