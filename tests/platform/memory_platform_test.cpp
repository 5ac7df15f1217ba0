#include "platform/memory_platform.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

TEST(MemoryPlatform, LogsEveryInteractionAsEventLines) {
    MemoryPlatform p;
    p.queue_answer(Answer::Yes);
    p.queue_answer(Answer::Ok);
    EXPECT_EQ(p.message_box("a\r\n\"b\"\\", Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(p.message_box("t", Buttons::Ok, "題"), Answer::Ok);
    EXPECT_EQ(p.launch("C:\\B\\b.exe http://x/"), 1);
    EXPECT_TRUE(p.activate_task(1, Wait::ForOwnFocus));
    EXPECT_FALSE(p.activate_task(std::nullopt, Wait::ForOwnFocus));
    EXPECT_TRUE(p.send_keys("%D"));
    EXPECT_FALSE(p.send_keys("{NOPE}"));
    EXPECT_TRUE(p.type_text("a　b\x01"));
    p.place_topmost("Form1", 600, 200, 155, 355);
    p.tray_add("13:05:09");
    p.tray_delete();
    const std::vector<std::string> expected = {
        "ask yesno \"a\\r\\n\\\"b\\\"\\\\\" -> yes",
        "ask ok \"t\" title \"題\" -> ok",
        "launch \"C:\\\\B\\\\b.exe http://x/\" -> task 1",
        "activate task 1 wait -> ok",
        "activate task none wait -> failed",
        "send \"%D\"",
        "send \"{NOPE}\"",
        "type \"a　b\\u{01}\"",
        "topmost Form1 600 200 155 355",
        "tray add \"13:05:09\"",
        "tray delete",
    };
    EXPECT_EQ(p.take_events(), expected);
    EXPECT_TRUE(p.events().empty());
    // Every box had its queued answer.
    EXPECT_FALSE(p.unanswered().has_value());
}

TEST(MemoryPlatform, AnUnansweredQuestionIsReported) {
    MemoryPlatform p;
    EXPECT_EQ(p.message_box("q", Buttons::YesNoCancel), Answer::Cancel);
    ASSERT_TRUE(p.unanswered().has_value());
    EXPECT_EQ(*p.unanswered(), "ask yesnocancel \"q\"");
}

TEST(MemoryPlatform, ClosedBrowsersCannotBeActivated) {
    MemoryPlatform p;
    const auto first = p.launch("b 1");
    p.close_browsers();
    const auto second = p.launch("b 2");
    EXPECT_FALSE(p.activate_task(first, Wait::No));
    EXPECT_TRUE(p.activate_task(second, Wait::No));
}

TEST(MemoryPlatform, DirectoriesAreRealAndRemoved) {
    std::filesystem::path root;
    {
        MemoryPlatform p;
        EXPECT_TRUE(p.directory_exists(p.program_directory()));
        EXPECT_TRUE(p.directory_exists(p.working_directory()));
        EXPECT_NE(p.program_directory(), p.working_directory());
        root = p.program_directory().parent_path();
    }
    EXPECT_FALSE(std::filesystem::exists(root));
}

}  // namespace
}  // namespace velmora::platform
