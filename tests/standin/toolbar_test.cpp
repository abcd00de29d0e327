#include "standin/menu_tracker.h"
#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

// --- the keyword box ----------------------------------------------------------------------

// The version's own order of text and blank runs the keyword; the other orders, an unknown
// keyword and one without the connection are strays.
TEST(KeywordBox, OnlyTheVersionsOwnOrderOfTextAndBlankRunsTheKeyword) {
  for (int version : {4, 5, 6, 7}) {
    SCOPED_TRACE(version);
    StandInTest t(Version(version));
    t.aol.StartSignedOn();
    const Hwnd box = t.KeywordBox();
    const auto type = [&](const char* before, const char* after) {
      if (*before) t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
      SetControlText(t.Windows(), box, "buddylist");
      if (*after) t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
      t.Windows().SendMessage(box, WM_CHAR, '\r', 0);
    };
    if (version == 4) {
      type("", " ");
      EXPECT_EQ(t.aol.Seen().keywords, std::vector<std::string>{"buddylist "});
    } else {
      type(" ", "");
      type("", "");
      EXPECT_TRUE(t.aol.Seen().keywords.empty());
    }
    t.Pump();
    EXPECT_EQ(t.MdiChild("Buddy Lists"), 0u);
    const std::size_t strays = version == 4 ? 1 : 2;
    EXPECT_EQ(t.aol.Strays().size(), strays);

    t.Keyword("buddylist");
    t.Pump();
    EXPECT_EQ(t.aol.Seen().keywords.back(), "buddylist");
    EXPECT_NE(t.MdiChild("Buddy Lists"), 0u);
    EXPECT_EQ(t.aol.Strays().size(), strays);

    t.Keyword("the weather");
    t.aol.Disconnect();
    t.Keyword("buddylist");
    t.Pump();
    EXPECT_EQ(t.aol.Strays().size(), strays + 2) << "unknown, then without the connection";
  }
}

// --- pop-up menus --------------------------------------------------------------------------

MenuItem Item(const std::string& text, std::uint32_t id) {
  return MenuItem{text, id, {}};
}

TEST(MenuTracker, MovesLikeWindowsMenusWrapAndSkipSeparators) {
  MenuTracker menu({Item("&One", 1), MenuItem{}, Item("&Two", 2), Item("T&hree", 3)});
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(menu.Selected(0), 0);
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(menu.Selected(0), 2) << "the separator is skipped";
  menu.KeyDown(VK_DOWN);
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(menu.Selected(0), 0) << "past the end the selection wraps to the first item";
  menu.KeyDown(VK_UP);
  EXPECT_EQ(menu.Selected(0), 3);

  MenuTracker fresh({Item("&One", 1), Item("&Two", 2), Item("T&hree", 3)});
  fresh.KeyDown(VK_UP);
  EXPECT_EQ(fresh.Selected(0), 2) << "up from no selection goes to the last item";
  EXPECT_EQ(fresh.KeyDown(VK_RIGHT), MenuTracker::Outcome::kNothing);
  EXPECT_EQ(fresh.KeyDown(VK_RETURN), MenuTracker::Outcome::kPicked);
  EXPECT_EQ(fresh.Picked(), 3u);
}

TEST(MenuTracker, SubmenusOpenWithTheirFirstItemSelected) {
  MenuTracker menu({Item("&One", 1), MenuItem{"&Sub", 0, {Item("&A", 10), Item("&B", 11)}}});
  menu.KeyDown(VK_UP);
  EXPECT_EQ(menu.KeyDown(VK_RIGHT), MenuTracker::Outcome::kOpenedSubmenu);
  EXPECT_EQ(menu.Selected(1), 0);
  menu.KeyDown(VK_DOWN);
  EXPECT_EQ(menu.KeyDown(VK_RETURN), MenuTracker::Outcome::kPicked);
  EXPECT_EQ(menu.Picked(), 11u);

  MenuTracker enter({MenuItem{"&Sub", 0, {Item("&A", 10)}}});
  enter.KeyDown(VK_DOWN);
  EXPECT_EQ(enter.KeyDown(VK_RETURN), MenuTracker::Outcome::kOpenedSubmenu)
      << "Enter on a submenu item opens it rather than picking";
  EXPECT_EQ(enter.KeyDown(VK_ESCAPE), MenuTracker::Outcome::kClosedSubmenu);
  EXPECT_EQ(enter.KeyDown(VK_ESCAPE), MenuTracker::Outcome::kClosed);
}

TEST(MenuTracker, LettersPickByAcceleratorAndEnterWithoutSelectionPicksNothing) {
  MenuTracker menu({Item("Mail Waiting to &Be Sent", 1), Item("A&utomatic AOL", 2)});
  EXPECT_EQ(menu.Char('x'), MenuTracker::Outcome::kUnmatchedLetter);
  EXPECT_EQ(menu.Char('u'), MenuTracker::Outcome::kPicked) << "letters match in any case";
  EXPECT_EQ(menu.Picked(), 2u);

  MenuTracker none({Item("&One", 1)});
  EXPECT_EQ(none.KeyDown(VK_RETURN), MenuTracker::Outcome::kClosed);
  EXPECT_EQ(none.Picked(), 0u);
}

// The key sequences each version's toolbar takes, and where they must lead.
struct MenuRoute {
  int version;
  int icon;  // 0-based
  std::vector<std::uint32_t> keys;
  std::string window;  // the MDI child or top-level "_AOL_Modal" that must open
};

