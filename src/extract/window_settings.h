#pragma once
// zov6.ini, the extraction window's settings in the working directory: its width and height, the
// five Option marks and the visibility of the 26 formats, one value per line. Reading stops
// quietly at the first missing or malformed line; the values read before it stay applied.

#include <filesystem>

#include "platform/platform.h"
#include "store/store.h"
#include "ui/form3.h"

namespace velmora::extract {

inline constexpr std::string_view kSettingsFile = "zov6.ini";
// The directory (or file) in the working directory that offers every format.
inline constexpr std::string_view kFullModeName = "ほしのゆめ";

enum class SettingsRead { Missing, Complete, Stopped };

// Applies the settings file to the window, value by value, in file order.
SettingsRead read_settings(const std::filesystem::path& file, ui::Form3& form);

// Writes the window's current settings anew.
store::SaveResult write_settings(const std::filesystem::path& file, const ui::Form3& form);

}  // namespace velmora::extract
