// The user's data protection: CryptProtectData ties a secret to this Windows user on this
// machine, with entropy of the program's own, so that another program that merely calls
// CryptUnprotectData on the bytes without it cannot read them either.

#include <windows.h>

#include <wincrypt.h>

#include <dpapi.h>

#include "win32_platform.h"

namespace velmora::win32 {
namespace {

constexpr char kEntropy[] = "Velmora ID/password book, protected passwords, format 1";

DATA_BLOB blob_of(std::string_view bytes) {
    return DATA_BLOB{static_cast<DWORD>(bytes.size()),
                     reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()))};
}

// The bytes the system handed out, copied, and its buffer given back (wiped: it may be a secret).
std::string take(DATA_BLOB& out) {
    std::string bytes(reinterpret_cast<const char*>(out.pbData), out.cbData);
    SecureZeroMemory(out.pbData, out.cbData);
    LocalFree(out.pbData);
    return bytes;
}

}  // namespace

std::optional<std::string> Win32Platform::protect_secret(std::string_view secret) {
    DATA_BLOB in = blob_of(secret);
    DATA_BLOB entropy = blob_of(std::string_view(kEntropy, sizeof kEntropy - 1));
    DATA_BLOB out{};
    if (!CryptProtectData(&in, L"Velmora", &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out)) {
        return std::nullopt;
    }
    return take(out);
}

std::optional<std::string> Win32Platform::unprotect_secret(std::string_view protected_bytes) {
    DATA_BLOB in = blob_of(protected_bytes);
    DATA_BLOB entropy = blob_of(std::string_view(kEntropy, sizeof kEntropy - 1));
    DATA_BLOB out{};
    if (!CryptUnprotectData(&in, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out)) {
        return std::nullopt;
    }
    return take(out);
}

}  // namespace velmora::win32
