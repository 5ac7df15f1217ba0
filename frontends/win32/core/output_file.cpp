#include <windows.h>

#include "store/output_file.h"

namespace velmora::store::detail {
namespace {

std::error_code last_error() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

HANDLE handle_of(std::intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}

}  // namespace

OutputFile::~OutputFile() {
    if (m_open) {
        CloseHandle(handle_of(m_handle));
    }
}

bool OutputFile::open(const std::filesystem::path& file, std::error_code& ec) {
    // A new file takes the permissions the folder hands on to the files made in it.
    const HANDLE h =
        CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        ec = last_error();
        return false;
    }
    m_handle = reinterpret_cast<std::intptr_t>(h);
    m_open = true;
    return true;
}

bool OutputFile::write(std::string_view bytes, std::error_code& ec) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(handle_of(m_handle), bytes.data(), chunk, &written, nullptr) || written == 0) {
            ec = last_error();
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool OutputFile::flush(std::error_code& ec) {
    if (!FlushFileBuffers(handle_of(m_handle))) {
        ec = last_error();
        return false;
    }
    return true;
}

bool OutputFile::close(std::error_code& ec) {
    m_open = false;
    if (!CloseHandle(handle_of(m_handle))) {
        ec = last_error();
        return false;
    }
    return true;
}

bool rename_over(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ec = last_error();
        return false;
    }
    return true;
}

}  // namespace velmora::store::detail
