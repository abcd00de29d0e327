#include "standin/menu_tracker.h"
#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

// The version's own order of text and blank runs the keyword; the other orders, an unknown keyword
// and one without the connection are strays.
TEST(KeywordBox, OnlyTheVersionsOwnOrderOfTextAndBlankRunsTheKeyword) {
  for (int version : {4, 5, 6, 7}) {
    StandInTest t(Version(version));
    t.aol.StartSignedOn();
    const Hwnd box = t.Nth(t.Nth(t.Toolbar(), "_AOL_Combobox", 1), "Edit", 1);
    // AOL 4 takes the blank before the text, the later ones after it.
    const std::vector<std::pair<bool, bool>> wrong =
        version == 4 ? std::vector{std::pair{false, true}}
                     : std::vector{std::pair{true, false}, {false, false}};
    for (const auto& [before, after] : wrong) {
      if (before) t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
      SetControlText(t.Windows(), box, "buddylist");
      if (after) t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
      t.Windows().SendMessage(box, WM_CHAR, '\r', 0);
    }
    t.Pump();
    EXPECT_EQ(t.MdiChild("Buddy Lists"), 0u) << version;
    EXPECT_EQ(t.aol.Strays().size(), wrong.size()) << version;
    t.Keyword("buddylist");
    t.Pump();
    EXPECT_NE(t.MdiChild("Buddy Lists"), 0u) << version;
    t.Keyword("the weather");
    t.aol.Disconnect();
    t.Keyword("buddylist");
    t.Pump();
    EXPECT_EQ(t.aol.Strays().size(), wrong.size() + 2) << "unknown, then without the connection";
  }
}

// Each version signs on only with its own release after the button-down (a button-up below AOL
// 6, a space key-up from AOL 6 on); the other one is a stray.
TEST(SignOn, TheOtherVersionsReleaseDoesNotSignOn) {
  for (int version : {4, 5, 6, 7}) {
    StandInTest t(Version(version));
    t.aol.Launch(SW_SHOWNORMAL);
    t.Pump(10);
    const Hwnd button = t.Nth(t.MdiChild("Sign On"), "_aol_icon", 4);
    t.Windows().SendMessage(button, WM_LBUTTONDOWN, 0, 0);
    if (version >= 6) t.Windows().SendMessage(button, WM_LBUTTONUP, 0, 0);
    if (version < 6) t.Windows().SendMessage(button, WM_KEYUP, VK_SPACE, 0);
    t.Pump(10000);
    EXPECT_FALSE(t.aol.SignedOn()) << version;
    ASSERT_EQ(t.aol.Strays().size(), 1u) << version;
    EXPECT_NE(t.aol.Strays()[0].find("Sign On"), std::string::npos);
  }
}

// A window the client was about to open when it closed never opens in the next client.
TEST(Restart, WhatTheOldClientHadPendingNeverHappensInTheNextOne) {
  StandInTest t(Version(6));
  t.aol.StartSignedOn();
  t.Keyword("buddylist");
  t.aol.Exit();
  t.aol.StartSignedOn();
  t.Pump(60000);
  EXPECT_EQ(t.MdiChild("Buddy Lists"), 0u);
}

TEST(MenuTracker, MovesLikeWindowsMenusWrapSkipSeparatorsOpenSubmenusAndPickByLetter) {
  using O = MenuTracker::Outcome;
  const auto item = [](const char* text, std::uint32_t id) { return MenuItem{text, id, {}}; };
  MenuTracker menu({item("&One", 1), MenuItem{}, item("&Two", 2), item("T&hree", 3)});
  menu.KeyDown(VK_UP);
  EXPECT_EQ(menu.Selected(0), 3) << "up from no selection goes to the last item";
  menu.KeyDown(VK_UP);
  menu.KeyDown(VK_UP);
  EXPECT_EQ(menu.Selected(0), 0) << "up reaches the first item past the separator";
  menu.KeyDown(VK_UP);
  EXPECT_EQ(menu.Selected(0), 3) << "and wraps";
  menu.KeyDown(VK_DOWN);
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(menu.Selected(0), 2) << "the separator is skipped";
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
