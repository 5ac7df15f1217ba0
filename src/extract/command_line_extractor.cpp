#include "extract/command_line_extractor.h"

#include <charconv>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "extract/contest_listing.h"
#include "extract/generic/generic_extractor.h"
#include "extract/newsletter_input.h"
#include "extract/primitives.h"
#include "formats/parsers.h"
#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"
#include "ui/form3.h"

namespace velmora::extract {
namespace {

constexpr std::string_view kUsage =
    "usage: velmora-extract --format CODE [--json] [FILE]\n"
    "       velmora-extract --list-formats\n"
    "Runs the parser of newsletter format CODE (100 to 125, or generic for any layout) over FILE\n"
    "(standard input when FILE is omitted or \"-\"), read as UTF-8 or code page 932, and prints\n"
    "the contests found.\n";

// The general extractor's code: it reads a newsletter of any layout.
constexpr std::string_view kGenericCode = "generic";

struct Options {
    bool list_formats = false;
    bool json = false;
    bool help = false;
    std::optional<std::string> format;
    std::optional<std::string> file;
};

ExtractorResult bad_arguments(std::string_view message) {
    return {kExitBadArguments, "", "velmora-extract: " + std::string(message) + "\n" + std::string(kUsage)};
}

// Fills the options; the error message when the arguments are malformed.
std::optional<std::string> parse_options(const std::vector<std::string>& args, Options& options) {
    bool only_files = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (only_files || arg == "-" || arg.empty() || arg[0] != '-') {
            if (options.file) {
                return "more than one file given: '" + *options.file + "' and '" + arg + "'";
            }
            options.file = arg;
        } else if (arg == "--") {
            only_files = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--list-formats") {
            options.list_formats = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--format") {
            if (i + 1 >= args.size()) {
                return std::string("--format needs a format code");
            }
            options.format = args[++i];
        } else if (arg.rfind("--format=", 0) == 0) {
            options.format = arg.substr(9);
        } else {
            return "unknown option '" + arg + "'";
        }
    }
    return std::nullopt;
}

// The format code of the argument; the error message when it names no format with a parser.
std::optional<std::string> parse_code(const std::string& text, int& code) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, code);
    if (text.empty() || ec != std::errc() || ptr != end || text[0] == '-') {
        return "format code '" + text + "' is not a number";
    }
    if (code < ui::kFirstFormatCode || code >= ui::kFirstFormatCode + ui::kFormatCount) {
        return "format code " + text + " is out of range (100 to 125)";
    }
    if (formats::parser_for(code) == nullptr) {
        return "format " + text + " has no parser in this build";
    }
    return std::nullopt;
}

std::string list_formats() {
    std::string out;
    const auto& captions = ui::format_captions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        out += std::to_string(ui::kFirstFormatCode + static_cast<int>(i)) + " " + captions[i] + "\n";
    }
    return out;
}

std::optional<std::string> read_input(const std::optional<std::string>& file, std::istream& standard_input) {
    std::ostringstream bytes;
    if (!file || *file == "-") {
        bytes << standard_input.rdbuf();
        return bytes.str();
    }
    std::error_code error;
    if (std::filesystem::is_directory(*file, error)) {
        return std::nullopt;
    }
    std::ifstream in(*file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    bytes << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes.str();
}

// The parser over the text as the clipboard's, on the headless platform, then its contests.
std::vector<Contest> extract_contests(formats::Parser parser, int code, const std::string& text,
                                      const locale::DateTime& now) {
    platform::MemoryPlatform platform;
    platform.set_now(now);
    platform.set_clipboard_text(text);
    ui::Form3 form;
    form.Today = ledger::today_text(now);
    if (code != 0) {
        form.MailNo = code - ui::kFirstFormatCode;
    }
    Primitives x(form, platform);
    parser(x);
    return contests_in(form);
}

}  // namespace

ExtractorResult run_extractor(const std::vector<std::string>& args, std::istream& standard_input,
                              const locale::DateTime& now) {
    Options options;
    if (const auto error = parse_options(args, options)) {
        return bad_arguments(*error);
    }
    if (options.help) {
        return {0, std::string(kUsage), ""};
    }
    if (options.list_formats) {
        return {0, list_formats(), ""};
    }
    if (!options.format) {
        return bad_arguments("no format given (--format CODE)");
    }
    int code = 0;
    formats::Parser parser = PGeneric;
    if (*options.format != kGenericCode) {
        if (const auto error = parse_code(*options.format, code)) {
            return bad_arguments(*error);
        }
        parser = formats::parser_for(code);
    }
    const std::optional<std::string> bytes = read_input(options.file, standard_input);
    if (!bytes) {
        return bad_arguments("cannot read '" + options.file.value_or("-") + "'");
    }
    ExtractorResult result;
    for (const Contest& contest : extract_contests(parser, code, newsletter_text(*bytes), now)) {
        result.out += options.json ? json_line(contest) : text_block(contest);
    }
    return result;
}

locale::DateTime current_local_time() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace velmora::extract
