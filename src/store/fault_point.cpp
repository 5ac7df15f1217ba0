#include "store/fault_point.h"

#include <utility>

namespace velmora::store::detail {
namespace {

FaultPoint g_fault = FaultPoint::None;
std::optional<std::size_t> g_disk_room;

}  // namespace

void inject_fault(FaultPoint point) {
    g_fault = point;
}

bool fault_due(FaultPoint point) {
    if (point == FaultPoint::None || g_fault != point) {
        return false;
    }
    g_fault = FaultPoint::None;
    return true;
}

void inject_disk_full_after(std::size_t bytes) {
    g_disk_room = bytes;
}

std::optional<std::size_t> disk_full_due() {
    return std::exchange(g_disk_room, std::nullopt);
}

}  // namespace velmora::store::detail
