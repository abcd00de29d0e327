// The AOL operations against the stand-in client of each version (realistic delays), and against
// a hand-built client that shows its windows and then ignores every press, for the bounds.
#include <gtest/gtest.h>

#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/instant_messages.h"
#include "aol/keywords.h"
#include "aol/privacy.h"
#include "aol/toolbar_menu.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "standin/sim/sim_standin.h"
#include "support/file_text.h"
#include "support/message_checks.h"
#include "support/temp_folder.h"

namespace drelm::testing {
namespace {

using standin::InstantMessage;
using namespace timeouts;
constexpr ProcessId kDeafClient = 4242;

class AolOps {
 public:
  explicit AolOps(int version = 6) : aol(sim, Options(version)) {}
  ~AolOps() { EXPECT_TRUE(aol.UnexpectedInput().empty()) << aol.UnexpectedInput().front(); }

  static standin::StandInOptions Options(int version) {
    standin::StandInOptions options;
    options.version = version;
    return options;
  }
  std::string LogText() const { return FileText(log.Path()); }
  bool Logged(const std::string& message) { return LogText().find(message) != std::string::npos; }
  std::uint64_t Elapsed() { return sim.clock.MonotonicMs() - started; }
  Hwnd MdiChild(const std::string& caption) { return FindMdiChildCaptioned(sim.windows, caption); }
  Hwnd Add(Hwnd parent, const std::string& className, int count = 1, const std::string& text = "") {
    Hwnd last = 0;
    for (int i = 0; i < count; ++i) last = sim.windows.CreateWindow(className, text, parent);
    return last;
  }
  // A client of its own process with a keyword box that does nothing.
  void DeafClient() {
    const Hwnd frame = sim.windows.CreateWindow("AOL Frame25", "", 0, {}, kDeafClient);
    mdi = Add(frame, "MDIClient");
    toolbar = Add(Add(frame, "AOL Toolbar"), "_AOL_Toolbar");
    keywordBox = Add(Add(toolbar, "_AOL_Combobox"), "Edit");
  }
  void OnKeywordEnter(std::function<void()> action) {
    sim.windows.SetHandler(keywordBox, [action](Hwnd, const sim::SimMessage& m) {
      if (m.msg == WM_CHAR && m.wParam == '\r') action();
      return std::optional<LResult>();
    });
  }

