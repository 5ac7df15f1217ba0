// The generic reader and writer every data file goes through.

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

#include "store/fault_point.h"
#include "store/file_encoding.h"
#include "store/output_file.h"
#include "store/store.h"

namespace velmora::store {
namespace {

using detail::FaultPoint;

std::string name_of(const std::filesystem::path& file) {
    const auto name = file.filename().u8string();
    return std::string(name.begin(), name.end());
}

std::filesystem::path temp_path_of(const std::filesystem::path& file) {
    auto temp = file;
    temp += ".tmp";
    return temp;
}

SaveResult failure(const std::filesystem::path& file, const std::filesystem::path& temp,
                   std::string_view step, const std::error_code& ec) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    std::string reason(step);
    if (ec) {
        reason += ": " + ec.message();
    }
    return {false, name_of(file), reason};
}

// Runs one step of the save, unless a test injected a fault there: then the step fails as if
// the system had refused it, before it does anything.
template <class Step>
bool run_step(FaultPoint point, std::error_code& ec, Step step) {
    if (detail::fault_due(point)) {
        ec = std::make_error_code(std::errc::io_error);
        return false;
    }
    return step();
}

struct StepFailure {
    std::string_view step;
    std::error_code ec;
};

// Writes the bytes, unless a test made the disk full: then only what fits is written.
bool write_bytes(detail::OutputFile& out, std::string_view bytes, std::error_code& ec) {
    if (const auto room = detail::disk_full_due(); room && *room < bytes.size()) {
        out.write(bytes.substr(0, *room), ec);
        ec = std::make_error_code(std::errc::no_space_on_device);
        return false;
    }
    return out.write(bytes, ec);
}

// A temporary file left by a save that was cut short, or planted there, is removed, so that the
// save creates a file of its own; a directory of that name stays, and the save then fails.
void remove_stale_temp(const std::filesystem::path& temp) {
    std::error_code ec;
    const auto type = std::filesystem::symlink_status(temp, ec).type();
    if (type != std::filesystem::file_type::not_found && type != std::filesystem::file_type::directory) {
        std::filesystem::remove(temp, ec);
    }
    if (detail::fault_due(FaultPoint::TempTaken)) {
        std::ofstream(temp, std::ios::binary) << "taken";
    }
}

// Writes the temporary file and closes it again, whatever happens. The file is created anew,
// never opened when it exists: one that another program made keeps that program's owner and
// permissions, and renamed over a data file it would hand them on.
std::optional<StepFailure> write_temp(const std::filesystem::path& temp, std::string_view bytes) {
    remove_stale_temp(temp);
    detail::OutputFile out;
    std::error_code ec;
    if (!run_step(FaultPoint::Open, ec, [&] { return out.open(temp, ec); })) {
        return StepFailure{"open", ec};
    }
    if (!run_step(FaultPoint::Write, ec, [&] { return write_bytes(out, bytes, ec); })) {
        return StepFailure{"write", ec};
    }
    if (!run_step(FaultPoint::Flush, ec, [&] { return out.flush(ec); })) {
        return StepFailure{"flush", ec};
    }
    if (!out.close(ec)) {
        return StepFailure{"close", ec};
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::string>> read_lines(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return detail::decode_file(bytes);
}

SaveResult write_lines(const std::filesystem::path& file, const text::PackedLines& lines) {
    const auto temp = temp_path_of(file);
    if (auto failed = write_temp(temp, detail::encode_file(lines))) {
        return failure(file, temp, failed->step, failed->ec);
    }
    std::error_code ec;
    if (!run_step(FaultPoint::Rename, ec, [&] { return detail::rename_over(temp, file, ec); })) {
        return failure(file, temp, "rename", ec);
    }
    return {true, name_of(file), {}};
}

std::string number_line(double value) {
    if (!std::isfinite(value)) {
        value = 0;
    }
    if (value == 0) {
        value = 0;  // no "-0"
    }
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string digits = ec == std::errc{} ? std::string(buf, end) : "0";
    return value < 0 ? digits + " " : " " + digits + " ";
}

}  // namespace velmora::store
