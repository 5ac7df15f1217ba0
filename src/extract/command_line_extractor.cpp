#include "extract/command_line_extractor.h"

#include <charconv>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "extract/contest_listing.h"
#include "extract/format_detection.h"
#include "extract/newsletter_input.h"
#include "extract/primitives.h"
#include "formats/parsers.h"
#include "ledger/shared_procedures.h"
#include "platform/memory_platform.h"
#include "ui/form3.h"

namespace velmora::extract {
namespace {

constexpr std::string_view kUsage =
    "usage: velmora-extract --format CODE [--json] [--today YYYY/MM/DD] [FILE]\n"
    "       velmora-extract --scores [--today YYYY/MM/DD] [FILE]\n"
    "       velmora-extract --list-formats\n"
    "Runs the parser of newsletter format CODE (100 to 125) over FILE (standard input when FILE\n"
    "is omitted or \"-\"), read as UTF-8 or code page 932, and prints the contests found.\n"
    "CODE auto picks the format that explains the newsletter best (each contest then names it);\n"
    "CODE generic runs the general extractor, which reads any layout. --today sets the date that\n"
    "deadlines are read against (default: the machine's). --scores prints how well each parser\n"
    "explains the newsletter (complete contests, incomplete ones, and complete ones with a deadline\n"
    "other than today) and what auto chooses.\n";

constexpr std::string_view kAuto = "auto";
constexpr std::string_view kGeneric = "generic";

struct Options {
    bool list_formats = false;
    bool json = false;
    bool help = false;
    bool scores = false;
    std::optional<std::string> format;
    std::optional<std::string> today;
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
        } else if (arg == "--scores") {
            options.scores = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--format") {
            if (i + 1 >= args.size()) {
                return std::string("--format needs a format code");
            }
            options.format = args[++i];
        } else if (arg.rfind("--format=", 0) == 0) {
            options.format = arg.substr(9);
        } else if (arg == "--today") {
            if (i + 1 >= args.size()) {
                return std::string("--today needs a date (YYYY/MM/DD)");
            }
            options.today = args[++i];
        } else if (arg.rfind("--today=", 0) == 0) {
            options.today = arg.substr(8);
        } else {
            return "unknown option '" + arg + "'";
        }
    }
    return std::nullopt;
}

// The format code of the argument (kAutoCode, kGenericCode or 100 to 125); the error message when
// it names no format with a parser.
constexpr int kAutoCode = -1;
constexpr int kGenericCode = ui::kFirstFormatCode + kGenericMailNo;

std::optional<std::string> parse_code(const std::string& text, int& code) {
    if (text == kAuto || text == kGeneric) {
        code = text == kAuto ? kAutoCode : kGenericCode;
        return std::nullopt;
    }
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
    out += std::string(kAuto) + " " + std::string(ui::kAutoCaption) + "\n";
    return out + std::string(kGeneric) + " " + std::string(ui::kGenericCaption) + "\n";
}

// The clock of --today: that day at nine in the morning (before noon, so today counts as today).
std::optional<std::string> parse_today(const std::string& text, locale::DateTime& now) {
    if (!is_date_text(text)) {
        return "--today '" + text + "' is not a date (YYYY/MM/DD)";
    }
    const auto part = [&](std::size_t at, std::size_t n) { return std::stoi(text.substr(at, n)); };
    now = {part(0, 4), part(5, 2), part(8, 2), 9, 0, 0};
    return std::nullopt;
}

// "117" for a format, "generic" for the general extractor.
std::string name_of(long mail_no) {
    return mail_no == kGenericMailNo ? std::string(kGeneric) : std::to_string(ui::kFirstFormatCode + mail_no);
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

// The parser over the text as the clipboard's, on the headless platform, then its contests. With
// auto every contest names the parser that found it.
std::vector<Contest> extract_contests(int code, const std::string& text, const locale::DateTime& now) {
    platform::MemoryPlatform platform;
    platform.set_now(now);
    platform.set_clipboard_text(text);
    ui::Form3 form;
    form.Today = ledger::today_text(now);
    form.MailNo = code - ui::kFirstFormatCode;
    ui::Form3 generic_parse;
    if (code == kAutoCode) {
        form.MailNo = choose_parser(score_every_parser(platform, form, &generic_parse)).mail_no;
    }
    if (code == kAutoCode && form.MailNo == kGenericMailNo) {
        show_parse(form, generic_parse, kGenericMailNo);  // the general extractor has run already
    } else {
        Primitives x(form, platform);
        parser_of(form.MailNo)(x);
    }
    std::vector<Contest> contests = contests_in(form);
    if (code == kAutoCode) {
        for (Contest& contest : contests) {
            contest.format = name_of(form.MailNo);
        }
    }
    return contests;
}

// Each parser's score, then auto's choice.
std::string score_table(const std::string& text, const locale::DateTime& now) {
    platform::MemoryPlatform platform;
    platform.set_now(now);
    platform.set_clipboard_text(text);
    ui::Form3 form;
    form.Today = ledger::today_text(now);
    const ParserScores scores = score_every_parser(platform, form);
    std::string out = "parser complete incomplete dated\n";
    const auto row = [&](long mail_no, const ParseScore& s) {
        out += name_of(mail_no) + " " + std::to_string(s.complete) + " " + std::to_string(s.incomplete) +
               " " + std::to_string(s.dated) + "\n";
    };
    for (long i = 0; i < ui::kFormatCount; ++i) {
        row(i, scores.formats[static_cast<std::size_t>(i)]);
    }
    row(kGenericMailNo, scores.generic);
    return out + "auto " + name_of(choose_parser(scores).mail_no) + "\n";
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
    if (!options.format && !options.scores) {
        return bad_arguments("no format given (--format CODE)");
    }
    int code = kAutoCode;
    if (const auto error = options.format ? parse_code(*options.format, code) : std::nullopt) {
        return bad_arguments(*error);
    }
    locale::DateTime clock = now;
    if (const auto error = options.today ? parse_today(*options.today, clock) : std::nullopt) {
        return bad_arguments(*error);
    }
    const std::optional<std::string> bytes = read_input(options.file, standard_input);
    if (!bytes) {
        return bad_arguments("cannot read '" + options.file.value_or("-") + "'");
    }
    if (options.scores) {
        return {0, score_table(newsletter_text(*bytes), clock), ""};
    }
    ExtractorResult result;
    for (const Contest& contest : extract_contests(code, newsletter_text(*bytes), clock)) {
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
