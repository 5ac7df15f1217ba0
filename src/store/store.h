#pragma once
// The data files in the program's directory: their formats, crash-safe replacement and the
// encoding (code page 932 with CR LF; UTF-8 with a byte-order mark when a text is not held by
// the code page). Every file is read line by line: a line is one value, commas and quotes kept.
//
//   auto history = store::load_history(dir);      // zov21.ini, else zov2.ini converted
//   if (!store::save_history(dir, history).ok) { ... tell the user ... }

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/packed_lines.h"

namespace velmora::store {

struct SaveResult {
    bool ok = true;
    std::string file;    // the file's name, for the message that tells the user
    std::string reason;  // what failed, empty when ok
};

// Reads a text file, decoded (code page 932, or UTF-8 when it starts with a byte-order mark),
// split at CR LF (a bare LF is accepted too); a final line end adds no line. nullopt when the
// file does not exist or cannot be read.
std::optional<std::vector<std::string>> read_lines(const std::filesystem::path& file);

// Replaces the file crash-safely: a temporary file beside it, written, flushed, renamed over
// it. Each line ends with CR LF. A failure at any point leaves the previous file whole.
SaveResult write_lines(const std::filesystem::path& file, const text::PackedLines& lines);

// A number as the program writes it: one blank, plain decimal, one blank (" 3000 ", "-5 ").
std::string number_line(double value);

// File names.
inline constexpr std::string_view kWindowFile = "zov1.ini";
inline constexpr std::string_view kHistoryFile = "zov21.ini";
inline constexpr std::string_view kOldHistoryFile = "zov2.ini";
inline constexpr std::string_view kFlowchartFile = "zov3.ini";
inline constexpr std::string_view kIdBookFile = "zov4.ini";
inline constexpr std::string_view kStockFile = "zov5.ini";
inline constexpr std::string_view kProbeFile = "a.html";
inline constexpr int kProfileFieldCount = 65;

// zov1.ini: the main window's Top and Left (twips, narrow layout) and the 65 profile texts.
// A shorter file gives what it has: missing values stay nullopt / missing fields are absent.
struct WindowFile {
    std::optional<double> top;
    std::optional<double> left;
    std::vector<std::string> fields;  // at most 65, in index order
};
std::optional<WindowFile> load_window_file(const std::filesystem::path& dir);
SaveResult save_window_file(const std::filesystem::path& dir, double top, double left,
                            const std::vector<std::string>& fields);

// zov21.ini, or when it is absent zov2.ini converted (date, date again, "0abcd", the rest).
std::vector<std::string> load_history(const std::filesystem::path& dir);
SaveResult save_history(const std::filesystem::path& dir, const text::PackedLines& records);

// zov3.ini: title "%0" code per line. A line without "%0" is a title with an empty code.
struct Flowchart {
    std::string title;
    std::string code;
    friend bool operator==(const Flowchart&, const Flowchart&) = default;
};
std::optional<std::vector<Flowchart>> load_flowcharts(const std::filesystem::path& dir);
SaveResult save_flowcharts(const std::filesystem::path& dir, const std::vector<Flowchart>& flowcharts);

// zov4.ini: title "/" ID "/" password per line, kept whole.
std::optional<std::vector<std::string>> load_id_book(const std::filesystem::path& dir);
SaveResult save_id_book(const std::filesystem::path& dir, const std::vector<std::string>& entries);

// zov4p.ini, beside zov4.ini, only once passwords have been protected: a header line that says
// whether the protection is on, then per protected password the line title "/" ID "/" and the
// protected bytes in base64. An older program never reads it and finds no password in zov4.ini.
inline constexpr std::string_view kPasswordFile = "zov4p.ini";
struct PasswordFile {
    bool protection_on = true;
    std::vector<std::string> lines;  // title "/" ID "/" base64, as written
};
// A first line that is no header of ours is read as a damaged one: the protection stays on and
// the lines after it are kept.
std::optional<PasswordFile> load_password_file(const std::filesystem::path& dir);
SaveResult save_password_file(const std::filesystem::path& dir, const PasswordFile& file);
// Removes zov4p.ini (no file is no error).
SaveResult remove_password_file(const std::filesystem::path& dir);

// zov5.ini: one stock entry per line.
std::optional<std::vector<std::string>> load_stock(const std::filesystem::path& dir);
SaveResult save_stock(const std::filesystem::path& dir, const text::PackedLines& entries);
// Creates an empty zov5.ini when there is none.
SaveResult ensure_stock_file(const std::filesystem::path& dir);

// a.html, written anew at every start; it exists only to ask which program opens .html files.
SaveResult write_probe_file(const std::filesystem::path& dir);

// A UTF-8 name as a path (the Windows build needs wide paths for Japanese names).
std::filesystem::path path_of(std::string_view utf8_name);

}  // namespace velmora::store
