#include "aol/client_windows.h"
#include "aol/privacy.h"
#include "aol/toolbar_menu.h"
#include "aol/upchat.h"
#include "aol/window_tweaks.h"
#include "aol_operations_fixture.h"
#include "core/timeouts.h"
#include "standin/buddy_list.h"

namespace drelm::testing {
namespace {

class Ghost : public AolOperationsTest, public ::testing::TestWithParam<int> {
 protected:
  Ghost() : AolOperationsTest(GetParam()) { aol.StartSignedOn(); }
};

TEST_P(Ghost, OnClicksBoxesFiveAndSevenOffClicksBoxOneEachSavedAndConfirmed) {
  const standin::BuddyList& buddies = aol.Client().Buddies();
  EXPECT_TRUE(GhostOn(context));
  EXPECT_EQ(buddies.SavedWho(), standin::BuddyList::kBlockAll);
  EXPECT_EQ(buddies.SavedScope(), standin::BuddyList::kBuddyListOnly);
  EXPECT_TRUE(GhostOff(context));
  EXPECT_EQ(buddies.SavedWho(), standin::BuddyList::kAllowAll);
  sim.loop.RunFor(1000);
  EXPECT_EQ(aol.Seen().privacySaves, (std::vector<std::string>{"invisible", "visible"}));
  EXPECT_EQ(aol.Seen().boxesDismissed, 2);
  EXPECT_EQ(FindBuddyListWindow(sim.windows), 0u);
  EXPECT_EQ(MdiChild("Privacy Preferences"), 0u);
  EXPECT_EQ(LogText(), "");
}

INSTANTIATE_TEST_SUITE_P(Aol, Ghost, ::testing::Values(4, 5, 6, 7));

// A client that gets as far as stage and then answers nothing more.
enum class DeafAt { kKeyword, kBuddyList, kSave, kConfirmation };

struct GhostBound {
  DeafAt stage;
  std::uint32_t waited;
  const char* logged;
};

TEST(GhostBounds, EachWaitGivesUpWithItsOwnMessage) {
  using namespace timeouts;
  const GhostBound cases[] = {
      {DeafAt::kKeyword, kKeywordWindowMs, "ghost on given up - no buddy list"},
      {DeafAt::kBuddyList, kAolWindowMs, "ghost on given up - no privacy preferences"},
      {DeafAt::kSave, kAolWindowMs, "ghost on given up - privacy preferences not saved"},
      {DeafAt::kConfirmation, kAolWindowMs, "ghost on given up - no confirmation from aol"},
  };
  for (const GhostBound& c : cases) {
    AolOperationsTest t;
    t.DeafFrame();
    if (c.stage != DeafAt::kKeyword) {
      const Hwnd list = t.AddChild(t.mdi, "AOL Child", 1, "Buddy Lists");
      t.AddChild(list, "_AOL_Icon", 7);
    }
    if (c.stage == DeafAt::kSave || c.stage == DeafAt::kConfirmation) {
      const Hwnd privacy = t.AddChild(t.mdi, "AOL Child", 1, "Privacy Preferences");
      t.AddChild(privacy, "_AOL_Checkbox", 7);
      const Hwnd save = t.AddChild(privacy, "_AOL_Icon", 4);
      if (c.stage == DeafAt::kConfirmation) {
        t.sim.windows.SetHandler(save, [&t, privacy](Hwnd, const sim::SimMessage& m) {
          if (m.msg == WM_LBUTTONUP) t.sim.windows.ShowWindow(privacy, SW_HIDE);
          return std::optional<LResult>();
        });
      }
    }
    // Another program's "America Online" box is not the client's confirmation.
    const Hwnd stranger = t.sim.windows.CreateWindow("#32770", "America Online", 0, {}, 777);
    const Hwnd strangersButton = t.AddChild(stranger, "Button", 1, "OK");
    EXPECT_FALSE(GhostOn(t.context));
    t.sim.loop.RunFor(0);
    for (const sim::MessageRecord& m : t.sim.windows.Log()) EXPECT_NE(m.window, strangersButton);
    EXPECT_EQ(t.Elapsed(), c.waited) << c.logged;
    EXPECT_NE(t.LogText().find(c.logged), std::string::npos) << t.LogText();
  }
}

TEST(Lookups, ScreenNameIsBetweenWelcomeAndTheBang) {
  const std::pair<const char*, const char*> cases[] = {
      {"Welcome, Joe Blow!", "Joe Blow"},
      {"Welcome, Joe!  You have mail", "Joe"},
      {"Welcome, Joe", ""},
      {"Welcome Joe!", ""},
  };
  for (const auto& [caption, name] : cases) {
    AolOperationsTest t;
    t.DeafFrame();
    EXPECT_EQ(CurrentScreenName(t.sim.windows), "");
    t.AddChild(t.mdi, "AOL Child", 1, caption);
    EXPECT_EQ(CurrentScreenName(t.sim.windows), name) << caption;
  }
  AolOperationsTest t;
  t.aol.StartSignedOn("Lobby 12");
  EXPECT_EQ(CurrentScreenName(t.sim.windows), "Bob Smith");
}

TEST(Tweaks, ShowAndHideTheirWindowsAndCloseTheGlyph) {
  AolOperationsTest t;
  t.aol.StartSignedOn();
  t.aol.ShowAolPlus();
  WindowSystem& ws = t.sim.windows;
  struct Case {
    void (*run)(WindowSystem&);
    Hwnd (*find)(WindowSystem&);
    bool visible;
  };
  const Case cases[] = {
      {HideAol, FindAolMainWindow, false},     {ShowAol, FindAolMainWindow, true},
      {HideWelcome, FindWelcomeWindow, false}, {ShowWelcome, FindWelcomeWindow, true},
      {HideAolPlus, FindAolPlusWindow, false}, {ShowAolPlus, FindAolPlusWindow, true},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.find(ws), 0u);
    c.run(ws);
    EXPECT_EQ(ws.IsWindowVisible(c.find(ws)), c.visible);
  }
  ASSERT_NE(FindToolbarGlyph(ws), 0u);
  KillGlyph(ws);
  t.sim.loop.RunFor(100);
  EXPECT_EQ(FindToolbarGlyph(ws), 0u);
}

TEST(Tweaks, UpchatHidesAndMinimisesTheUploadAndMaximisesAol) {
  AolOperationsTest t(6);
  t.aol.StartSignedOn("Lobby 12");
  t.aol.StartUpload("song.mp3");
  WindowSystem& ws = t.sim.windows;
  const Hwnd modal = ws.FindWindow(std::string("_AOL_Modal"), std::nullopt);
  ASSERT_NE(modal, 0u);
  UpchatOn(t.context);
  EXPECT_EQ(ws.ShowState(modal), SW_SHOWMINIMIZED);
  EXPECT_EQ(ws.ShowState(FindAolMainWindow(ws)), SW_SHOWMAXIMIZED);
  EXPECT_TRUE(ws.IsWindowVisible(FindAolMainWindow(ws)));
  UpchatOff(ws);
  EXPECT_EQ(ws.ShowState(modal), SW_SHOWNORMAL);
  EXPECT_TRUE(ws.IsWindowVisible(modal));
}

TEST(ToolbarMenu, PicksByLetterFromTheClientsMenu) {
  AolOperationsTest t(6);
  t.aol.StartSignedOn();
  EXPECT_TRUE(ToolbarMenuPick(t.context, 0, 'B'));
  t.sim.loop.RunFor(1000);
  EXPECT_EQ(t.aol.Seen().menuPicks.size(), 1u);
  EXPECT_NE(t.MdiChild("Mail Waiting to be Sent"), 0u);
}

TEST(ToolbarMenu, ClicksAgainEveryTwoSecondsUntilTheMenuShowsAndGivesUpAtItsBound) {
  using namespace timeouts;
  for (const int clicksNeeded : {3, 99}) {
    AolOperationsTest t;
    t.DeafFrame();
    const Hwnd icon = t.AddChild(t.toolbar, "_AOL_Icon");
    std::vector<std::uint64_t> clicks;
    Hwnd menu = 0;
    t.sim.windows.SetHandler(icon, [&](Hwnd, const sim::SimMessage& m) {
      if (m.msg == WM_LBUTTONUP && static_cast<int>(clicks.size()) < clicksNeeded) {
        clicks.push_back(t.Elapsed());
        if (static_cast<int>(clicks.size()) == clicksNeeded) {
          menu = t.sim.windows.CreateWindow("#32768", "", 0, {}, 4242);
        }
      }
      return std::optional<LResult>();
    });
    const bool picked = ToolbarMenuPick(t.context, 0, 'B');
    const int expectedClicks = clicksNeeded == 3 ? 3 : kToolbarMenuMs / kToolbarMenuReclickMs;
    ASSERT_EQ(clicks.size(), static_cast<std::size_t>(expectedClicks));
    for (std::size_t i = 0; i < clicks.size(); ++i) EXPECT_EQ(clicks[i], i * kToolbarMenuReclickMs);
    EXPECT_EQ(picked, clicksNeeded == 3);
    if (picked) {
      t.sim.loop.RunFor(0);
      const sim::MessageRecord& last = t.sim.windows.Log().back();
      EXPECT_EQ(last.window, menu);
      EXPECT_EQ(last.msg, WM_CHAR);
      EXPECT_EQ(last.wParam, static_cast<WParam>('B'));
      EXPECT_TRUE(last.posted);
    } else {
      EXPECT_NE(t.LogText().find("toolbar menu did not open"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace drelm::testing
