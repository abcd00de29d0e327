#include "standin/menu_tracker.h"
#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

// A window the client was about to open when it closed never opens in the next client.
TEST(Restart, WhatTheOldClientHadPendingNeverHappensInTheNextOne) {
  StandInTest t(Version(6));
  t.aol.StartSignedOn();
  GoKeyword(t.Windows(), "buddylist");
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
