// The ID/password book on disk: zov4.ini, and zov4p.ini once passwords are protected, written in
// the order that never leaves a password in neither file, and read back together.

#include <string>
#include <vector>

#include "autofill/autofill.h"
#include "autofill/id_book.h"
#include "autofill/password_book.h"
#include "store/save_report.h"
#include "store/store.h"

namespace velmora::autofill {
namespace {

constexpr std::string_view kTurnOffQuestion =
    "パスワードの保護をやめますか？\r\n"
    "「はい」で、パスワードを zov4.ini にそのまま（だれでも読める形で）書きます。";

std::vector<std::string> book_of(const ui::Form1& form) {
    return {form.IdTexts.begin(), form.IdTexts.end() - 1};
}

int unreadable_count(const ui::Form1& form) {
    int n = 0;
    for (const std::string& entry : book_of(form)) {
        n += is_unreadable_password(split_entry(entry).password) ? 1 : 0;
    }
    return n;
}

void set_protection(ui::Form1& form, bool on) {
    form.PasswordsProtected = on;
    form.mnProtectPasswords.set_checked(on);
}

}  // namespace

bool Save4(ui::Program& program) {
    platform::Platform& platform = program.platform;
    const ui::Form1& form = program.form1;
    const auto dir = platform.program_directory();
    const Protection protection = form.PasswordsProtected ? Protection::On : Protection::Off;
    const SavedBook saved = split_book(book_of(form), protection, protector(platform));
    const bool keeps_protected = protection == Protection::On || !saved.protected_lines.empty();
    const store::PasswordFile protected_file{protection == Protection::On, saved.protected_lines};
    // The file that gains passwords is written before the one that gives them up, so that a save
    // cut short leaves every password in one of the two.
    if (protection == Protection::On &&
        !store::report_save(platform, store::save_password_file(dir, protected_file))) {
        return false;
    }
    if (!store::report_save(platform, store::save_id_book(dir, saved.id_book))) {
        return false;
    }
    if (protection == Protection::Off) {
        const store::SaveResult result = keeps_protected ? store::save_password_file(dir, protected_file)
                                         : platform.file_exists(dir / store::kPasswordFile)
                                             ? store::remove_password_file(dir)
                                             : store::SaveResult{};
        if (!store::report_save(platform, result)) {
            return false;
        }
    }
    if (saved.left_plain > 0) {
        platform.message_box(std::to_string(saved.left_plain) +
                                 " 件のパスワードを保護できなかったため、zov4.ini にそのまま書きました。",
                             platform::Buttons::Ok);
    }
    return true;
}

void load_id_book(ui::Program& program) {
    ui::Form1& form = program.form1;
    form.IdTexts.assign(1, std::string());
    const auto dir = program.platform.program_directory();
    const auto book = store::load_id_book(dir);
    const auto protected_file = store::load_password_file(dir);
    set_protection(form, protected_file && protected_file->protection_on);
    if (!book && !protected_file) {
        return;
    }
    const std::vector<std::string> entries =
        protected_file ? join_book(book.value_or(std::vector<std::string>{}), protected_file->lines,
                                   revealer(program.platform))
                       : *book;
    for (const std::string& entry : entries) {
        form.IdTexts.back() = entry;
        form.IdTexts.emplace_back();
    }
    AddList2a(program);
}

void mnProtectPasswords_Click(ui::Program& program) {
    ui::Form1& form = program.form1;
    platform::Platform& platform = program.platform;
    const bool was_on = form.PasswordsProtected;
    if (was_on && platform.message_box(kTurnOffQuestion, platform::Buttons::YesNo) != platform::Answer::Yes) {
        return;
    }
    set_protection(form, !was_on);
    if (!Save4(program)) {
        set_protection(form, was_on);
        return;
    }
    if (const int kept = unreadable_count(form); was_on && kept > 0) {
        platform.message_box("このパソコンで読めないパスワードが " + std::to_string(kept) +
                                 " 件あります。それらは保護したまま zov4p.ini に残します。",
                             platform::Buttons::Ok);
    }
}

}  // namespace velmora::autofill
