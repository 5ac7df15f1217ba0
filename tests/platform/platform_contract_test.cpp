// The headless desktop keeps the contract every Platform keeps (the Win32 one runs the same
// checks under Wine).
#include "platform/platform_contract.h"

#include <gtest/gtest.h>

#include "platform/memory_platform.h"

namespace velmora::platform {
namespace {

TEST(PlatformContract, MemoryPlatformKeepsIt) {
    MemoryPlatform desktop;
    int checks = 0;
    run_platform_contract(desktop, [&checks](const char* name, bool ok) {
        EXPECT_TRUE(ok) << name;
        ++checks;
    });
    EXPECT_GT(checks, 10);
}

}  // namespace
}  // namespace velmora::platform
