// Hand-built AOL window trees in the simulator, for tests of the primitives that must not depend
// on the stand-in client's behaviour: only classes, captions, order and menus.
#pragma once

#include <string>

#include "platform/sim/sim_window_system.h"

namespace drelm::testing {

struct ChatRoomWindows {
  Hwnd room = 0;
  Hwnd view = 0;
  Hwnd input = 0;
  Hwnd list = 0;
  Hwnd icons[5] = {};
  Hwnd label = 0;
};

struct AolTree {
  Hwnd frame = 0;
  Hwnd mdi = 0;
};

// "AOL Frame25" with an "MDIClient"; a help menu whose item reads helpItem ("" for none).
AolTree MakeAolFrame(sim::SimWindowSystem& windows, const std::string& helpItem);
// An "AOL Child" with the chat room's children in their usual order.
ChatRoomWindows AddChatRoom(sim::SimWindowSystem& windows, Hwnd mdi, const std::string& room);
// An incoming IM window: "AOL Child" with two "RICHCNTL" and icons but no list box.
Hwnd AddImWindow(sim::SimWindowSystem& windows, Hwnd mdi, const std::string& sender);

}  // namespace drelm::testing
