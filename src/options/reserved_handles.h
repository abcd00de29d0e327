// The two authors' handles are reserved: taking one asks for a password. The password is known
// to the program only as a hash, so it cannot be read out of the executable.
#pragma once

#include <cstdint>
#include <string_view>

namespace drelm {

// True for "vrin", "quost" and "quos0" in any case, with blanks anywhere.
bool IsReservedHandle(std::string_view answer);

// 64-bit FNV-1a of a fixed salt followed by the text: cheap, and enough to keep the password's
// letters out of the executable (it is no protection against someone trying every word).
std::uint64_t ReservedHandlePasswordHash(std::string_view text);

// Exact and case-sensitive, as a plain comparison of the password would be.
bool IsReservedHandlePassword(std::string_view answer);

}  // namespace drelm
