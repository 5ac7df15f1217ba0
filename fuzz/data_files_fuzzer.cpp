// The data-file readers on any file contents: each file kind is written with the input bytes and
// loaded. A file read and written again must read back unchanged, so a save never loses a line.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "store/store.h"

using namespace velmora;

namespace {

// A directory of this process, removed when it ends. On a memory file system where there is
// one: every save waits for its bytes to reach the disk.
class ScratchDir {
public:
    ScratchDir() {
        std::error_code ec;
        const auto base = std::filesystem::is_directory("/dev/shm", ec)
                              ? std::filesystem::path("/dev/shm")
                              : std::filesystem::temp_directory_path();
        m_path = base / ("velmora-fuzz-data-files-" + std::to_string(static_cast<long>(::getpid())));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

const std::filesystem::path& scratch_dir() {
    static const ScratchDir dir;
    return dir.path();
}

void put(std::string_view name, std::string_view bytes) {
    std::ofstream out(scratch_dir() / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void check_round_trip() {
    const auto lines = store::read_lines(scratch_dir() / store::kStockFile);
    if (!lines) {
        std::abort();
    }
    const auto copy = scratch_dir() / "copy.ini";
    if (!store::write_lines(copy, *lines).ok || store::read_lines(copy) != lines) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto& dir = scratch_dir();
    for (auto name : {store::kWindowFile, store::kHistoryFile, store::kFlowchartFile, store::kIdBookFile,
                      store::kStockFile}) {
        put(name, bytes);
    }
    (void)store::load_window_file(dir);
    (void)store::load_history(dir);
    (void)store::load_flowcharts(dir);
    (void)store::load_id_book(dir);
    (void)store::load_stock(dir);
    check_round_trip();
    // The old history file is read only when the new one is absent.
    std::filesystem::remove(dir / store::kHistoryFile);
    put(store::kOldHistoryFile, bytes);
    (void)store::load_history(dir);
    return 0;
}
