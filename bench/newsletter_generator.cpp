#include "newsletter_generator.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace bench {
namespace {

// Where a format's contests lie in its sample: lines first to last (1-based) hold one or more
// whole contests and may follow one another, so that repeating them gives a longer newsletter.
struct Shape {
    int code;
    const char* sample;
    int first;
    int last;
};

constexpr Shape kShapes[] = {
    {100, "f100_weekly", 4, 27},    {101, "f101_weekly", 4, 17},   {102, "f102_weekly", 5, 14},
    {103, "f103_weekly", 9, 19},    {104, "f104_weekly", 3, 26},   {105, "f105_weekly", 3, 15},
    {106, "f106_mypresent", 6, 19}, {107, "f107_hohoho", 3, 20},   {108, "f108_heya", 3, 12},
    {109, "f109_zanmai", 6, 15},    {110, "f110_kukan", 4, 18},    {111, "f111_takuhaibin", 8, 22},
    {112, "f112_dorumaga", 3, 13},  {113, "f113_warau", 3, 16},    {114, "f114_kanmuryo", 3, 17},
    {115, "f115_garakuta", 5, 18},  {116, "f116_clipclub", 5, 15}, {117, "f117_ips", 5, 15},
    {118, "f118_hiroba", 3, 14},    {119, "f119_csj", 6, 16},      {120, "f120_nerae", 6, 12},
    {121, "f121_kenshokun", 7, 17}, {122, "f122_kanzume", 4, 11},  {123, "f123_edomae", 2, 11},
    {124, "f124_nonbee", 4, 15},    {125, "f125_tokutoku", 2, 14},
};

const Shape* shape_of(int code) {
    for (const Shape& shape : kShapes) {
        if (shape.code == code) {
            return &shape;
        }
    }
    return nullptr;
}

std::vector<std::string> file_lines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The samples are kept with LF line ends; the clipboard text gets CR LF.
    std::vector<std::string> lines = velmora::text::split(bytes, "\n");
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();  // the piece after the closing line end
    }
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
    }
    return lines;
}

void append_line(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

std::vector<std::string> sample_lines(const char* stem) {
    return file_lines(std::string(VELMORA_SAMPLES_DIR) + "/" + stem + ".txt");
}

}  // namespace

std::string newsletter(int code, long lines, unsigned seed) {
    const Shape* shape = shape_of(code);
    if (shape == nullptr) {
        return {};
    }
    const std::vector<std::string> sample = sample_lines(shape->sample);
    const auto first = static_cast<std::size_t>(shape->first - 1);
    const auto last = static_cast<std::size_t>(shape->last);
    if (sample.size() < last) {
        return {};
    }
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> site(1, 5000);
    std::string out;
    long count = 0;
    for (std::size_t i = 0; i < first; ++i, ++count) {
        append_line(out, sample[i]);
    }
    const long closing = static_cast<long>(sample.size() - last);
    const long block = static_cast<long>(last - first);
    while (count + closing < lines) {
        // Each copy announces its contests on sites of its own ("example" becomes "example123").
        const std::string host = "example" + std::to_string(site(random));
        for (std::size_t i = first; i < last; ++i) {
            append_line(out, velmora::text::replace_all(sample[i], "example", host));
        }
        count += block;
    }
    for (std::size_t i = last; i < sample.size(); ++i) {
        append_line(out, sample[i]);
    }
    return out;
}

std::string foreign_newsletter(long lines) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(VELMORA_CORPUS_DIR, error)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> all;
    for (const auto& file : files) {
        const std::vector<std::string> part = file_lines(file.string());
        all.insert(all.end(), part.begin(), part.end());
    }
    std::string out;
    for (long count = 0; !all.empty() && count < lines; ++count) {
        append_line(out, all[static_cast<std::size_t>(count) % all.size()]);
    }
    return out;
}

}  // namespace bench
