#pragma once
// An index the continuous import builds once over the history and the stock list, so that its
// 1,000 stock checks do not each read 100,000 records: for every needle it was told of (the URLs
// and URL roots of the import text) it knows which rows may contain it. It only narrows the
// search; every row it names is still tested in full, so the check's answers do not change.
//
//   ImportIndex index(history_rows, stock_rows, {url, root, ...});
//   if (auto rows = index.history_rows_with(root)) { ... newest first ... }

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/packed_lines.h"

namespace velmora::ledger {

class ImportIndex {
public:
    ImportIndex(const text::PackedLines& history, const text::PackedLines& stock,
                const std::vector<std::string>& needles);

    // The history rows (current positions, newest first) that may contain the needle; nullopt
    // when the index cannot tell (every row must then be read).
    std::optional<std::vector<long>> history_rows_with(std::string_view needle) const;
    // The stock rows (positions in list order) that may contain the needle; rows added after the
    // index was made are always named. nullopt when the index cannot tell.
    std::optional<std::vector<long>> stock_rows_with(std::string_view needle, long stock_count) const;
    // The history row at this current position has been removed.
    void history_row_removed(long row);

private:
    using Postings = std::unordered_map<std::uint64_t, std::vector<long>>;
    void index_rows(const text::PackedLines& rows, Postings& postings) const;
    bool might_hold(std::uint64_t key) const;

    std::array<std::uint64_t, 1024> m_filter{};  // a bit per hashed key
    Postings m_history;
    Postings m_stock;
    long m_stock_count = 0;
    std::vector<long> m_removed;  // original history positions, ascending
};

}  // namespace velmora::ledger
