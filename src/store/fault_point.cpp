#include "store/fault_point.h"

namespace velmora::store::detail {
namespace {

FaultPoint g_fault = FaultPoint::None;

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

}  // namespace velmora::store::detail
