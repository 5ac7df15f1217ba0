#pragma once
// Test seam of the crash-safe file replacement: a test names the step at which the next save
// fails, as if the system had refused it, and checks that the previous file survives.

#include <cstddef>
#include <optional>

namespace velmora::store::detail {

// TempTaken: another program creates a file at the temporary path just before the save
// creates its own there (after a stale one was removed).
enum class FaultPoint { None, TempTaken, Open, Write, Flush, Rename };

// The next save fails at `point` (once; FaultPoint::None clears it).
void inject_fault(FaultPoint point);

// True when a fault is due at `point`; the fault is then used up.
bool fault_due(FaultPoint point);

// The next save's write finds the disk full after `bytes` bytes: those reach the temporary file,
// then the write fails as on a full disk (once; a save shorter than that is not affected).
void inject_disk_full_after(std::size_t bytes);

// The room left on the disk for the write when a full disk is due; the fault is then used up.
std::optional<std::size_t> disk_full_due();

}  // namespace velmora::store::detail
