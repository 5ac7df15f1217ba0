#include "floors.h"

#include <fcntl.h>
#include <iconv.h>
#include <string.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace bench {
namespace {

// Converts the whole buffer at once; unconvertible input ends the conversion early.
std::string convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    std::string out(in.size() * 3 + 16, '\0');
    char* in_ptr = const_cast<char*>(in.data());
    std::size_t in_left = in.size();
    char* out_ptr = out.data();
    std::size_t out_left = out.size();
    iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    iconv_close(cd);
    out.resize(out.size() - out_left);
    return out;
}

std::vector<std::string> split_crlf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find("\r\n", pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

}  // namespace

long parse_floor(std::string_view text, std::string_view marker) {
    const std::vector<std::string> lines = split_crlf(text);
    long hits = 0;
    for (const std::string& line : lines) {
        hits += line.find(marker) != std::string::npos ? 1 : 0;
    }
    return hits;
}

long scan_floor(std::string_view bytes, std::string_view needle) {
    long hits = 0;
    const char* at = bytes.data();
    const char* end = bytes.data() + bytes.size();
    while (at < end) {
        const void* hit = memmem(at, static_cast<std::size_t>(end - at), needle.data(), needle.size());
        if (hit == nullptr) {
            break;
        }
        ++hits;
        at = static_cast<const char*>(hit) + 1;
    }
    return hits;
}

long read_decode_floor(const std::vector<std::filesystem::path>& files) {
    long lines = 0;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        lines += static_cast<long>(split_crlf(convert("UTF-8", "CP932", bytes)).size());
    }
    return lines;
}

void write_encode_floor(
    const std::vector<std::pair<std::filesystem::path, std::vector<std::string>>>& files) {
    for (const auto& [file, lines] : files) {
        durable_write_floor(file, convert("CP932", "UTF-8", joined(lines)));
    }
}

void durable_write_floor(const std::filesystem::path& file, std::string_view bytes) {
    auto temp = file;
    temp += ".floor";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) {
        return;
    }
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    ::fsync(fd);
    ::close(fd);
    if (written != static_cast<ssize_t>(bytes.size())) {
        return;
    }
    std::filesystem::rename(temp, file);
    const int dir = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace bench
