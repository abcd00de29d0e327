// The chat room: an "AOL Child" captioned with the room's name holding the room's text (the first
// "RICHCNTL"), the input line (the second), the member list ("_AOL_Listbox"), eight icons of which
// the fifth is Send, and a static. Enter in the input or Send posts the input's text as a line
// from the signed-on screen name and empties the input. Private rooms are asked for by keyword;
// a full room answers with the "America Online" box.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "standin/observations.h"
#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

class ChatRooms {
 public:
  explicit ChatRooms(AolClient& client);

  // Opens the room at once, in place of the current one.
  void Enter(const std::string& room);
  // The private-room keyword: after a while the room replaces the current one, or, while the
  // room is full, the box says so and the current room stays.
  void RequestPrivateRoom(const std::string& room);
  // The next requests of this room are refused (room names compare without blanks and case).
  void FillRoom(const std::string& room, int requests);
  // Another member's line arrives.
  void Say(const std::string& member, const std::string& text);
  void SetMembers(const std::vector<std::string>& members);
  // Lines longer than this many bytes are refused with the box ("too long"); 0 for no limit.
  void SetLineLimit(std::size_t bytes) { lineLimit_ = bytes; }
  // Called with every line that reaches the room (a chat scanner listens here).
  void OnLine(std::function<void(const ChatLine&)> listener);

  bool InRoom() const { return room_.window != 0; }
  const std::string& RoomName() const { return room_.name; }
  WindowId Window() const { return room_.window; }
  WindowId Input() const { return room_.input; }
  std::string ViewText() const;

  static std::string NormalisedName(const std::string& room);

 private:
  struct Room {
    WindowId window = 0;
    WindowId view = 0;
    WindowId input = 0;
    WindowId members = 0;
    WindowId status = 0;
    std::string name;
  };
  std::optional<LResult> InputMessage(const Message& m);
  void Post();
  void AddLine(const std::string& sender, const std::string& text);
  void RefreshMembers();

  AolClient& client_;
  Room room_;
  std::map<std::string, int> fullFor_;
  std::vector<std::string> members_;
  std::size_t lineLimit_ = 0;
  std::vector<std::function<void(const ChatLine&)>> listeners_;
};

}  // namespace drelm::standin
