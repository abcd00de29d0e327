#include "standin/chat_room.h"

#include <memory>

#include "platform/winuser_constants.h"
#include "standin/client.h"
#include "text/ansi.h"

namespace drelm::standin {

namespace {

constexpr const char* kIconLabels[] = {
    "Notify AOL", "Chat Preferences", "Member Directory", "Private Chat", "Send",
    "Bold",       "Italic",           "Underline"};

}  // namespace

ChatRooms::ChatRooms(AolClient& client) : client_(client) {}

std::string ChatRooms::NormalisedName(const std::string& room) {
  std::string name;
  for (char c : room) {
    if (c != ' ') name += c;
  }
  return LowerAnsi(name);
}

void ChatRooms::Enter(const std::string& room) {
  WindowHost& host = client_.Host();
  if (room_.window != 0) host.Destroy(room_.window);
  Room next;
  next.name = room;
  auto self = std::make_shared<WindowId>(0);
  next.window = client_.AddMdiChild(room, true, [this, self] {
    // The room went: closed, replaced, or the connection dropped.
    if (room_.window == *self) room_ = Room{};
  });
  *self = next.window;
  next.view = client_.AddControl(next.window, "RICHCNTL");
  next.input = client_.AddControl(next.window, "RICHCNTL", "", WindowKind::kControl,
                                  [this](const Message& m) { return InputMessage(m); });
  next.members = client_.AddControl(next.window, "_AOL_Listbox", "", WindowKind::kListBox);
  for (const char* label : kIconLabels) {
    const std::string name = label;
    std::function<void()> action;
    if (name == "Send") action = [this] { Post(); };
    client_.AddIcon(next.window, name, action);
  }
  next.status = client_.AddControl(next.window, "_AOL_Static");
  room_ = next;
  RefreshMembers();
  client_.Seen().roomsEntered.push_back(room);
}

void ChatRooms::RequestPrivateRoom(const std::string& room) {
  client_.Seen().roomRequests.push_back(room);
  if (NormalisedName(room).empty()) {
    client_.Stray("private room request without a room name");
    return;
  }
  client_.Later(client_.Delay().roomMs, [this, room] {
    auto full = fullFor_.find(NormalisedName(room));
    if (full != fullFor_.end() && full->second > 0) {
      --full->second;
      client_.Seen().roomsRefused.push_back(room);
      client_.ShowBox("The room you requested is full.");
      return;
    }
    Enter(room);
  });
}

void ChatRooms::FillRoom(const std::string& room, int requests) {
  fullFor_[NormalisedName(room)] = requests;
}

void ChatRooms::SetMembers(const std::vector<std::string>& members) {
  members_ = members;
  RefreshMembers();
}

void ChatRooms::RefreshMembers() {
  if (room_.window == 0) return;
  std::vector<std::string> everyone;
  if (client_.SignedOn()) everyone.push_back(client_.ScreenName());
  everyone.insert(everyone.end(), members_.begin(), members_.end());
  client_.Host().SetListItems(room_.members, everyone);
  client_.Host().SetText(room_.status, std::to_string(everyone.size()) + " people here");
}

void ChatRooms::OnLine(std::function<void(const ChatLine&)> listener) {
  listeners_.push_back(std::move(listener));
}

std::string ChatRooms::ViewText() const {
  return client_.Host().Text(room_.view);
}

std::optional<LResult> ChatRooms::InputMessage(const Message& m) {
  if (m.msg != WM_CHAR) return std::nullopt;
  WindowHost& host = client_.Host();
  const auto character = static_cast<unsigned char>(m.wParam);
  if (character == '\r') {
    Post();
  } else if (character == '\b') {
    std::string text = host.Text(room_.input);
    if (!text.empty()) text.pop_back();
    host.SetText(room_.input, text);
  } else if (character >= 32) {
    host.SetText(room_.input, host.Text(room_.input) + static_cast<char>(character));
  }
  return 0;
}

void ChatRooms::Post() {
  if (room_.window == 0) return;
  WindowHost& host = client_.Host();
  const std::string text = host.Text(room_.input);
  if (text.empty()) return;
  if (lineLimit_ != 0 && text.size() > lineLimit_) {
    client_.ShowBox("Your message is too long or too complex to send.");
    return;
  }
  host.SetText(room_.input, "");
  AddLine(client_.ScreenName(), text);
}

void ChatRooms::Say(const std::string& member, const std::string& text) {
  if (room_.window == 0) {
    client_.Stray("a member's line with no chat room open");
    return;
  }
  AddLine(member, text);
}

void ChatRooms::AddLine(const std::string& sender, const std::string& text) {
  WindowHost& host = client_.Host();
  host.SetText(room_.view, host.Text(room_.view) + "\r\n" + sender + ":\t" + text);
  const ChatLine line{room_.name, sender, text};
  client_.Seen().transcript.push_back(line);
  const auto listeners = listeners_;
  for (const auto& listener : listeners) listener(line);
}

}  // namespace drelm::standin