std::vector<MenuRoute> Routes() {
  const auto down = [](int n) { return Repeat(VK_DOWN, n); };
  const std::vector<std::uint32_t> mailbox = {VK_UP, VK_UP, VK_RIGHT, VK_RETURN};
  return {
      {4, 2, Concat(down(12), {VK_RIGHT, VK_DOWN, VK_RETURN}), "Offline Mail"},
      {5, 2, Concat(down(15), {VK_RETURN}), "Mail Waiting to be Sent"},
      {4, 2, Concat(down(10), {VK_RETURN}), "Automatic AOL"},
      {5, 2, Concat(down(12), {VK_RETURN}), "Automatic AOL"},
      {4, 2, Concat(down(11), {VK_RETURN}), "Run Automatic AOL Now"},
      {5, 2, Concat(down(13), {VK_RETURN}), "Run Automatic AOL Now"},
      {4, 2, mailbox, "Incoming/Saved Mail"},
      {5, 2, mailbox, "Incoming/Saved Mail"},
      {6, 2, mailbox, "Incoming/Saved Mail"},
      {7, 2, mailbox, "Incoming/Saved Mail"},
  };
}

bool Opened(StandInTest& t, const std::string& window) {
  return t.MdiChild(window) != 0 || t.TopLevel("_AOL_Modal", window) != 0;
}

TEST(ToolbarMenus, AnotherVersionsSequenceOrAWrongCountReachesNoWindow) {
  for (const MenuRoute& route : Routes()) {
    // The same keys on the other versions, and one VK_DOWN fewer or more on the same version.
    std::vector<std::pair<int, std::vector<std::uint32_t>>> tries;
    for (int version : {4, 5, 6, 7}) {
      if (version != route.version && route.window != "Incoming/Saved Mail") {
        tries.emplace_back(version, route.keys);
      }
    }
    if (route.keys.front() == VK_DOWN) {
      tries.emplace_back(route.version, Concat({VK_DOWN}, route.keys));
      tries.emplace_back(route.version,
                         std::vector<std::uint32_t>(route.keys.begin() + 1, route.keys.end()));
    }
    for (const auto& [version, keys] : tries) {
      StandInTest t(Version(version));
      t.aol.StartSignedOn();
      ASSERT_TRUE(t.MenuKeys(route.icon, keys));
      const bool sameWindowReached =
          Opened(t, route.window) ||
          (route.window == "Offline Mail" && Opened(t, "Mail Waiting to be Sent")) ||
          (route.window == "Mail Waiting to be Sent" && Opened(t, "Offline Mail"));
      EXPECT_FALSE(sameWindowReached)
          << "AOL " << version << " with " << keys.size() << " keys reached " << route.window;
      // Whatever it reached instead shows: a pick of another item, stray input, or a menu left
      // open.
      EXPECT_FALSE(t.aol.UnexpectedInput().empty() && t.aol.Seen().menuPicks.empty())
          << "AOL " << version;
    }
  }
}

TEST(ToolbarMenus, TheFirstIconOfAol5OpensNoMenuAndAnUnknownLetterLeavesTheMenuOpen) {
  StandInTest old(Version(5));
  old.aol.StartSignedOn();
  EXPECT_FALSE(old.MenuLetter(0, 'B'));
  EXPECT_FALSE(old.aol.Strays().empty());

  StandInTest t(Version(6));
  t.aol.StartSignedOn();
  ASSERT_TRUE(t.MenuLetter(0, 'Z'));
  EXPECT_NE(t.Popup(), 0u);
  ASSERT_EQ(t.aol.Strays().size(), 1u);
  // A posted click anywhere ends the menu without a pick.
  ClickMouse(t.Windows(), t.Nth(t.Toolbar(), "_AOL_Icon", 1));
  t.Pump();
  EXPECT_EQ(t.Popup(), 0u);
  EXPECT_TRUE(t.aol.Seen().menuPicks.empty());
}

TEST(ToolbarMenus, ASubmenuHasItsOwnMenuWindowOnTop) {
  StandInTest t(Version(4));
  t.aol.StartSignedOn();
  ClickMouse(t.Windows(), t.Nth(t.Toolbar(), "_AOL_Icon", 3));
  t.Pump(200);
  const Hwnd top = t.Popup();
  t.Windows().PostMessage(top, WM_KEYDOWN, VK_UP, 0);
  t.Windows().PostMessage(top, WM_KEYDOWN, VK_UP, 0);
  t.Windows().PostMessage(top, WM_KEYDOWN, VK_RIGHT, 0);
  t.Pump();
  EXPECT_NE(t.Popup(), top);
  EXPECT_EQ(t.Windows().FindWindowEx(0, t.Popup(), std::string("#32768"), std::nullopt), top);
  t.Windows().PostMessage(top, WM_KEYDOWN, VK_LEFT, 0);
  t.Pump();
  EXPECT_EQ(t.Popup(), top);
}

TEST(Toolbar, TheGlyphClosesOnWmClose) {
  StandInTest t(Version(6));
  t.aol.StartSignedOn();
  const Hwnd glyph = t.Nth(t.Toolbar(), "_aol_glyph", 1);
  ASSERT_NE(glyph, 0u);
  CloseWindow(t.Windows(), glyph);
  t.Pump();
  EXPECT_EQ(t.Nth(t.Toolbar(), "_aol_glyph", 1), 0u);
}

}  // namespace
}  // namespace drelm::standin::testing
