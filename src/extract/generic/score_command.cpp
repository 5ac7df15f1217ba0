// velmora-score: the corpus score as a command, with the misses and extras of every newsletter so
// that the extractor can be tuned, and a floor that makes it fail (the regression guard).
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "extract/generic/corpus_score.h"

namespace velmora::extract::generic {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: velmora-score [--format CODE] [--min-recall R] [--min-precision P] FOLDER\n"
    "Runs velmora-extract --format CODE (default generic) on every NN-name.txt of FOLDER at 09:00\n"
    "of the day its NN-name.expect names, and prints recall and precision with each newsletter's\n"
    "misses and extras. Exit status 1 when a figure is below its floor, 2 for bad arguments.\n";

struct Options {
    std::string format = "generic";
    double min_recall = 0;
    double min_precision = 0;
    std::optional<std::string> folder;
};

ExtractorResult bad_arguments(std::string_view message) {
    return {kExitBadArguments, "", "velmora-score: " + std::string(message) + "\n" + std::string(kUsage)};
}

std::optional<double> read_ratio(const std::string& text) {
    double value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > 1) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> parse_options(const std::vector<std::string>& args, Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takes_value = arg == "--format" || arg == "--min-recall" || arg == "--min-precision";
        if (takes_value && i + 1 >= args.size()) {
            return arg + " needs a value";
        }
        if (arg == "--format") {
            options.format = args[++i];
        } else if (arg == "--min-recall" || arg == "--min-precision") {
            const auto ratio = read_ratio(args[++i]);
            if (!ratio) {
                return arg + " needs a number from 0 to 1";
            }
            (arg == "--min-recall" ? options.min_recall : options.min_precision) = *ratio;
        } else if (!arg.empty() && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else if (options.folder) {
            return std::string("more than one folder given");
        } else {
            options.folder = arg;
        }
    }
    return options.folder ? std::nullopt : std::optional<std::string>("no folder given");
}

std::optional<std::string> read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string ratio_text(int part, int whole) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f (%d/%d)", whole == 0 ? 1.0 : static_cast<double>(part) / whole,
                  part, whole);
    return buffer;
}

}  // namespace

ExtractorResult run_score(const std::vector<std::string>& args) {
    Options options;
    if (const auto error = parse_options(args, options)) {
        return bad_arguments(*error);
    }
    std::error_code error;
    std::vector<fs::path> newsletters;
    for (const auto& entry : fs::directory_iterator(*options.folder, error)) {
        if (entry.path().extension() == ".txt") {
            newsletters.push_back(entry.path());
        }
    }
    if (error || newsletters.empty()) {
        return bad_arguments("no newsletters in '" + *options.folder + "'");
    }
    std::sort(newsletters.begin(), newsletters.end());
    ExtractorResult result;
    FileScore total;
    for (const fs::path& newsletter : newsletters) {
        fs::path expect_path = newsletter;
        expect_path.replace_extension(".expect");
        const auto bytes = read_file(newsletter);
        const auto expect_text = read_file(expect_path);
        const ExpectationRead expect =
            expect_text ? read_expectation(*expect_text) : ExpectationRead{{}, "missing"};
        if (!bytes || !expect.error.empty()) {
            return {kExitBadArguments, result.out,
                    "velmora-score: " + expect_path.string() + ": " + expect.error + "\n"};
        }
        std::istringstream input(*bytes);
        const ExtractorResult run =
            run_extractor({"--format", options.format, "--json", "-"}, input, expect.expectation.now);
        if (run.exit_code != 0) {
            return {run.exit_code, result.out, run.err};
        }
        const FileScore file = score_contests(newsletter.filename().string(), contests_of_json(run.out),
                                              expect.expectation.contests);
        result.out += file.name + "  recall " + ratio_text(file.found, file.expected) + "  precision " +
                      ratio_text(file.real, file.extracted) + "\n";
        for (const std::string& miss : file.misses) {
            result.out += "  miss  " + miss + "\n";
        }
        for (const std::string& extra : file.extras) {
            result.out += "  extra " + extra + "\n";
        }
        total.expected += file.expected;
        total.found += file.found;
        total.extracted += file.extracted;
        total.real += file.real;
    }
    const double recall = total.expected == 0 ? 1.0 : static_cast<double>(total.found) / total.expected;
    const double precision = total.extracted == 0 ? 1.0 : static_cast<double>(total.real) / total.extracted;
    result.out += "total " + std::to_string(newsletters.size()) + " newsletters  recall " +
                  ratio_text(total.found, total.expected) + "  precision " +
                  ratio_text(total.real, total.extracted) + "\n";
    if (recall < options.min_recall || precision < options.min_precision) {
        result.exit_code = 1;
        result.err = "velmora-score: below the floor (recall " + std::to_string(options.min_recall) +
                     ", precision " + std::to_string(options.min_precision) + ")\n";
    }
    return result;
}

}  // namespace velmora::extract::generic
