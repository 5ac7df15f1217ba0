#include "autofill/password_book.h"

#include "text/base64.h"
#include "text/text.h"

namespace velmora::autofill {
namespace {

struct ProtectedLine {
    EntryParts parts;  // the key, and in `password` the protected text
    bool used = false;
};

// The entry the line holds when it can be read here and belongs to its own title and ID;
// otherwise the entry with the unreadable password kept as it stands.
std::string entry_of(const ProtectedLine& line, const Reveal& reveal) {
    const std::string key = line.parts.key();
    if (const auto entry = reveal(line.parts.password); entry && text::starts_with(*entry, key)) {
        return *entry;
    }
    return key + std::string(kUnreadableMark) + line.parts.password;
}

ProtectedLine* first_unused(std::vector<ProtectedLine>& lines, const std::string& key) {
    for (ProtectedLine& line : lines) {
        if (!line.used && line.parts.key() == key) {
            return &line;
        }
    }
    return nullptr;
}

}  // namespace

EntryParts split_entry(std::string_view entry) {
    EntryParts parts;
    const long first = text::find(entry, "/");
    if (first == 0) {
        parts.title = std::string(entry);
        return parts;
    }
    parts.title = text::left(entry, first - 1);
    const std::string rest = text::mid(entry, first + 1);
    const long second = text::find(rest, "/");
    parts.slashes = second == 0 ? 1 : 2;
    parts.id = second == 0 ? rest : text::left(rest, second - 1);
    parts.password = second == 0 ? std::string() : text::mid(rest, second + 1);
    return parts;
}

bool is_unreadable_password(std::string_view password) {
    return text::starts_with(password, kUnreadableMark);
}

SavedBook split_book(const std::vector<std::string>& entries, Protection protection, const Protect& protect) {
    SavedBook saved;
    for (const std::string& entry : entries) {
        const EntryParts parts = split_entry(entry);
        if (parts.slashes < 2) {
            saved.id_book.push_back(entry);  // a hand-made line without a password part
            continue;
        }
        if (is_unreadable_password(parts.password)) {
            saved.id_book.push_back(parts.key());
            saved.protected_lines.push_back(parts.key() + parts.password.substr(kUnreadableMark.size()));
            continue;
        }
        std::optional<std::string> kept;
        if (protection == Protection::On) {
            kept = protect(entry);
            saved.left_plain += kept ? 0 : 1;
        }
        if (!kept) {
            saved.id_book.push_back(entry);
            continue;
        }
        saved.id_book.push_back(parts.key());
        saved.protected_lines.push_back(parts.key() + *kept);
    }
    return saved;
}

std::vector<std::string> join_book(const std::vector<std::string>& id_book,
                                   const std::vector<std::string>& protected_lines, const Reveal& reveal) {
    std::vector<ProtectedLine> lines;
    for (const std::string& line : protected_lines) {
        EntryParts parts = split_entry(line);
        if (parts.slashes == 2) {
            lines.push_back({std::move(parts)});
        }
    }
    std::vector<std::string> entries;
    for (const std::string& entry : id_book) {
        const EntryParts parts = split_entry(entry);
        ProtectedLine* line = parts.slashes == 2 ? first_unused(lines, parts.key()) : nullptr;
        if (line == nullptr) {
            entries.push_back(entry);
        } else if (!parts.password.empty()) {
            // Written plain beside its protected copy (a save that stopped half-way): the same entry.
            line->used = entry_of(*line, reveal) == entry;
            entries.push_back(entry);
        } else {
            line->used = true;
            entries.push_back(entry_of(*line, reveal));
        }
    }
    for (const ProtectedLine& line : lines) {
        if (!line.used) {
            entries.push_back(entry_of(line, reveal));
        }
    }
    return entries;
}

Protect protector(platform::Platform& platform) {
    return [&platform](std::string_view entry) -> std::optional<std::string> {
        const auto bytes = platform.protect_secret(entry);
        return bytes ? std::optional<std::string>(text::encode_base64(*bytes)) : std::nullopt;
    };
}

Reveal revealer(platform::Platform& platform) {
    return [&platform](std::string_view protected_text) -> std::optional<std::string> {
        const auto bytes = text::decode_base64(protected_text);
        return bytes ? platform.unprotect_secret(*bytes) : std::nullopt;
    };
}

}  // namespace velmora::autofill
