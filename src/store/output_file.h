#pragma once
// The system calls behind a crash-safe save, one implementation per platform: a new file that
// is written and flushed to the disk, and the rename that puts it in place of the old one.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace velmora::store::detail {

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the file; fails when a file of that name exists (it is never opened and reused).
    bool open(const std::filesystem::path& file, std::error_code& ec);
    bool write(std::string_view bytes, std::error_code& ec);
    // Waits until the written bytes are on the disk.
    bool flush(std::error_code& ec);
    bool close(std::error_code& ec);

private:
    std::intptr_t m_handle = -1;  // a file descriptor, or a HANDLE on Windows
    bool m_open = false;
};

// Renames `from` over `to` in one step; `to` is either the old file or the new one throughout.
bool rename_over(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec);

}  // namespace velmora::store::detail
