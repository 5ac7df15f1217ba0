// A save that fails at any step, or on a full disk, leaves the previous file of every kind whole,
// leaves no temporary file behind, and the user is told which file was not saved.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>

#include "platform/memory_platform.h"
#include "store/every_file_kind.h"
#include "store/fault_point.h"
#include "store/save_report.h"
#include "store/temp_dir.h"

namespace velmora::store {
namespace {

using detail::FaultPoint;
using testing::Content;
using testing::TempDir;

std::size_t file_count(const TempDir& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
}

// The bytes the new content of a kind takes on the disk.
std::size_t new_size(const testing::FileKind& kind) {
    TempDir dir;
    EXPECT_TRUE(kind.save(dir.path(), Content::New).ok);
    return dir.bytes(kind.name).size();
}

// Saves the new content over the old one with the fault armed by `arm`, and checks that the
// save failed at `step`, that the old file is unchanged, and that the message names the file.
void expect_old_file_kept(const testing::FileKind& kind, std::string_view step,
                          const std::function<void()>& arm) {
    TempDir dir;
    ASSERT_TRUE(kind.save(dir.path(), Content::Old).ok);
    const std::string old_bytes = dir.bytes(kind.name);
    arm();
    const SaveResult r = kind.save(dir.path(), Content::New);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.file, kind.name);
    EXPECT_TRUE(r.reason.starts_with(step)) << r.reason;
    EXPECT_EQ(dir.bytes(kind.name), old_bytes);
    EXPECT_EQ(file_count(dir), 1u) << "a temporary file was left behind";

    platform::MemoryPlatform platform;
    EXPECT_FALSE(report_save(platform, r));
    const auto events = platform.take_events();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].starts_with("ask ok ")) << events[0];
    EXPECT_NE(events[0].find(kind.name), std::string::npos) << events[0];

    // The fault is used up: the next save goes through.
    EXPECT_TRUE(kind.save(dir.path(), Content::New).ok);
    EXPECT_NE(dir.bytes(kind.name), old_bytes);
}

TEST(FaultInjection, EveryFileKindSurvivesAFailureAtEachStep) {
    const std::pair<FaultPoint, std::string_view> kSteps[] = {
        {FaultPoint::Open, "open"},
        {FaultPoint::Write, "write"},
        {FaultPoint::Flush, "flush"},
        {FaultPoint::Rename, "rename"},
    };
    for (const auto& kind : testing::every_file_kind()) {
        for (const auto& [point, step] : kSteps) {
            SCOPED_TRACE(std::string(kind.name) + " " + std::string(step));
            expect_old_file_kept(kind, step, [point = point] { detail::inject_fault(point); });
        }
    }
}

// The disk fills up part way through the temporary file: at its first byte, after one byte, in
// the middle (inside a multi-byte character of the long file) and one byte short of the end.
TEST(FaultInjection, EveryFileKindSurvivesAFullDisk) {
    for (const auto& kind : testing::every_file_kind(400)) {
        const std::size_t size = new_size(kind);
        ASSERT_GT(size, 1000u) << kind.name;
        for (const std::size_t room : {std::size_t{0}, std::size_t{1}, size / 2 + 1, size - 1}) {
            SCOPED_TRACE(std::string(kind.name) + " full after " + std::to_string(room));
            expect_old_file_kept(kind, "write", [room] { detail::inject_disk_full_after(room); });
        }
    }
}

TEST(FaultInjection, ADiskWithRoomEnoughChangesNothing) {
    TempDir dir;
    detail::inject_disk_full_after(1 << 20);
    EXPECT_TRUE(save_stock(dir.path(), {"a"}).ok);
    EXPECT_EQ(dir.bytes(kStockFile), "a\r\n");
    // Used up by that save, even though it did not fire.
    EXPECT_FALSE(detail::disk_full_due());
}

// Tries to save the new content of every kind into its directory, which this process may not
// write into; returns how many saves claimed success or changed the old file.
int saves_not_refused(const std::vector<testing::FileKind>& kinds,
                      const std::vector<std::unique_ptr<TempDir>>& dirs,
                      const std::vector<std::string>& old_bytes) {
    int wrong = 0;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const SaveResult r = kinds[i].save(dirs[i]->path(), Content::New);
        wrong += r.ok || r.file != kinds[i].name || dirs[i]->bytes(kinds[i].name) != old_bytes[i] ? 1 : 0;
    }
    return wrong;
}

// A directory the program may not write into. The superuser writes anywhere, so then the saves
// run in a child process that has given up its rights for those of "nobody".
TEST(FaultInjection, EveryFileKindSurvivesAReadOnlyDirectory) {
    const auto kinds = testing::every_file_kind();
    std::vector<std::unique_ptr<TempDir>> dirs;
    std::vector<std::string> old_bytes;
    for (const auto& kind : kinds) {
        dirs.push_back(std::make_unique<TempDir>());
        ASSERT_TRUE(kind.save(dirs.back()->path(), Content::Old).ok);
        old_bytes.push_back(dirs.back()->bytes(kind.name));
    }
    if (::geteuid() != 0) {
        for (const auto& dir : dirs) {
            std::filesystem::permissions(
                dir->path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        }
        EXPECT_EQ(saves_not_refused(kinds, dirs, old_bytes), 0);
        return;
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            ::_exit(100);
        }
        ::_exit(saves_not_refused(kinds, dirs, old_bytes));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 100) << "could not become nobody";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "saves that were not refused";
}

TEST(SaveReport, SuccessShowsNothing) {
    platform::MemoryPlatform platform;
    EXPECT_TRUE(report_save(platform, {true, "zov5.ini", {}}));
    EXPECT_TRUE(platform.take_events().empty());
}

}  // namespace
}  // namespace velmora::store
