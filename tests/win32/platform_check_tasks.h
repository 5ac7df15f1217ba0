#pragma once
// The platform check's part on programs and their windows: which window a launched browser's
// task activates (also after it handed the URL to its running copy, among other windows of the
// same browser), and the single-instance lock on the program's folder. The test browser
// (velmora-test-browser.exe) lies beside the check.

#include "platform_check_support.h"
#include "win32_platform.h"

namespace velmora::probe {

void browser_task_checks(win32::Win32Platform& desktop, Check& check);
void single_instance_checks(Check& check);

}  // namespace velmora::probe
