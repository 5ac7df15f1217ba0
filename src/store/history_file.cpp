// zov21.ini, the applied history, and its older form zov2.ini, converted when read.

#include "store/store.h"
#include "text/text.h"

namespace velmora::store {
namespace {

// An old record is a date and the URL; the date serves as the deadline too, the flag is "0"
// and the fillers "abcd".
std::string converted(std::string_view old_record) {
    const std::string date = text::mid(old_record, 1, 10);
    return date + date + "0abcd" + text::mid(old_record, 11);
}

}  // namespace

std::vector<std::string> load_history(const std::filesystem::path& dir) {
    if (auto records = read_lines(dir / kHistoryFile)) {
        return std::move(*records);
    }
    std::vector<std::string> records;
    if (auto old_records = read_lines(dir / kOldHistoryFile)) {
        for (const auto& old_record : *old_records) {
            records.push_back(converted(old_record));
        }
    }
    return records;
}

SaveResult save_history(const std::filesystem::path& dir, const text::PackedLines& records) {
    return write_lines(dir / kHistoryFile, records);
}

}  // namespace velmora::store
