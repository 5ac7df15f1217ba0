#pragma once
// Passwords protected at rest: how the ID/password book is split for saving into zov4.ini
// (title "/" ID "/" with the password part left empty, so that an older reader types nothing)
// and the lines of zov4p.ini (title "/" ID "/" and the protected entry), and joined again at
// start. A protected password that cannot be read back here stays in memory exactly as the file
// holds it, so that it is written back unchanged.
//
//   SavedBook saved = split_book(entries, Protection::On, protector(platform));
//   std::vector<std::string> entries = join_book(saved.id_book, saved.protected_lines, revealer(platform));

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace velmora::autofill {

// An entry: title before the first "/", ID up to the second, password the rest (it may hold "/").
struct EntryParts {
    std::string title;
    std::string id;
    std::string password;
    int slashes = 0;  // how many of the two "/" the entry has
    // title "/" ID "/": what zov4.ini keeps of a protected entry, and what ties it to its line.
    std::string key() const { return title + "/" + id + "/"; }
};
EntryParts split_entry(std::string_view entry);

// The password part, in memory, of an entry whose protected password cannot be read here: this
// mark (a control character no one types) and the protected text as zov4p.ini holds it.
inline constexpr std::string_view kUnreadableMark = "\x01unreadable:";
bool is_unreadable_password(std::string_view password);

enum class Protection { Off, On };

// The protected text (base64) of a whole entry; nullopt when the desktop refused.
using Protect = std::function<std::optional<std::string>(std::string_view entry)>;
// The entry back from its protected text; nullopt when it cannot be read here.
using Reveal = std::function<std::optional<std::string>(std::string_view protected_text)>;

struct SavedBook {
    std::vector<std::string> id_book;          // the lines of zov4.ini
    std::vector<std::string> protected_lines;  // the lines of zov4p.ini after its header
    int left_plain = 0;                        // passwords the desktop refused to protect
};

// With the protection on, every entry's password goes into zov4p.ini (one line per entry, in
// order, an empty password too); a password the desktop refuses to protect stays in zov4.ini
// rather than being lost. With it off, passwords stand in zov4.ini as always. Either way an
// unreadable password goes back to zov4p.ini exactly as it came.
SavedBook split_book(const std::vector<std::string>& entries, Protection protection, const Protect& protect);

// The book from both files. An entry with an empty password takes the first unused line of
// zov4p.ini with its title and ID (the n-th such entry the n-th such line); an entry that still
// has its password keeps it, using up the line that holds the same entry. Lines no entry takes
// are not dropped: their entries follow at the end.
std::vector<std::string> join_book(const std::vector<std::string>& id_book,
                                   const std::vector<std::string>& protected_lines, const Reveal& reveal);

// The platform's data protection, as base64 text.
Protect protector(platform::Platform& platform);
Reveal revealer(platform::Platform& platform);

}  // namespace velmora::autofill