  sim::Simulator sim;
  standin::SimStandIn aol;
  TempFolder folder;
  StatusLog log{sim.clock, sim.files, folder.path()};
  AolContext context{sim.windows, sim.loop, sim.clock, log};
  std::uint64_t started = sim.clock.MonotonicMs();
  Hwnd mdi = 0, toolbar = 0, keywordBox = 0;
};

class PerVersion : public AolOps, public ::testing::TestWithParam<int> {
 protected:
  PerVersion() : AolOps(GetParam()) { aol.StartSignedOn("Lobby 12"); }
};

// One session per version (a keyword typed in another version's order would reach nothing): an
// IM out, one refused (box confirmed, window dropped), IMs off and on, and the user's own
// half-written IM left as it was.
TEST_P(PerVersion, ImsGoThroughTheKeywordBoxAndLeaveTheUsersOwnImAlone) {
  GoKeyword(sim.windows, "aol://9293:Friend");
  ASSERT_TRUE(sim.loop.RunUntil([&] { return MdiChild("Send Instant Message") != 0; }, 2000));
  const Hwnd own = MdiChild("Send Instant Message");
  const Hwnd ownText = FindNthChild(sim.windows, own, "RICHCNTL", 1);
  SetControlText(sim.windows, ownText, "half written");

  aol.RefuseIms("Ghosty");
  SendIm(context, "Joe", "brb, away");
  SendIm(context, "Ghosty", "anyone?");
  ImsOff(context);
  EXPECT_FALSE(aol.ImsOn());
  ImsOn(context);
  sim.loop.RunFor(1000);

  EXPECT_EQ(aol.Seen().imsSent, (std::vector<InstantMessage>{{"Joe", "brb, away"}}));
  EXPECT_EQ(aol.Seen().imsRefused, (std::vector<InstantMessage>{{"Ghosty", "anyone?"}}));
  EXPECT_EQ(aol.Seen().imSwitches,
            (std::vector<InstantMessage>{{"$IM_OFF", "drelm idle"}, {"$IM_ON", "drelm idle"}}));
  EXPECT_EQ(aol.Seen().boxesDismissed, 1);
  EXPECT_EQ(sim.windows.FindWindowEx(FindAolMdiClient(sim.windows), own, std::string("AOL Child"),
                                     std::string("Send Instant Message")),
            0u)
      << "the refused IM's window is closed";
  EXPECT_EQ(MdiChild("Send Instant Message"), own);
  EXPECT_EQ(GetControlText(sim.windows, ownText), "half written");
  EXPECT_EQ(LogText(), "");
}

INSTANTIATE_TEST_SUITE_P(Aol, PerVersion, ::testing::Values(4, 5, 6, 7));

TEST(SendIm, NothingWithoutARecipientOrAClientAndEveryWaitBounded) {
  AolOps t;
  SendIm(t.context, "Joe", "hello");
  t.aol.StartSignedOn();
  SendIm(t.context, "", "hello");
  EXPECT_TRUE(t.aol.Seen().keywords.empty());
  EXPECT_EQ(t.Elapsed(), 0u);

  AolOps deaf;
  deaf.DeafClient();
  // A "Send Instant Message" window open before the keyword is not ours to write into.
  const Hwnd stale = deaf.Add(deaf.mdi, "AOL Child", 1, "Send Instant Message");
  deaf.Add(stale, "RICHCNTL");
  deaf.Add(stale, "_AOL_Icon", 9);
  SendIm(deaf.context, "Joe", "hello");
  EXPECT_EQ(deaf.Elapsed(), kKeywordWindowMs);
  EXPECT_TRUE(deaf.Logged("im to Joe not sent - no instant message window"));
  EXPECT_EQ(GetControlText(deaf.sim.windows, FindNthChild(deaf.sim.windows, stale, "RICHCNTL", 1)),
            "");

  // A window that takes the text and never answers Send.
  deaf.OnKeywordEnter([&] {
    const Hwnd fresh = deaf.Add(deaf.mdi, "AOL Child", 1, "Send Instant Message");
    deaf.Add(fresh, "RICHCNTL");
    deaf.Add(fresh, "_AOL_Icon", 9);
  });
  SendIm(deaf.context, "Joe", "hello");
  EXPECT_EQ(deaf.Elapsed(), kKeywordWindowMs + kImSendAnswerMs);
  EXPECT_TRUE(deaf.Logged("im to Joe - no answer from aol"));
}

// A client that gets as far as the stage and then answers nothing more; another program's
// "America Online" box is there all along and must never be pressed.
TEST(Ghost, EachWaitGivesUpWithItsOwnMessageAndNoStrangersBoxIsPressed) {
  enum Stage { kKeyword, kBuddyList, kSave, kConfirmation };
  const std::tuple<Stage, std::uint32_t, const char*> cases[] = {
      {kKeyword, kKeywordWindowMs, "ghost on given up - no buddy list"},
      {kBuddyList, kAolWindowMs, "ghost on given up - no privacy preferences"},
      {kSave, kAolWindowMs, "ghost on given up - privacy preferences not saved"},
      {kConfirmation, kAolWindowMs, "ghost on given up - no confirmation from aol"},
  };
  for (const auto& [stage, waited, logged] : cases) {
    AolOps t;
    t.DeafClient();
    if (stage != kKeyword) t.Add(t.Add(t.mdi, "AOL Child", 1, "Buddy Lists"), "_AOL_Icon", 7);
    if (stage >= kSave) {
      const Hwnd privacy = t.Add(t.mdi, "AOL Child", 1, "Privacy Preferences");
      t.Add(privacy, "_AOL_Checkbox", 7);
      const Hwnd save = t.Add(privacy, "_AOL_Icon", 4);
      t.sim.windows.SetHandler(save, [&t, privacy, stage](Hwnd, const sim::SimMessage& m) {
        if (stage == kConfirmation && m.msg == WM_LBUTTONUP) {
          t.sim.windows.ShowWindow(privacy, SW_HIDE);
        }
        return std::optional<LResult>();
      });
    }
    const Hwnd stranger = t.sim.windows.CreateWindow("#32770", "America Online", 0, {}, 777);
    const Hwnd strangersButton = t.Add(stranger, "Button", 1, "OK");
    EXPECT_FALSE(GhostOn(t.context));
    t.sim.loop.RunFor(0);
    EXPECT_EQ(t.Elapsed(), waited) << logged;
    EXPECT_TRUE(t.Logged(logged)) << t.LogText();
    for (const sim::MessageRecord& m : t.sim.windows.Log()) EXPECT_NE(m.window, strangersButton);
  }
}

TEST(Lookups, ScreenNameIsBetweenWelcomeAndTheBang) {
  AolOps t;
  t.DeafClient();
  EXPECT_EQ(CurrentScreenName(t.sim.windows), "");
  for (const auto& [caption, name] :
       {std::pair{"Welcome Joe!", ""}, {"Welcome, Joe", ""}, {"Welcome, Joe Blow!", "Joe Blow"}}) {
    const Hwnd welcome = t.Add(t.mdi, "AOL Child", 1, caption);
    EXPECT_EQ(CurrentScreenName(t.sim.windows), name) << caption;
    t.sim.windows.DestroyWindow(welcome);
  }
}

TEST(ToolbarMenu, ClicksAgainEveryTwoSecondsUntilTheMenuShowsAndGivesUpAtItsBound) {
  for (const int clicksNeeded : {3, 99}) {
    AolOps t;
    t.DeafClient();
    const Hwnd icon = t.Add(t.toolbar, "_AOL_Icon");
    std::vector<std::uint64_t> clicks;
    Hwnd menu = 0;
    t.sim.windows.SetHandler(icon, [&](Hwnd, const sim::SimMessage& m) {
      if (m.msg == WM_LBUTTONUP) clicks.push_back(t.Elapsed());
      if (static_cast<int>(clicks.size()) == clicksNeeded && menu == 0) {
        menu = t.sim.windows.CreateWindow("#32768", "", 0, {}, kDeafClient);
      }
      return std::optional<LResult>();
    });
    const bool picked = ToolbarMenuPick(t.context, 0, 'B');
    t.sim.loop.RunFor(0);
    const int expected = picked ? 3 : kToolbarMenuMs / kToolbarMenuReclickMs;
    EXPECT_EQ(picked, clicksNeeded == 3);
    ASSERT_EQ(clicks.size(), static_cast<std::size_t>(expected));
    for (std::size_t i = 0; i < clicks.size(); ++i) EXPECT_EQ(clicks[i], i * kToolbarMenuReclickMs);
    if (picked) {
      EXPECT_MESSAGES(std::vector<sim::MessageRecord>{t.sim.windows.Log().back()},
                      {{menu, WM_CHAR, 'B', 0, sim::Via::kPosted}});
    } else {
      EXPECT_TRUE(t.Logged("toolbar menu did not open"));
    }
  }
}

}  // namespace
}  // namespace drelm::testing
