// A save of the protected ID book cut short at either of its two files (the scenarios show the
// option on and off, a restart and an unreadable password): every password stays in one of them.
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
    for (const char* secret : {"Secret-1", "Pass(2)"}) {
        EXPECT_EQ(all_bytes().find(secret), std::string::npos) << "a password stands in plain text";
    }
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
