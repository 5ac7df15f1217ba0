// The scenario runner's script reader on any file contents: it gives commands or a lexical
// error, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/scenario/script.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    const auto script = shell::scenario::parse_script(source);
    for (const auto& command : script.commands) {
        for (const auto& arg : command.args) {
            (void)shell::scenario::text_with_line_ends(arg);
            (void)shell::scenario::lines_of(arg);
        }
    }
    return 0;
}
