#include "platform/win32/win32_data_protection.h"

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_optional_functions.h"

// After <windows.h>, which it needs.
#include <wincrypt.h>

namespace drelm::win32 {

namespace {

constexpr OptionalFunction kCryptProtectData{"crypt32.dll", "CryptProtectData", false};
constexpr OptionalFunction kCryptUnprotectData{"crypt32.dll", "CryptUnprotectData", false};

// Mixed into every seal, so that a program of the same user that opens seals of other programs
// as they come does not open this one without knowing it.
constexpr char kEntropy[] = "drelm idle aol password";
// The description is kept readable inside the seal; Windows 2000 wants one.
constexpr wchar_t kDescription[] = L"drelm idle";

using ProtectFn = decltype(&::CryptProtectData);
using UnprotectFn = decltype(&::CryptUnprotectData);

DATA_BLOB BlobOf(std::string_view bytes) {
  return DATA_BLOB{static_cast<DWORD>(bytes.size()),
                   reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()))};
}

// Takes the bytes the system allocated, and clears them before handing them back, since they
// may be the secret itself.
std::string TakeBlob(DATA_BLOB& blob) {
  std::string bytes(reinterpret_cast<const char*>(blob.pbData), blob.cbData);
  SecureZeroMemory(blob.pbData, blob.cbData);
  LocalFree(blob.pbData);
  return bytes;
}

}  // namespace

std::optional<std::string> Win32DataProtection::Protect(std::string_view secret) {
  const auto protect = FindOptionalAs<ProtectFn>(kCryptProtectData);
  if (protect == nullptr) return std::nullopt;
  DATA_BLOB in = BlobOf(secret);
  DATA_BLOB entropy = BlobOf(kEntropy);
  DATA_BLOB out{};
  if (!protect(&in, kDescription, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out)) {
    return std::nullopt;
  }
  return TakeBlob(out);
}

std::optional<std::string> Win32DataProtection::Unprotect(std::string_view sealed) {
  const auto unprotect = FindOptionalAs<UnprotectFn>(kCryptUnprotectData);
  if (unprotect == nullptr) return std::nullopt;
  DATA_BLOB in = BlobOf(sealed);
  DATA_BLOB entropy = BlobOf(kEntropy);
  DATA_BLOB out{};
  if (!unprotect(&in, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out)) {
    return std::nullopt;
  }
  return TakeBlob(out);
}

}  // namespace drelm::win32
