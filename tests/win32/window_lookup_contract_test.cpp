// The AOL lookups must find the same windows on the real window system as in the simulator,
// which the whole behaviour suite trusts. Each case builds one tree on both sides, asks both,
// and checks the answers against each other and against the node that is right.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "aol/window_lookup.h"
#include "mirrored_desktop.h"

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

void ExpectBothAnswer(MirroredDesktop& desktop, const Answers& expected) {
  // Neither this test program nor the simulated windows have a version resource to fall back on.
  const Answers real = Ask(desktop.real, [&](Hwnd w) { return desktop.NodeOfReal(w); });
  const Answers simulated = Ask(desktop.sim, [&](Hwnd w) { return desktop.NodeOfSim(w); });
  EXPECT_EQ(real, simulated) << "the simulator and the real window system disagree";
  EXPECT_EQ(real, expected);
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

TEST(WindowLookupContract, WithoutTheClientEveryLookupIsZeroAndTheVersionEmpty) {
  MirroredDesktop desktop;
  ExpectBothAnswer(desktop, Answers{});
}

TEST(WindowLookupContract, ImWindowAboveTheRoomDoesNotHideTheRoom) {
  MirroredDesktop desktop;
  const Client client = AddClient(desktop);
  AddImWindow(desktop, client.mdi);
  const Room room = AddChatRoom(desktop, client.mdi, "Lobby 12");
  ExpectBothAnswer(desktop, Answers{client.frame, client.mdi, room.window, room.view, room.input,
                                    room.fifthIcon, kNoNode, "6"});
}

TEST(WindowLookupContract, ChildMissingOneOfTheFourControlClassesIsNoRoom) {
  MirroredDesktop desktop;
  const Client client = AddClient(desktop);
  const int almost = desktop.Add("AOL Child", "Lobby 3", client.mdi);
  desktop.Add("RICHCNTL", "", almost);
  desktop.Add("RICHCNTL", "", almost);
  desktop.Add("_AOL_Listbox", "", almost);
  desktop.Add("_AOL_Icon", "", almost);
  ExpectBothAnswer(
      desktop, Answers{client.frame, client.mdi, kNoNode, kNoNode, kNoNode, kNoNode, kNoNode, "6"});
}

TEST(WindowLookupContract, StatusWindowFoundAsSecondChildButNotAsThird) {
  {
    MirroredDesktop desktop;
    const Client client = AddClient(desktop);
    desktop.Add("AOL Child", "Welcome, bob!", client.mdi);
    const int status = desktop.Add("AOL Child", "AOL STATUS", client.mdi);
    ExpectBothAnswer(desktop, Answers{client.frame, client.mdi, kNoNode, kNoNode, kNoNode, kNoNode,
                                      status, "6"});
  }
  {
    MirroredDesktop desktop;
    const Client client = AddClient(desktop);
    desktop.Add("AOL Child", "Welcome, bob!", client.mdi);
    desktop.Add("AOL Child", "Buddy List", client.mdi);
    desktop.Add("AOL Child", "Status", client.mdi);
    ExpectBothAnswer(desktop, Answers{client.frame, client.mdi, kNoNode, kNoNode, kNoNode, kNoNode,
                                      kNoNode, "6"});
  }
}

TEST(WindowLookupContract, VersionComesFromAnyColumnAndIsEmptyWithoutTheItem) {
  {
    MirroredDesktop desktop;
    const Client client =
        AddClient(desktop, {{"&Services", {"Keyword", "&What's New In AOL 7.0"}}, {"&Help", {}}});
    ExpectBothAnswer(desktop, Answers{client.frame, client.mdi, kNoNode, kNoNode, kNoNode, kNoNode,
                                      kNoNode, "7"});
  }
  {
    MirroredDesktop desktop;
    const Client client =
        AddClient(desktop, {{"&File", {"E&xit"}}, {"&Help", {"&About America Online"}}});
    ExpectBothAnswer(desktop, Answers{client.frame, client.mdi, kNoNode, kNoNode, kNoNode, kNoNode,
                                      kNoNode, ""});
  }
}

}  // namespace
}  // namespace drelm::contract
