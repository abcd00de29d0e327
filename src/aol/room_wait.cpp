#include "aol/room_wait.h"

#include "aol/bounded_wait.h"
#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"
#include "text/ansi.h"

namespace drelm {

namespace {

// The first of the client's "America Online" boxes, and its "OK" button (0 without either).
struct Box {
  Hwnd box = 0;
  Hwnd ok = 0;
};

Box FindBox(WindowSystem& windows) {
  const std::vector<Hwnd> boxes = AolMessageBoxes(windows);
  if (boxes.empty()) return {};
  return {boxes.front(),
          windows.FindWindowEx(boxes.front(), 0, std::string("Button"), std::string("OK"))};
}

void DismissBox(AolContext& aol) {
  const bool gone = WaitFor(
      aol,
      [&] {
        const Box now = FindBox(aol.windows);
        if (now.box == 0 && now.ok == 0) return true;
        for (int pair = 0; pair < 2; ++pair) {
          aol.windows.SendMessage(now.ok, WM_KEYDOWN, VK_SPACE, 0);
          aol.windows.SendMessage(now.ok, WM_KEYUP, VK_SPACE, 0);
        }
        return false;
      },
      timeouts::kAolWindowMs);
  if (!gone && !aol.loop.QuitRequested()) aol.log.WriteLog("gave up closing aol's message box");
}

}  // namespace

std::string NormaliseRoomName(const std::string& roomName) {
  return LowerAnsi(ReplaceAll(roomName, " ", ""));
}

RoomAnswer AwaitRoomAnswer(AolContext& aol, std::string& roomName) {
  roomName = NormaliseRoomName(roomName);
  RoomAnswer answer = RoomAnswer::kNoAnswer;
  WaitFor(
      aol,
      [&] {
        if (NormaliseRoomName(GetCaption(aol.windows, FindChatRoom(aol.windows))) == roomName) {
          answer = RoomAnswer::kEntered;
        } else if (FindBox(aol.windows).ok != 0) {
          answer = RoomAnswer::kRefused;
        }
        return answer != RoomAnswer::kNoAnswer;
      },
      timeouts::kRoomAnswerMs);
  if (answer == RoomAnswer::kNoAnswer && !aol.loop.QuitRequested()) {
    aol.log.WriteLog("gave up waiting for room " + roomName);
  }
  return answer;
}

void WaitRoomOrDismiss(AolContext& aol, std::string& roomName) {
  AwaitRoomAnswer(aol, roomName);
  aol.loop.PumpPending();
  if (FindBox(aol.windows).box != 0) DismissBox(aol);
  aol.loop.PumpPending();
}

bool RoomEntryRefused(AolContext& aol, std::string& roomName) {
  const RoomAnswer answer = AwaitRoomAnswer(aol, roomName);
  aol.loop.PumpPending();
  return answer != RoomAnswer::kEntered;
}

}  // namespace drelm
