// The chat scanner's reading of a room's text across several looks. The input is a run of
// texts: the first is the room as the scan starts, each later one either the room's whole text
// at the next look (trimmed, rewritten, anything) or, when the input starts with "+", what
// reached the end of the room since the look before. Lines taken never hold a line break, and
// in a room that only grows every line after the start is taken exactly once, in order.
#include <algorithm>

#include "fuzz_input.h"
#include "idle/chat_room_text.h"

namespace {

using drelm::RoomTextMark;

std::vector<std::string> SplitCrLf(std::string_view text) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  for (std::size_t at = 0;;) {
    const std::size_t next = text.find("\r\n", at);
    pieces.emplace_back(text.substr(at, next == std::string_view::npos ? next : next - at));
    if (next == std::string_view::npos) return pieces;
    at = next + 2;
  }
}

void Take(std::vector<std::string> lines, std::vector<std::string>& taken) {
  for (std::string& line : lines) {
    FUZZ_CHECK(line.find("\r\n") == std::string::npos);
    drelm::RoomChatLine parsed;
    if (drelm::ParseRoomLine(line, parsed)) {
      FUZZ_CHECK(!parsed.screenName.empty());
      FUZZ_CHECK(parsed.screenName + ":\t" + parsed.text == line);
    }
    taken.push_back(std::move(line));
  }
}

// One look, as the scanner makes it: an unchanged length settles the line held back.
void Look(RoomTextMark& mark, std::string_view text, std::vector<std::string>& taken) {
  Take(text.size() == mark.Length() ? mark.Settled() : mark.TakeNew(text), taken);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kLooks = 12;
  const bool growing = size > 0 && data[0] == '+';
  const std::vector<std::string> looks = growing ? drelm::fuzz::Fields(data + 1, size - 1, kLooks)
                                                 : drelm::fuzz::Fields(data, size, kLooks);
  RoomTextMark mark;
  std::vector<std::string> taken;
  std::string room = looks[0];
  mark.TakeAll(room);
  // A line may go on after a look that found it finished, or a look may fall between CR and LF:
  // the mark cannot know, so such rooms are only read, not checked line by line.
  bool ambiguous = false;
  bool quiet = false;
  for (std::size_t i = 1; i < looks.size(); ++i) {
    if (growing) {
      ambiguous |= room.ends_with('\r') && looks[i].starts_with('\n');
      ambiguous |=
          quiet && !looks[i].empty() && !looks[i].starts_with("\r\n") && !room.ends_with("\r\n");
      quiet = looks[i].empty();
      room += looks[i];
    } else {
      room = looks[i];
    }
    Look(mark, room, taken);
  }
  Look(mark, room, taken);  // a quiet look at the end finishes the last line
  if (!growing || ambiguous) return 0;

  // Empty lines carry no message; whether an empty last line is reported does not matter.
  std::vector<std::string> expected = SplitCrLf(room);
  const std::size_t seen = std::min(expected.size(), SplitCrLf(looks[0]).size());
  expected.erase(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(seen));
  std::erase(expected, std::string());
  std::erase(taken, std::string());
  FUZZ_CHECK(taken == expected);
  return 0;
}
