#include "platform/item_text_answer.h"

#include <algorithm>

namespace drelm {

namespace {

// Item data of an owner-drawn list without strings: a pointer-sized value.
constexpr std::size_t kItemDataBytes = 16;

}  // namespace

std::size_t ItemTextBufferBytes(std::size_t length) {
  return std::max(2 * (length + 1), kItemDataBytes);
}

ItemTextAnswer RecogniseItemText(std::string_view buffer, std::size_t length) {
  ItemTextAnswer answer;
  const std::size_t ansiLength = std::min(buffer.find('\0'), buffer.size());
  const std::size_t wideEnd = std::min(buffer.size(), 2 * (length + 1));
  const bool restIsZero = ansiLength >= wideEnd ||
                          buffer.substr(ansiLength, wideEnd - ansiLength).find_first_not_of('\0') ==
                              std::string_view::npos;
  if (ansiLength <= length && restIsZero) {
    answer.ansi = std::string(buffer.substr(0, ansiLength));
    return answer;
  }
  answer.utf16 = true;
  for (std::size_t at = 0; at + 1 < buffer.size(); at += 2) {
    const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(buffer[at]) |
                                                static_cast<unsigned char>(buffer[at + 1]) << 8);
    if (unit == 0) break;
    answer.wide.push_back(unit);
  }
  return answer;
}

}  // namespace drelm
