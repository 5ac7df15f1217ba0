// The files that are plain lists, one entry per line: the ID/password book zov4.ini and the
// stock list zov5.ini.

#include "store/store.h"

namespace velmora::store {

std::optional<std::vector<std::string>> load_id_book(const std::filesystem::path& dir) {
    return read_lines(dir / kIdBookFile);
}

SaveResult save_id_book(const std::filesystem::path& dir, const std::vector<std::string>& entries) {
    return write_lines(dir / kIdBookFile, entries);
}

std::optional<std::vector<std::string>> load_stock(const std::filesystem::path& dir) {
    return read_lines(dir / kStockFile);
}

SaveResult save_stock(const std::filesystem::path& dir, const text::PackedLines& entries) {
    return write_lines(dir / kStockFile, entries);
}

SaveResult ensure_stock_file(const std::filesystem::path& dir) {
    const auto file = dir / kStockFile;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        return {true, std::string(kStockFile), {}};
    }
    return write_lines(file, {});
}

}  // namespace velmora::store
