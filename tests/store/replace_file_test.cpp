#include <unistd.h>

#include <gtest/gtest.h>

#include "store/fault_point.h"
#include "store/store.h"
#include "store/temp_dir.h"

namespace velmora::store {
namespace {

using detail::FaultPoint;

constexpr std::string_view kOldBytes = "2001/05/31http://old/\r\n";

struct Fault {
    FaultPoint point;
    std::string_view step;
};

// A failure at any step leaves the previous file whole and no temporary file behind.
TEST(ReplaceFile, OldFileSurvivesAFailureAtEachStep) {
    const Fault kFaults[] = {
        {FaultPoint::Open, "open"},
        {FaultPoint::Write, "write"},
        {FaultPoint::Flush, "flush"},
        {FaultPoint::Rename, "rename"},
    };
    for (const auto& f : kFaults) {
        testing::TempDir dir;
        dir.put("zov5.ini", kOldBytes);
        detail::inject_fault(f.point);
        const SaveResult r = save_stock(dir.path(), {"2001/06/30http://new/"});
        EXPECT_FALSE(r.ok) << f.step;
        EXPECT_EQ(r.file, "zov5.ini");
        EXPECT_TRUE(r.reason.starts_with(f.step)) << r.reason;
        EXPECT_EQ(dir.bytes("zov5.ini"), kOldBytes) << f.step;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << f.step;
        // The fault is used up: the next save goes through.
        EXPECT_TRUE(save_stock(dir.path(), {"2001/06/30http://new/"}).ok);
        EXPECT_EQ(load_stock(dir.path()), std::vector<std::string>{"2001/06/30http://new/"});
    }
}

TEST(ReplaceFile, ReplacesTheOldFileWhole) {
    testing::TempDir dir;
    dir.put("zov4.ini", "a/b/c\r\nd/e/f\r\ng/h/i\r\n");
    ASSERT_TRUE(save_id_book(dir.path(), {"x/y/z"}).ok);
    EXPECT_EQ(dir.bytes("zov4.ini"), "x/y/z\r\n");
}

// The system refuses the temporary file: a directory stands where it would be created.
TEST(ReplaceFile, SystemRefusalIsReportedWithTheOldFileIntact) {
    testing::TempDir dir;
    dir.put("zov5.ini", kOldBytes);
    std::filesystem::create_directory(dir / "zov5.ini.tmp");
    const SaveResult r = save_stock(dir.path(), {"new"});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.file, "zov5.ini");
    EXPECT_TRUE(r.reason.starts_with("open: ")) << r.reason;
    EXPECT_EQ(dir.bytes("zov5.ini"), kOldBytes);
}

TEST(ReplaceFile, ReadOnlyDirectoryKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into read-only directories";
    }
    testing::TempDir dir;
    dir.put("zov21.ini", kOldBytes);
    std::filesystem::permissions(dir.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const SaveResult r = save_history(dir.path(), {"new"});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.file, "zov21.ini");
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(dir.bytes("zov21.ini"), kOldBytes);
}

TEST(ReplaceFile, MissingDirectoryIsAFailureNotACrash) {
    testing::TempDir dir;
    const SaveResult r = write_probe_file(dir / "missing");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.file, "a.html");
}

}  // namespace
}  // namespace velmora::store
