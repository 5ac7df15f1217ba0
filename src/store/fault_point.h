#pragma once
// Test seam of the crash-safe file replacement: a test names the step at which the next save
// fails, as if the system had refused it, and checks that the previous file survives.

namespace velmora::store::detail {

enum class FaultPoint { None, Open, Write, Flush, Rename };

// The next save fails at `point` (once; FaultPoint::None clears it).
void inject_fault(FaultPoint point);

// True when a fault is due at `point`; the fault is then used up.
bool fault_due(FaultPoint point);

}  // namespace velmora::store::detail
