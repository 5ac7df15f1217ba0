#pragma once
// The floors: the least work each figure cannot avoid, done as plainly and quickly as the
// machine allows, so that a figure's ratio to its floor says how much the program adds.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// Splits the newsletter into lines at CR LF and scans each line once for a marker; returns the
// number of lines holding it.
long parse_floor(std::string_view text, std::string_view marker);

// A raw substring scan of the bytes for the needle; returns the number of occurrences.
long scan_floor(std::string_view bytes, std::string_view needle);

// Reads the files and decodes them from code page 932 in one pass each (iconv), split into
// lines; returns the number of lines.
long read_decode_floor(const std::vector<std::filesystem::path>& files);

// Encodes each file's lines to code page 932 in one pass (iconv) and replaces the file as the
// program does (durable_write_floor).
void write_encode_floor(const std::vector<std::pair<std::filesystem::path, std::vector<std::string>>>& files);

// Replaces the file with the bytes as durably as the program does: temporary file, write, flush
// to disk, rename, flush the folder.
void durable_write_floor(const std::filesystem::path& file, std::string_view bytes);

// The bytes of a list as its file holds them (lines ended by CR LF).
std::string joined(const std::vector<std::string>& lines);

}  // namespace bench
