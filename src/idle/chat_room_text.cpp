#include "idle/chat_room_text.h"

namespace drelm {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kNameEnd = ":\t";

std::vector<std::string_view> SplitCrLf(std::string_view text) {
  std::vector<std::string_view> pieces;
  if (text.empty()) return pieces;
  std::size_t at = 0;
  while (true) {
    const std::size_t next = text.find(kLineBreak, at);
    if (next == std::string_view::npos) {
      pieces.push_back(text.substr(at));
      return pieces;
    }
    pieces.push_back(text.substr(at, next - at));
    at = next + kLineBreak.size();
  }
}

// A run of whole lines: it starts at the text's start or after a line break and ends at the
// text's end or before one.
bool IsWholeLines(std::string_view text, std::size_t at, std::size_t length) {
  const bool startsLine = at == 0 || (at >= 1 && text[at - 1] == '\n');
  const std::size_t end = at + length;
  const bool endsLine = end == text.size() || text.substr(end, kLineBreak.size()) == kLineBreak;
  return startsLine && endsLine;
}

}  // namespace

bool ParseRoomLine(std::string_view line, RoomChatLine& out) {
  const std::size_t at = line.find(kNameEnd);
  if (at == std::string_view::npos || at == 0) return false;
  out.screenName = std::string(line.substr(0, at));
  out.text = std::string(line.substr(at + kNameEnd.size()));
  return true;
}

void RoomTextMark::TakeAll(std::string_view text) {
  lastLines_.clear();
  const std::vector<std::string_view> pieces = SplitCrLf(text);
  const std::size_t first = pieces.size() > kAnchorLines ? pieces.size() - kAnchorLines : 0;
  for (std::size_t i = first; i < pieces.size(); ++i) Remember(std::string(pieces[i]));
  end_ = text.size();
  length_ = text.size();
  holding_ = false;
  held_.clear();
}

std::string RoomTextMark::Anchor(std::size_t lines) const {
  const std::size_t first = lastLines_.size() - lines;
  std::string anchor;
  for (std::size_t i = first; i < lastLines_.size(); ++i) {
    if (i != first) anchor += kLineBreak;
    anchor += lastLines_[i];
  }
  return anchor;
}

std::size_t RoomTextMark::FindPlace(std::string_view text) const {
  if (lastLines_.empty()) return std::string_view::npos;
  // Nothing trimmed: the lines taken are still exactly where they were. The last of them may
  // have grown since (a line taken while still being written at the start of the scan).
  const std::string whole = Anchor(lastLines_.size());
  if (end_ >= whole.size() && end_ <= text.size() &&
      text.substr(end_ - whole.size(), whole.size()) == whole &&
      (end_ == whole.size() || text[end_ - whole.size() - 1] == '\n')) {
    return end_;
  }
  // Trimmed at the top: look for the last lines taken from the end, fewer of them if the trim
  // cut into them.
  for (std::size_t lines = lastLines_.size(); lines >= 1; --lines) {
    const std::string anchor = Anchor(lines);
    std::size_t at = text.size();
    while (at != std::string_view::npos && at > 0) {
      at = text.rfind(anchor, at - 1);
      if (at == std::string_view::npos) break;
      if (IsWholeLines(text, at, anchor.size())) return at + anchor.size();
    }
  }
  return std::string_view::npos;
}

std::vector<std::string> RoomTextMark::TakeNew(std::string_view text) {
  // A client too busy to answer reads as an empty room. Forgetting the place then would make
  // every old line new once it answers again; a room that really emptied needs no forgetting,
  // since none of the lines taken will be found in what it shows next.
  if (text.empty()) return {};
  const std::size_t place = FindPlace(text);
  std::size_t cursor = 0;
  std::vector<std::string_view> pieces;
  if (place == std::string_view::npos) {
    // None of the lines taken is left: everything in the room is new.
    lastLines_.clear();
    end_ = 0;
    pieces = SplitCrLf(text);
  } else {
    pieces = SplitCrLf(text.substr(place));
    // The first piece finishes the last line taken (empty unless it was still being written).
    end_ = place;
    if (!pieces.empty()) {
      if (!pieces.front().empty()) lastLines_.back() += pieces.front();
      end_ = place + pieces.front().size();
      cursor = end_ + kLineBreak.size();
      pieces.erase(pieces.begin());
    }
  }
  std::vector<std::string> taken;
  holding_ = false;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const std::size_t lineStart = cursor;
    cursor += pieces[i].size() + kLineBreak.size();
    if (i + 1 == pieces.size()) {
      holding_ = true;
      held_ = std::string(pieces[i]);
      heldEnd_ = lineStart + pieces[i].size();
      break;
    }
    taken.emplace_back(pieces[i]);
    Remember(taken.back());
    end_ = lineStart + pieces[i].size();
  }
  length_ = text.size();
  return taken;
}

std::vector<std::string> RoomTextMark::Settled() {
  if (!holding_) return {};
  holding_ = false;
  // An empty last line is what follows a text's final line break: the next line is still to
  // come there. Taking it would make that line look like the rest of this one.
  if (held_.empty()) return {};
  Remember(held_);
  end_ = heldEnd_;
  return {std::move(held_)};
}

void RoomTextMark::Remember(std::string line) {
  lastLines_.push_back(std::move(line));
  if (lastLines_.size() > kAnchorLines) lastLines_.erase(lastLines_.begin());
}

}  // namespace drelm
