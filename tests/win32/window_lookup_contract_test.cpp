// The AOL lookups must find the same windows on the real window system as in the simulator,
// which the whole behaviour suite trusts. Each case builds one tree on both sides, asks both,
// and checks the answers against each other and against the node that is right.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "aol/control_text.h"
#include "aol/window_lookup.h"
#include "mirrored_desktop.h"
#include "platform/winuser_constants.h"

namespace drelm::contract {
namespace {

struct Answers {
  int main = kNoNode;
  int mdi = kNoNode;
  int room = kNoNode;
  int view = kNoNode;
  int input = kNoNode;
  int fifthIcon = kNoNode;
  int status = kNoNode;
  std::string version;
  bool operator==(const Answers&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Answers& a) {
  return out << "{main " << a.main << ", mdi " << a.mdi << ", room " << a.room << ", view "
             << a.view << ", input " << a.input << ", fifth icon " << a.fifthIcon << ", status "
             << a.status << ", version \"" << a.version << "\"}";
}

Answers Ask(WindowSystem& windows, const std::function<int(Hwnd)>& nodeOf) {
  Answers a;
  a.main = nodeOf(FindAolMainWindow(windows));
  a.mdi = nodeOf(FindAolMdiClient(windows));
  a.room = nodeOf(FindChatRoom(windows));
  a.view = nodeOf(FindChatView(windows));
  a.input = nodeOf(FindChatInput(windows));
  // Spelled in lower case, as the chat sender spells it: class names match without case.
  a.fifthIcon = nodeOf(FindNthChild(windows, FindChatRoom(windows), "_aol_icon", 5));
  a.status = nodeOf(FindAolStatusWindow(windows));
  a.version = AolVersion(windows);
  return a;
}

const std::vector<MenuColumn> kAol6Menus = {
    {"&File", {"&New", "&Open...", "E&xit"}},
    {"&Edit", {"&Undo", "Cu&t"}},
    {"&Help", {"&Help Topics", "&What's New In AOL 6.0", "&About America Online"}},
};

struct Client {
  int frame = kNoNode;
  int mdi = kNoNode;
};

Client AddClient(MirroredDesktop& desktop, const std::vector<MenuColumn>& menus = kAol6Menus) {
  Client client;
  client.frame = desktop.Add("AOL Frame25", "America  Online");
  desktop.SetMenuBar(client.frame, menus);
  desktop.Add("AOL Toolbar", "", client.frame);
  client.mdi = desktop.Add("MDIClient", "", client.frame);
  return client;
}

struct Room {
  int window = kNoNode;
  int view = kNoNode;
  int input = kNoNode;
  int fifthIcon = kNoNode;
};

Room AddChatRoom(MirroredDesktop& desktop, int mdi, const std::string& name) {
  Room room;
  room.window = desktop.Add("AOL Child", name, mdi);
  room.view = desktop.Add("RICHCNTL", "", room.window);
  desktop.Add("_AOL_Static", "people here", room.window);
  desktop.Add("_AOL_Listbox", "", room.window);
  room.input = desktop.Add("RICHCNTL", "", room.window);
  for (int i = 1; i <= 6; ++i) {
    const int icon = desktop.Add("_AOL_Icon", "", room.window);
    if (i == 5) room.fifthIcon = icon;
  }
  return room;
}

int AddImWindow(MirroredDesktop& desktop, int mdi) {
  const int im = desktop.Add("AOL Child", "Instant Message From: bob", mdi);
  desktop.Add("RICHCNTL", "", im);
  desktop.Add("RICHCNTL", "", im);
  desktop.Add("_AOL_Icon", "", im);
  desktop.Add("_AOL_Static", "", im);  // no list box: not a room
  return im;
}

// The answers for a client without a room.
Answers Without(const Client& client, int status, const std::string& version) {
  return Answers{client.frame, client.mdi, kNoNode, kNoNode, kNoNode, kNoNode, status, version};
}

// Each case builds one tree and gives the answers that are right for it.
struct Case {
  const char* fault;  // what a wrong answer would mean
  std::function<Answers(MirroredDesktop&)> build;
};

const Case kCases[] = {
    {"a lookup finds something without the client", [](MirroredDesktop&) { return Answers{}; }},
    {"an IM window above the room hides the room",
     [](MirroredDesktop& desktop) {
       const Client client = AddClient(desktop);
       AddImWindow(desktop, client.mdi);
       const Room room = AddChatRoom(desktop, client.mdi, "Lobby 12");
       return Answers{client.frame, client.mdi,     room.window, room.view,
                      room.input,   room.fifthIcon, kNoNode,     "6"};
     }},
    {"a child missing one of the four control classes is taken for a room",
     [](MirroredDesktop& desktop) {
       const Client client = AddClient(desktop);
       const int almost = desktop.Add("AOL Child", "Lobby 3", client.mdi);
       for (const char* cls : {"RICHCNTL", "RICHCNTL", "_AOL_Listbox", "_AOL_Icon"}) {
         desktop.Add(cls, "", almost);
       }
       return Without(client, kNoNode, "6");
     }},
    {"the status window is not found as the second child",
     [](MirroredDesktop& desktop) {
       const Client client = AddClient(desktop);
       desktop.Add("AOL Child", "Welcome, bob!", client.mdi);
       const int status = desktop.Add("AOL Child", "AOL STATUS", client.mdi);
       return Without(client, status, "6");
     }},
    {"the status window is found as the third child",
     [](MirroredDesktop& desktop) {
       const Client client = AddClient(desktop);
       for (const char* caption : {"Welcome, bob!", "Buddy List", "Status"}) {
         desktop.Add("AOL Child", caption, client.mdi);
       }
       return Without(client, kNoNode, "6");
     }},
    {"the version is not read from a column other than Help",
     [](MirroredDesktop& desktop) {
       const Client client = AddClient(
           desktop, {{"&Services", {"Keyword", "&What's New In AOL 7.0"}}, {"&Help", {}}});
       return Without(client, kNoNode, "7");
     }},
    {"a version is made up without the item",
     [](MirroredDesktop& desktop) {
       const Client client =
           AddClient(desktop, {{"&File", {"E&xit"}}, {"&Help", {"&About America Online"}}});
       return Without(client, kNoNode, "");
     }},
};

TEST(WindowLookupContract, BothWindowSystemsFindTheRightWindowsInEveryTree) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.fault);
    MirroredDesktop desktop;
    const Answers expected = c.build(desktop);
    // Neither this test program nor the simulated windows have a version resource to fall
    // back on.
    const Answers real = Ask(desktop.real, [&](Hwnd w) { return desktop.NodeOfReal(w); });
    EXPECT_EQ(real, Ask(desktop.sim, [&](Hwnd w) { return desktop.NodeOfSim(w); }))
        << "the simulator and the real window system disagree";
    EXPECT_EQ(real, expected);
  }
}

// A window the client closed between a lookup and a read reads empty, and a handle of 0 never
// reaches the thread's own queue as a posted WM_CLOSE.
TEST(WindowLookupContract, GoneWindowsAndHandleZeroReadEmptyAndTakeNoPost) {
  MirroredDesktop desktop;
  const int frame = desktop.Add("AOL Frame25", "America  Online");
  const Hwnd gone = desktop.Real(frame);
  desktop.DestroyReal(frame);
  EXPECT_EQ(GetControlText(desktop.real, gone), "");
  for (WindowSystem* windows :
       {static_cast<WindowSystem*>(&desktop.real), static_cast<WindowSystem*>(&desktop.sim)}) {
    SetControlText(*windows, 0, "lost");
    EXPECT_EQ(GetControlText(*windows, 0), "");
    EXPECT_EQ(GetCaption(*windows, 0), "");
    EXPECT_FALSE(windows->PostMessage(0, WM_CLOSE, 0, 0));
  }
}

}  // namespace
}  // namespace drelm::contract
