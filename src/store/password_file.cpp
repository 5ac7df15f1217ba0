// zov4p.ini, the protected passwords of the ID/password book.

#include <system_error>

#include "store/store.h"

namespace velmora::store {
namespace {

constexpr std::string_view kHeaderOn = "velmora-protected-passwords 1 on";
constexpr std::string_view kHeaderOff = "velmora-protected-passwords 1 off";

}  // namespace

std::optional<PasswordFile> load_password_file(const std::filesystem::path& dir) {
    auto lines = read_lines(dir / kPasswordFile);
    if (!lines) {
        return std::nullopt;
    }
    PasswordFile file;
    if (!lines->empty()) {
        file.protection_on = lines->front() != kHeaderOff;
        lines->erase(lines->begin());
    }
    file.lines = std::move(*lines);
    return file;
}

SaveResult save_password_file(const std::filesystem::path& dir, const PasswordFile& file) {
    std::vector<std::string> lines;
    lines.reserve(file.lines.size() + 1);
    lines.emplace_back(file.protection_on ? kHeaderOn : kHeaderOff);
    lines.insert(lines.end(), file.lines.begin(), file.lines.end());
    return write_lines(dir / kPasswordFile, lines);
}

SaveResult remove_password_file(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::remove(dir / kPasswordFile, ec);
    if (ec) {
        return {false, std::string(kPasswordFile), "remove: " + ec.message()};
    }
    return {true, std::string(kPasswordFile), {}};
}

}  // namespace velmora::store
