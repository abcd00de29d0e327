#include "options/reserved_handles.h"

#include <string>

#include "text/ansi.h"

namespace drelm {

namespace {

constexpr std::string_view kReservedHandles[] = {"vrin", "quost", "quos0"};
constexpr std::string_view kPasswordSalt = "drelm idle handle guard:";
constexpr std::uint64_t kPasswordHash = 0xaeed4053e863e78aULL;

constexpr std::uint64_t kFnvOffsetBasis = 0xcbf29ce484222325ULL;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;

}  // namespace

bool IsReservedHandle(std::string_view answer) {
  std::string squeezed;
  for (char c : answer) {
    if (c != ' ') squeezed += c;
  }
  squeezed = LowerAnsi(squeezed);
  for (std::string_view reserved : kReservedHandles) {
    if (squeezed == reserved) return true;
  }
  return false;
}

std::uint64_t ReservedHandlePasswordHash(std::string_view text) {
  std::uint64_t hash = kFnvOffsetBasis;
  for (std::string_view part : {kPasswordSalt, text}) {
    for (char c : part) {
      hash ^= static_cast<unsigned char>(c);
      hash *= kFnvPrime;
    }
  }
  return hash;
}

bool IsReservedHandlePassword(std::string_view answer) {
  return ReservedHandlePasswordHash(answer) == kPasswordHash;
}

}  // namespace drelm
