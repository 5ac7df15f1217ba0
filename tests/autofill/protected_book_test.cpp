// The "パスワードを保護する" option on the ID book's files: on and off, a restart, a save cut
// short at either file, and the protected passwords never in zov4.ini nor in plain anywhere.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "autofill/id_book.h"
#include "autofill/password_book.h"
#include "autofill_fixture.h"
#include "store/fault_point.h"
#include "store/store.h"

namespace velmora::autofill::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string kTurnOff =
    "ask yesno \"パスワードの保護をやめますか？\\r\\n"
    "「はい」で、パスワードを zov4.ini にそのまま（だれでも読める形で）書きます。\" -> ";

class ProtectedBook : public AutofillTest {
protected:
    std::filesystem::path dir() { return platform.program_directory(); }
    void write_book(const Lines& lines) { ASSERT_TRUE(store::save_id_book(dir(), lines).ok); }
    std::optional<Lines> zov4() { return store::load_id_book(dir()); }
    std::optional<store::PasswordFile> zov4p() { return store::load_password_file(dir()); }
    // Every byte of every file beside the program, for a search for a plain password.
    std::string all_bytes() {
        std::string bytes;
        for (const auto& file : std::filesystem::directory_iterator(dir())) {
            std::ifstream in(file.path(), std::ios::binary);
            bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        return bytes;
    }
    void toggle() { form().mnProtectPasswords.on_click(); }
    // A restart: the book read afresh from the files.
    void restart() {
        form().IdTexts = {""};
        load_id_book(program);
    }
    Lines book() { return {form().IdTexts.begin(), form().IdTexts.end() - 1}; }
};

TEST_F(ProtectedBook, OnAndOffAndARestartBetween) {
    const Lines plain = {"shop/me/Secret-1", "club/id2/Pass(2)"};
    write_book(plain);
    load_id_book(program);
    EXPECT_FALSE(form().mnProtectPasswords.checked());
    EXPECT_FALSE(zov4p().has_value());

    toggle();
    EXPECT_TRUE(form().mnProtectPasswords.checked());
    EXPECT_EQ(zov4(), (Lines{"shop/me/", "club/id2/"}));
    ASSERT_TRUE(zov4p().has_value());
    EXPECT_TRUE(zov4p()->protection_on);
    EXPECT_EQ(zov4p()->lines.size(), 2U);
    for (const char* secret : {"Secret-1", "Pass(2)"}) {
        EXPECT_EQ(all_bytes().find(secret), std::string::npos) << "a password stands in plain text";
    }

    restart();
    EXPECT_TRUE(form().mnProtectPasswords.checked());
    EXPECT_EQ(book(), plain);
    EXPECT_EQ(form().List2.rows(), (Lines{"shop", "club"}));
    launch_browser();
    form().List2.set_list_index(1);
    form().List2.on_dblclick();
    EXPECT_EQ(platform.take_events(), activated_then({tab_text("id2"), tab_text("Pass(2)")}));

    platform.queue_answer(platform::Answer::No);
    toggle();
    EXPECT_EQ(platform.take_events(), Lines{kTurnOff + "no"});
    EXPECT_TRUE(form().mnProtectPasswords.checked());
    EXPECT_EQ(zov4(), (Lines{"shop/me/", "club/id2/"}));

    platform.queue_answer(platform::Answer::Yes);
    toggle();
    EXPECT_EQ(platform.take_events(), Lines{kTurnOff + "yes"});
    EXPECT_FALSE(form().mnProtectPasswords.checked());
    EXPECT_EQ(zov4(), plain);
    EXPECT_FALSE(zov4p().has_value());
    restart();
    EXPECT_FALSE(form().mnProtectPasswords.checked());
    EXPECT_EQ(book(), plain);
}

TEST_F(ProtectedBook, AnUnreadablePasswordIsKeptShownAndRefused) {
    write_book({"old/u/", "new/n/np"});
    ASSERT_TRUE(store::save_password_file(dir(), {true, {"old/u/QUJD"}}).ok);
    load_id_book(program);
    EXPECT_EQ(form().List2.rows(), (Lines{"【読めない】old", "new"}));
    launch_browser();
    form().List2.set_list_index(0);
    platform.queue_answer(platform::Answer::Ok);
    form().List2.on_dblclick();
    const Lines events = platform.take_events();
    ASSERT_EQ(events.size(), 1U);
    EXPECT_TRUE(
        events[0].starts_with("ask ok \"このパスワードは、このパソコンのこのユーザーでは読めないため"));
    EXPECT_EQ(sends, 0);
    form().Command15.on_click();
    EXPECT_EQ(form().Text6.text(), "");

    ASSERT_TRUE(Save4(program));
    EXPECT_EQ(zov4p()->lines, (Lines{"old/u/QUJD", "new/n/" + *protector(platform)("new/n/np")}));
    platform.queue_answer(platform::Answer::Yes);
    platform.queue_answer(platform::Answer::Ok);
    toggle();
    EXPECT_EQ(zov4(), (Lines{"old/u/", "new/n/np"}));
    ASSERT_TRUE(zov4p().has_value());
    EXPECT_FALSE(zov4p()->protection_on);
    EXPECT_EQ(zov4p()->lines, Lines{"old/u/QUJD"});
}

TEST_F(ProtectedBook, ASaveCutShortLeavesEveryPasswordInOneOfTheFiles) {
    const Lines plain = {"shop/me/Secret-1", "club/id2/Pass(2)"};
    write_book(plain);
    load_id_book(program);

    // Turning on fails at the protected file: nothing changed, the option stays off.
    store::detail::inject_fault(store::detail::FaultPoint::Rename);
    platform.queue_answer(platform::Answer::Ok);
    toggle();
    EXPECT_FALSE(form().mnProtectPasswords.checked());
    EXPECT_EQ(zov4(), plain);
    EXPECT_FALSE(zov4p().has_value());
    platform.take_events();

    // Turning on fails at zov4.ini after zov4p.ini was written: both old passwords readable.
    std::filesystem::create_directory(dir() / "zov4.ini.tmp");
    platform.queue_answer(platform::Answer::Ok);
    toggle();
    std::filesystem::remove(dir() / "zov4.ini.tmp");
    EXPECT_EQ(zov4(), plain);
    restart();
    EXPECT_EQ(book(), plain);

    // zov4p.ini said on: the next save finishes the turn. Then turning off fails at zov4.ini: the
    // protected passwords stay where they were.
    ASSERT_TRUE(form().mnProtectPasswords.checked());
    ASSERT_TRUE(Save4(program));
    EXPECT_EQ(zov4(), (Lines{"shop/me/", "club/id2/"}));
    store::detail::inject_fault(store::detail::FaultPoint::Flush);
    platform.queue_answer(platform::Answer::Yes);
    platform.queue_answer(platform::Answer::Ok);
    toggle();
    EXPECT_TRUE(form().mnProtectPasswords.checked());
    EXPECT_EQ(zov4(), (Lines{"shop/me/", "club/id2/"}));
    restart();
    EXPECT_EQ(book(), plain);
}

}  // namespace
}  // namespace velmora::autofill::testing
