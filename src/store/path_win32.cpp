#include "store/store.h"

namespace velmora::store {

// A narrow string would be taken as the ANSI code page; the UTF-8 form gives the right wide name.
std::filesystem::path path_of(std::string_view utf8_name) {
    return std::filesystem::path(std::u8string(utf8_name.begin(), utf8_name.end()));
}

}  // namespace velmora::store
