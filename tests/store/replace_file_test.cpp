#include <sys/stat.h>
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

// A temporary file planted beside a data file (a stale one, or another user's, with its own owner
// and permissions) is never written into and renamed over the data file: it is removed, and the
// save creates a file of its own, which has the permissions a new file gets in the folder.
TEST(ReplaceFile, APlantedTemporaryFileIsReplacedNotReused) {
    testing::TempDir dir;
    dir.put("zov4.ini", "a/b/c\r\n");
    dir.put("zov4.ini.tmp", "planted");
    const auto planted = dir / "zov4.ini.tmp";
    ::chmod(planted.c_str(), 0604);
    const bool other_owner = ::geteuid() == 0 && ::chown(planted.c_str(), 65534, 65534) == 0;
    struct stat before {};
    ASSERT_EQ(::stat(planted.c_str(), &before), 0);
    const mode_t mask = ::umask(022);
    ::umask(mask);

    ASSERT_TRUE(save_id_book(dir.path(), {"x/y/z"}).ok);
    EXPECT_EQ(dir.bytes("zov4.ini"), "x/y/z\r\n");
    struct stat after {};
    ASSERT_EQ(::stat((dir / "zov4.ini").c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 0777, 0666 & ~mask);
    EXPECT_EQ(after.st_uid, ::geteuid());
    if (other_owner) {
        EXPECT_NE(after.st_uid, before.st_uid);
    }
    EXPECT_FALSE(std::filesystem::exists(planted));
}

// Another program creates the temporary file in the moment between the removal of a stale one and
// the save's own creation: the save fails and keeps the data file; nothing planted reaches it.
TEST(ReplaceFile, ATemporaryFileTakenInTheMeantimeFailsTheSave) {
    testing::TempDir dir;
    dir.put("zov5.ini", kOldBytes);
    detail::inject_fault(FaultPoint::TempTaken);
    const SaveResult r = save_stock(dir.path(), {"2001/06/30http://new/"});
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.reason.starts_with("open: ")) << r.reason;
    EXPECT_EQ(dir.bytes("zov5.ini"), kOldBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    EXPECT_TRUE(save_stock(dir.path(), {"2001/06/30http://new/"}).ok);
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
