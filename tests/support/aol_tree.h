// Hand-built AOL window trees in the simulator, for tests of the primitives that must not depend
// on the stand-in client's behaviour: only classes, captions, order and menus.
#pragma once

#include <string>

#include "platform/sim/sim_window_system.h"

namespace drelm::testing {

struct ChatRoomWindows {
  Hwnd room = 0, view = 0, input = 0, list = 0;
  Hwnd icons[5] = {};
  Hwnd label = 0;
};

struct AolTree {
  Hwnd frame = 0;
  Hwnd mdi = 0;
};

// "AOL Frame25" with an "MDIClient"; a help menu whose item reads helpItem ("" for none).
inline AolTree MakeAolFrame(sim::SimWindowSystem& windows, const std::string& helpItem) {
  AolTree tree;
  tree.frame = windows.CreateWindow("AOL Frame25", "America  Online");
  tree.mdi = windows.CreateWindow("MDIClient", "", tree.frame);
  const MenuHandle bar = windows.CreateMenu();
  const MenuHandle file = windows.CreateMenu();
  windows.AppendMenuItem(file, "&New", 101);
  windows.AppendMenuItem(file, "E&xit", 102);
  const MenuHandle help = windows.CreateMenu();
  windows.AppendMenuItem(help, "&Help Topics", 201);
  if (!helpItem.empty()) windows.AppendMenuItem(help, helpItem, 202);
  windows.AppendMenuItem(bar, "&File", 0, file);
  windows.AppendMenuItem(bar, "&Help", 0, help);
  windows.SetMenu(tree.frame, bar);
  return tree;
}

// An "AOL Child" with the chat room's children in their usual order.
inline ChatRoomWindows AddChatRoom(sim::SimWindowSystem& windows, Hwnd mdi,
                                   const std::string& room) {
  ChatRoomWindows chat;
  chat.room = windows.CreateWindow("AOL Child", room, mdi);
  chat.view = windows.CreateWindow("RICHCNTL", "", chat.room);
  chat.input = windows.CreateWindow("RICHCNTL", "", chat.room);
  chat.list = windows.CreateWindow("_AOL_Listbox", "", chat.room);
  for (Hwnd& icon : chat.icons) icon = windows.CreateWindow("_AOL_Icon", "", chat.room);
  chat.label = windows.CreateWindow("_AOL_Static", "people here", chat.room);
  return chat;
}

// An incoming IM window: "AOL Child" with two "RICHCNTL" and icons but no list box.
inline Hwnd AddImWindow(sim::SimWindowSystem& windows, Hwnd mdi, const std::string& sender) {
  const Hwnd im = windows.CreateWindow("AOL Child", "Instant Message From: " + sender, mdi);
  windows.CreateWindow("RICHCNTL", "", im);
  windows.CreateWindow("RICHCNTL", "", im);
  for (int i = 0; i < 9; ++i) windows.CreateWindow("_AOL_Icon", "", im);
  windows.CreateWindow("_AOL_Static", "", im);
  return im;
}

}  // namespace drelm::testing
