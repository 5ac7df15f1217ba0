#pragma once
// The launch checks of the platform check: the browser's command line against the system's own
// splitting, and a real launch of the test browser.

#include "platform_check_support.h"
#include "win32_platform.h"

namespace velmora::probe {

void launch_checks(win32::Win32Platform& desktop, Check& check);

}  // namespace velmora::probe
