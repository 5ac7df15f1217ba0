#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "store/output_file.h"

namespace velmora::store::detail {
namespace {

std::error_code last_error() {
    return {errno, std::generic_category()};
}

// Makes the rename itself durable: the directory's entry is flushed as well. Best effort; the
// new file is already complete, so a failure here loses nothing that was there before.
void flush_directory(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

OutputFile::~OutputFile() {
    if (m_open) {
        ::close(static_cast<int>(m_handle));
    }
}

bool OutputFile::open(const std::filesystem::path& file, std::error_code& ec) {
    // The permissions are those a new file gets in the folder (0666 less the umask).
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        ec = last_error();
        return false;
    }
    m_handle = fd;
    m_open = true;
    return true;
}

bool OutputFile::write(std::string_view bytes, std::error_code& ec) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(static_cast<int>(m_handle), bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ec = n < 0 ? last_error() : std::make_error_code(std::errc::io_error);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool OutputFile::flush(std::error_code& ec) {
    if (::fsync(static_cast<int>(m_handle)) != 0) {
        ec = last_error();
        return false;
    }
    return true;
}

bool OutputFile::close(std::error_code& ec) {
    m_open = false;
    if (::close(static_cast<int>(m_handle)) != 0) {
        ec = last_error();
        return false;
    }
    return true;
}

bool rename_over(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec) {
    std::filesystem::rename(from, to, ec);
    if (ec) {
        return false;
    }
    flush_directory(to.parent_path());
    return true;
}

}  // namespace velmora::store::detail
