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
    : m_stock_count(static_cast<long>(stock.size())) {
    for (const std::string& needle : needles) {
        if (const auto key = key_of(needle)) {
            m_history.try_emplace(*key);
            m_stock.try_emplace(*key);
            const std::size_t bit = filter_bit(*key);
            m_filter[bit / 64] |= std::uint64_t{1} << (bit % 64);
        }
    }
    index_rows(history, m_history);
    index_rows(stock, m_stock);
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

std::optional<std::vector<long>> ImportIndex::history_rows_with(std::string_view needle) const {
    const auto key = key_of(needle);
    const auto it = key ? m_history.find(*key) : m_history.end();
    if (it == m_history.end()) {
        return std::nullopt;
    }
    std::vector<long> rows;
    for (const long original : it->second) {
        const auto removed = std::lower_bound(m_removed.begin(), m_removed.end(), original);
        if (removed != m_removed.end() && *removed == original) {
            continue;
        }
        rows.push_back(original - static_cast<long>(removed - m_removed.begin()));
    }
    std::reverse(rows.begin(), rows.end());  // newest first
    return rows;
}

std::optional<std::vector<long>> ImportIndex::stock_rows_with(std::string_view needle,
                                                              long stock_count) const {
    const auto key = key_of(needle);
    const auto it = key ? m_stock.find(*key) : m_stock.end();
    if (it == m_stock.end()) {
        return std::nullopt;
    }
    std::vector<long> rows = it->second;
    for (long row = m_stock_count; row < stock_count; ++row) {
        rows.push_back(row);
    }
    return rows;
}

void ImportIndex::history_row_removed(long row) {
    // The original position of the current row: count the removed rows before it.
    long original = row;
    for (long removed : m_removed) {
        if (removed <= original) {
            ++original;
        } else {
            break;
        }
    }
    m_removed.insert(std::lower_bound(m_removed.begin(), m_removed.end(), original), original);
}

}  // namespace velmora::ledger
