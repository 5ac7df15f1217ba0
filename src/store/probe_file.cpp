// a.html: written at every start so that the system can be asked which program opens it.

#include "store/store.h"

namespace velmora::store {

SaveResult write_probe_file(const std::filesystem::path& dir) {
    return write_lines(dir / kProbeFile, {"関連付け所得用"});
}

}  // namespace velmora::store
