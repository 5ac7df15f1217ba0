// A save killed at any moment leaves the data file as it was before or as it is after, never torn
// and never missing: a child process saves two contents in turn and is killed at random moments.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "store/every_file_kind.h"
#include "store/temp_dir.h"

namespace velmora::store {
namespace {

using testing::Content;
using testing::TempDir;

// Saves the two contents in turn for ever, telling the parent through `ready` once the first
// save is complete, so that every kill falls on a child that is saving.
[[noreturn]] void save_in_turn(const testing::FileKind& kind, const std::filesystem::path& dir, int ready) {
    for (bool first = true;; first = false) {
        kind.save(dir, Content::New);
        if (first) {
            const char byte = 1;
            (void)!::write(ready, &byte, 1);
            ::close(ready);
        }
        kind.save(dir, Content::Old);
    }
}

// Starts a saving child, kills it after `delay`, and returns once it is gone.
void kill_while_saving(const testing::FileKind& kind, const std::filesystem::path& dir,
                       std::chrono::microseconds delay) {
    int pipe_ends[2];
    ASSERT_EQ(::pipe(pipe_ends), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipe_ends[0]);
        save_in_turn(kind, dir, pipe_ends[1]);
    }
    ::close(pipe_ends[1]);
    char byte = 0;
    const auto got = ::read(pipe_ends[0], &byte, 1);
    ::close(pipe_ends[0]);
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(got, 1) << "the child never finished a save";
    ASSERT_TRUE(WIFSIGNALED(status));
}

TEST(KilledSave, FileIsAlwaysTheOldOrTheNewContent) {
    const auto kind = testing::every_file_kind(300)[4];  // zov5.ini, rewritten at every change
    TempDir reference;
    ASSERT_TRUE(kind.save(reference.path(), Content::Old).ok);
    const std::string old_bytes = reference.bytes(kind.name);
    ASSERT_TRUE(kind.save(reference.path(), Content::New).ok);
    const std::string new_bytes = reference.bytes(kind.name);

    TempDir dir;
    ASSERT_TRUE(kind.save(dir.path(), Content::Old).ok);
    std::mt19937 random(20010510);
    std::uniform_int_distribution<int> delay_us(0, 2000);
    for (int kill = 0; kill < 200; ++kill) {
        kill_while_saving(kind, dir.path(), std::chrono::microseconds(delay_us(random)));
        if (HasFatalFailure()) {
            return;
        }
        const std::string bytes = dir.bytes(kind.name);
        ASSERT_TRUE(bytes == old_bytes || bytes == new_bytes)
            << "kill " << kill << " left " << bytes.size() << " bytes";
        // A temporary file left by the killed save does not hide the data file from the reader.
        const auto loaded = load_stock(dir.path());
        ASSERT_TRUE(loaded.has_value());
        EXPECT_EQ(*loaded, testing::lines_of(bytes == old_bytes ? Content::Old : Content::New, 300));
    }
}

}  // namespace
}  // namespace velmora::store
