#include "standin/menu_tracker.h"
#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

// Each version runs a keyword only in its own order of text and blank (AOL 4 takes the blank
// before the text, the later ones after it) and signs on only with its own release after the
// button-down (a button-up below AOL 6, a space key-up from AOL 6 on). The other orders and
// releases, an unknown keyword and one without the connection are strays.
TEST(StandInInput, OnlyTheVersionsOwnKeywordOrderAndSignOnReleaseAct) {
  for (int version : {4, 5, 6, 7}) {
    StandInTest s(Version(version));
    s.aol.Launch(SW_SHOWNORMAL);
    s.Pump(10);
    const Hwnd button =
        FindNthChild(s.Windows(), FindMdiChildCaptioned(s.Windows(), "Sign On"), "_aol_icon", 4);
    s.Windows().SendMessage(button, WM_LBUTTONDOWN, 0, 0);
    if (version >= 6) s.Windows().SendMessage(button, WM_LBUTTONUP, 0, 0);
    if (version < 6) s.Windows().SendMessage(button, WM_KEYUP, VK_SPACE, 0);
    s.Pump(10000);
    EXPECT_FALSE(s.aol.SignedOn()) << version;
    ASSERT_EQ(s.aol.Strays().size(), 1u) << version;
    EXPECT_NE(s.aol.Strays()[0].find("Sign On"), std::string::npos);

    StandInTest t(Version(version));
    t.aol.StartSignedOn();
    const Hwnd box = FindKeywordBox(t.Windows());
    const auto type = [&](std::pair<bool, bool> blank, const std::string& keyword) {
      if (blank.first) t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
      SetControlText(t.Windows(), box, keyword);
      if (blank.second) t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
      t.Windows().SendMessage(box, WM_CHAR, '\r', 0);
      t.Pump();
    };
    const std::pair own{version == 4, version != 4};
    for (const std::pair<bool, bool>& order :
         {std::pair{true, false}, {false, true}, {false, false}}) {
      if (order != own) type(order, "buddylist");
    }
    EXPECT_EQ(FindBuddyListWindow(t.Windows()), 0u) << version;
    EXPECT_EQ(t.aol.Strays().size(), 2u) << version;
    type(own, "buddylist");
    EXPECT_NE(FindBuddyListWindow(t.Windows()), 0u) << version;
    type(own, "the weather");
    t.aol.Disconnect();
    type(own, "buddylist");
    EXPECT_EQ(t.aol.Strays().size(), 4u) << "unknown, then without the connection";
  }
}

// A window the client was about to open when it closed never opens in the next client.
TEST(Restart, WhatTheOldClientHadPendingNeverHappensInTheNextOne) {
  StandInTest t(Version(6));
  t.aol.StartSignedOn();
  const Hwnd box = FindKeywordBox(t.Windows());
  SetControlText(t.Windows(), box, "buddylist");
  t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
  t.Windows().SendMessage(box, WM_CHAR, '\r', 0);
  t.aol.Exit();
  t.aol.StartSignedOn();
  t.Pump(60000);
  EXPECT_EQ(FindBuddyListWindow(t.Windows()), 0u);
}

TEST(MenuTracker, MovesLikeWindowsMenusWrapSkipSeparatorsOpenSubmenusAndPickByLetter) {
  using O = MenuTracker::Outcome;
  const auto item = [](const char* text, std::uint32_t id) { return MenuItem{text, id, {}}; };
  // Up from no selection goes to the last item, reaches the first one past the separator and
  // wraps; down wraps and skips the separator.
  MenuTracker menu({item("&One", 1), MenuItem{}, item("&Two", 2), item("T&hree", 3)});
  const std::pair<std::uint32_t, int> moves[] = {{VK_UP, 3}, {VK_UP, 2},   {VK_UP, 0},
                                                 {VK_UP, 3}, {VK_DOWN, 0}, {VK_DOWN, 2}};
  for (const auto& [key, selected] : moves) {
    menu.KeyDown(key);
    EXPECT_EQ(menu.Selected(0), selected) << "after key " << key;
  }
  EXPECT_EQ(menu.KeyDown(VK_RIGHT), O::kNothing);
  EXPECT_EQ(menu.KeyDown(VK_RETURN), O::kPicked);
  EXPECT_EQ(menu.Picked(), 2u);

  MenuTracker sub({item("&One", 1), MenuItem{"&Sub", 0, {item("&A", 10), item("&B", 11)}}});
  sub.KeyDown(VK_UP);
  EXPECT_EQ(sub.KeyDown(VK_RETURN), O::kOpenedSubmenu) << "Enter opens a submenu, no pick";
  EXPECT_EQ(sub.Selected(1), 0);
  EXPECT_EQ(sub.KeyDown(VK_ESCAPE), O::kClosedSubmenu);
  EXPECT_EQ(sub.KeyDown(VK_RIGHT), O::kOpenedSubmenu);
  sub.KeyDown(VK_DOWN);
  EXPECT_EQ(sub.KeyDown(VK_RETURN), O::kPicked);
  EXPECT_EQ(sub.Picked(), 11u);

  EXPECT_EQ(MenuTracker({item("&One", 1)}).KeyDown(VK_RETURN), O::kClosed)
      << "Enter without a selection picks nothing";
  MenuTracker letters({item("Mail Waiting to &Be Sent", 1), item("A&utomatic AOL", 2)});
  EXPECT_EQ(letters.Char('x'), O::kUnmatchedLetter);
  EXPECT_EQ(letters.Char('u'), O::kPicked) << "letters match in any case";
  EXPECT_EQ(letters.Picked(), 2u);
}

}  // namespace
}  // namespace drelm::standin::testing
