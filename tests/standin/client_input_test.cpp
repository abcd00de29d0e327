#include "standin/menu_tracker.h"
#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

// The version's own order of text and blank runs the keyword; the other orders, an unknown keyword
// and one without the connection are strays.
TEST(KeywordBox, OnlyTheVersionsOwnOrderOfTextAndBlankRunsTheKeyword) {
  for (int version : {4, 5, 6, 7}) {
    SCOPED_TRACE(version);
    StandInTest t(Version(version));
    t.aol.StartSignedOn();
    const Hwnd box = t.Nth(t.Nth(t.Toolbar(), "_AOL_Combobox", 1), "Edit", 1);
    const auto type = [&](bool before, bool after) {
      if (before) t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
      SetControlText(t.Windows(), box, "buddylist");
      if (after) t.Windows().SendMessage(box, WM_CHAR, ' ', 0);
      t.Windows().SendMessage(box, WM_CHAR, '\r', 0);
    };
    if (version == 4) type(false, true);
    if (version != 4) type(true, false), type(false, false);
    t.Pump();
    EXPECT_EQ(t.aol.Seen().keywords,
              version == 4 ? std::vector<std::string>{"buddylist "} : std::vector<std::string>{});
    EXPECT_EQ(t.MdiChild("Buddy Lists"), 0u);
    const std::size_t strays = version == 4 ? 1 : 2;
    EXPECT_EQ(t.aol.Strays().size(), strays);

    t.Keyword("buddylist");
    t.Pump();
    EXPECT_NE(t.MdiChild("Buddy Lists"), 0u);
    t.Keyword("the weather");
    t.aol.Disconnect();
    t.Keyword("buddylist");
    t.Pump();
    EXPECT_EQ(t.aol.Strays().size(), strays + 2) << "unknown, then without the connection";
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

MenuItem Item(const std::string& text, std::uint32_t id) {
  return MenuItem{text, id, {}};
}

TEST(MenuTracker, MovesLikeWindowsMenusWrapSkipSeparatorsOpenSubmenusAndPickByLetter) {
  using O = MenuTracker::Outcome;
  MenuTracker menu({Item("&One", 1), MenuItem{}, Item("&Two", 2), Item("T&hree", 3)});
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

  MenuTracker sub({Item("&One", 1), MenuItem{"&Sub", 0, {Item("&A", 10), Item("&B", 11)}}});
  sub.KeyDown(VK_UP);
  EXPECT_EQ(sub.KeyDown(VK_RETURN), O::kOpenedSubmenu) << "Enter opens a submenu, no pick";
  EXPECT_EQ(sub.Selected(1), 0);
  EXPECT_EQ(sub.KeyDown(VK_ESCAPE), O::kClosedSubmenu);
  EXPECT_EQ(sub.KeyDown(VK_RIGHT), O::kOpenedSubmenu);
  sub.KeyDown(VK_DOWN);
  EXPECT_EQ(sub.KeyDown(VK_RETURN), O::kPicked);
  EXPECT_EQ(sub.Picked(), 11u);

  MenuTracker letters({Item("Mail Waiting to &Be Sent", 1), Item("A&utomatic AOL", 2)});
  EXPECT_EQ(letters.KeyDown(VK_RETURN), O::kClosed) << "Enter without a selection picks nothing";
  MenuTracker again({Item("Mail Waiting to &Be Sent", 1), Item("A&utomatic AOL", 2)});
  EXPECT_EQ(again.Char('x'), O::kUnmatchedLetter);
  EXPECT_EQ(again.Char('u'), O::kPicked) << "letters match in any case";
  EXPECT_EQ(again.Picked(), 2u);
}

}  // namespace
}  // namespace drelm::standin::testing
