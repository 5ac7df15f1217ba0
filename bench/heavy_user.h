#pragma once
// The data of a heavy user, generated from a seed: an applied history of 100,000 records, a stock
// list of 10,000 entries, profile texts, flowcharts and an ID book in Japanese, and an import text
// of 1,000 contests of which some are stocked already, some applied for before and some new.
//
//   auto user = bench::heavy_user(1);   bench::write_files(user, dir);   // zov1 to zov5, CP932

#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct HeavyUser {
    std::vector<std::string> history;          // zov21.ini records, oldest first
    std::vector<std::string> stock;            // zov5.ini entries
    std::vector<std::string> profile;          // the 65 profile texts of zov1.ini
    std::vector<std::string> flowchart_lines;  // zov3.ini lines: title "%0" code
    std::vector<std::string> id_book;          // zov4.ini lines
    std::vector<std::string> imports;          // import text lines: deadline and URL
    std::string new_contest;                   // a stock entry whose site is in neither list
};

inline constexpr long kHistoryRecords = 100000;
inline constexpr long kStockEntries = 10000;
inline constexpr long kImportedContests = 1000;

HeavyUser heavy_user(unsigned seed);

// The import text as the extraction window hands it over: one line per contest, CR LF each.
std::string import_text(const HeavyUser& user);

// Writes zov1.ini, zov21.ini, zov3.ini, zov4.ini and zov5.ini as the program does (code page 932).
void write_files(const HeavyUser& user, const std::filesystem::path& dir);

// The data files a start reads, in the order it reads them.
std::vector<std::filesystem::path> start_files(const std::filesystem::path& dir);

}  // namespace bench
