#pragma once
// An index the continuous import builds once over the history and the stock list, so that its
// 1,000 stock checks do not each read 100,000 records: for every needle it was told of (the URLs
// and URL roots of the import text) it knows which history rows may contain it, and whether a
// stock entry contains it, counting the entries the import adds as it goes. It only narrows the
// search; every history row it names is still tested in full, so the check's answers do not change.
//
//   ImportIndex index(history_rows, stock_rows, {url, root, ...});
//   if (auto rows = index.history_rows_with(root)) { ... newest first ... }
//   if (auto stocked = index.stocked(url)) { ... }

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/needle_set.h"
#include "text/packed_lines.h"

namespace velmora::ledger {

class ImportIndex {
public:
    ImportIndex(const text::PackedLines& history, const text::PackedLines& stock,
                const std::vector<std::string>& needles);

    // The history rows (current positions, newest first) that may contain the needle; nullopt
    // when the index cannot tell (every row must then be read).
    std::optional<std::vector<long>> history_rows_with(std::string_view needle) const;
    // Whether a stock entry contains the needle: one of the list the index was made from, or one
    // added since. nullopt for a needle the index was not told of.
    std::optional<bool> stocked(std::string_view needle) const { return m_stock.found(needle); }
    // An entry was added to the stock list.
    void stock_row_added(std::string_view row) { m_stock.read(row); }
    // The history row at this current position has been removed.
    void history_row_removed(long row);

private:
    using Postings = std::unordered_map<std::uint64_t, std::vector<long>>;
    void index_rows(const text::PackedLines& rows, Postings& postings) const;
    bool might_hold(std::uint64_t key) const;
    // The current position of the row at this original position: the rows kept before it.
    long kept_before(long original) const;

    std::array<std::uint64_t, 1024> m_filter{};  // a bit per hashed key
    Postings m_history;
    text::NeedleSet m_stock;
    // Rows kept, by original history position, as a tree of partial sums (Fenwick): a removal and
    // a position each take a few steps, however many rows the import removes.
    std::vector<long> m_kept_sums;
    std::vector<bool> m_removed;
};

}  // namespace velmora::ledger
