#include "store/store.h"

namespace velmora::store {

// File names are UTF-8 bytes on this system already.
std::filesystem::path path_of(std::string_view utf8_name) {
    return std::filesystem::path(std::string(utf8_name));
}

}  // namespace velmora::store
