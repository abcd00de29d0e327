// Reading new lines out of a chat room's text: one line per chat message ("name:<TAB>text"),
// lines separated by CR LF, new lines added at the end and old ones possibly trimmed from the top.
// A RoomTextMark remembers where the lines already taken end, by the last few of them, so the
// next look finds its place from the end of the text instead of walking the whole transcript,
// and finds it again after the top was trimmed away.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace drelm {

struct RoomChatLine {
  std::string screenName;
  std::string text;
  bool operator==(const RoomChatLine&) const = default;
};

// Splits "name:<TAB>text"; false for a line without that shape (blank lines, notices).
bool ParseRoomLine(std::string_view line, RoomChatLine& out);

class RoomTextMark {
 public:
  // How many of the last lines taken identify the place. More lines make a repeated message
  // ("brb" twice in a row) less likely to be mistaken for the place after a trim.
  static constexpr std::size_t kAnchorLines = 3;

  // Takes every line of text as already seen.
  void TakeAll(std::string_view text);
  // The whole lines that reached text since the last look, in order, and marks them taken. A
  // last line still being written cannot be told from a finished one, so it is held back until
  // a later line follows it or a look finds the text unchanged (Settled). An empty text changes
  // nothing.
  std::vector<std::string> TakeNew(std::string_view text);
  // The text is as long as at the last look: the line held back is finished. Returns it (taken
  // now), or nothing when none was held.
  std::vector<std::string> Settled();

  // The text's length at the last look, for the cheap "anything new?" test.
  std::size_t Length() const { return length_; }

 private:
  // The offset in text just past the last line taken, or npos when none of the lines taken is
  // there any more (the whole text is new).
  std::size_t FindPlace(std::string_view text) const;
  void Remember(std::string line);
  std::string Anchor(std::size_t lines) const;

  std::vector<std::string> lastLines_;  // the last kAnchorLines lines taken, oldest first
  std::size_t end_ = 0;                 // offset just past the last line taken, at the last look
  std::size_t length_ = 0;
  bool holding_ = false;
  std::string held_;
  std::size_t heldEnd_ = 0;
};

}  // namespace drelm
