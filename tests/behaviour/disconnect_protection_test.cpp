// Disconnect protection against the stand-in AOL client with its realistic delays: the whole
// cycle from a dropped connection to the continued transfers for every version and sign-on
// style, the ways it gives up with one status message, and the transfer continuation's modes.

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "aol/client_windows.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "program_fixture.h"
#include "standin/automatic_aol.h"
#include "standin/download_manager.h"
#include "standin/sign_on.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kRestoredPrefix = "auto dcp restored aol ";

class DcpTest : public ProgramTest {
 protected:
  // The client signed on in a room with one download and one mail waiting; the program started
  // with protection on and idling, so the status timer watches the connection.
  void Begin(int version, bool setPassword, bool oss = false) {
    StoreReturningUser();
    Store("settings", "oss", oss ? "true" : "false");
    Store("settings", "aoldcp", "on");
    Store("settings", "dcpaolstyle", setPassword ? "set" : "stored");
    Store("settings", "prtoenter", "secret hideout");
    Store("aolpw", "password", "opensesame");
    // No status lines of the idle engine while the room is gone.
    Store("custom settings", "interval", "86400");
    standin::StandInOptions options;
    options.version = version;
    aol = std::make_unique<standin::SimStandIn>(sim, options);
    if (setPassword) aol->RequirePassword("opensesame");
    aol->StartSignedOn("Lobby 12");
    aol->QueueDownload("song.mp3");
    aol->AddWaitingMail("friend", "pictures");
    StartProgram();
    program->frmOptions.Click(std::string_view("cmdStartIdle"));
    sim.loop.RunFor(3000);
    ForgetRoomLines();
  }

  bool Restored() const {
    const std::vector<std::string> said = DcpLines();
    return !said.empty() && said[0].starts_with(kRestoredPrefix);
  }

  // The lines protection posts, without the style and without the idle engine's own lines.
  std::vector<std::string> DcpLines() const {
    std::vector<std::string> said;
    for (const std::string& line : RoomLines()) {
      for (const char* text : {"auto dcp restored aol ", "continuing downloads",
                               "continuing uploads", "starting flash session"}) {
        const std::size_t at = line.find(text);
        if (at == std::string::npos) continue;
        const std::size_t end = line.find(' ', at + std::string(text).size());
        said.push_back(line.substr(at, end - at));
      }
    }
    return said;
  }

  std::vector<std::string> GiveUps() const {
    std::vector<std::string> found;
    for (const std::string& message : LogMessages()) {
      if (message.find("gave up") != std::string::npos) found.push_back(message);
    }
    return found;
  }
};

// How the set password is kept: plain on a system without data protection, plain as an earlier
// version left it on one with protection, or sealed.
enum class Kept { kPlain, kPlainFromBefore, kSealed };

struct CycleCase {
  const char* name;
  int version;
  bool setPassword;
  bool clientCloses;  // the drop closes the client instead of showing "Sign On"
  Kept kept = Kept::kPlain;
};

class DcpCycle : public DcpTest, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(DcpCycle, ADropIsFollowedByRestartSignOnPrivateRoomRestoredLineAndFlashSession) {
  const CycleCase c = GetParam();
  sim.protection.SetAvailable(c.kept != Kept::kPlain);
  Begin(c.version, c.setPassword);
  if (c.kept == Kept::kSealed) program->aolPassword.Write("opensesame");
  EXPECT_EQ(Stored("settings", "last aol path"), aol->ExePath());

  const std::uint64_t dropped = sim.clock.MonotonicMs();
  if (c.clientCloses) {
    aol->DisconnectAndClose();
  } else {
    aol->Disconnect();
  }
  ASSERT_TRUE(sim.loop.RunUntil([&] { return Restored(); }, 120000))
      << ::testing::PrintToString(GiveUps());
  const std::uint64_t restoredAfter = sim.clock.MonotonicMs() - dropped;
  ASSERT_TRUE(sim.loop.RunUntil([&] { return !aol->Seen().flashSessions.empty(); }, 120000));
  sim.loop.RunFor(10000);

  const standin::Observations& seen = aol->Seen();
  EXPECT_THAT(seen.launches, ElementsAre(SW_SHOWMINIMIZED));
  EXPECT_EQ((std::tuple{seen.exits, seen.signOns.size(), seen.failedSignOns}),
            (std::tuple{1, 2u, 0}));
  EXPECT_EQ(aol->RoomName(), "secret hideout");
  EXPECT_THAT(DcpLines(),
              ElementsAre(kRestoredPrefix + std::to_string(c.version), "continuing downloads",
                          "continuing uploads", "starting flash session"));
  ASSERT_EQ(seen.flashSessions.size(), 1u);
  const standin::FlashSessionRun& run = seen.flashSessions[0];
  EXPECT_TRUE(run.sendMail && run.downloadFiles && run.mailsSent.size() == 1u);
  EXPECT_THAT(run.filesDownloaded, ElementsAre("song.mp3"));
  EXPECT_THAT(GiveUps(), IsEmpty());
  EXPECT_EQ(LogText().find("opensesame"), std::string::npos);
  // Five ticks to notice, a second each for the close, the stand-in's start and sign-on delays,
  // the ten seconds after signing on: well under a minute.
  EXPECT_LT(restoredAfter, 60000u) << restoredAfter;
  RecordProperty("drop_to_restored_ms", std::to_string(restoredAfter));
}

INSTANTIATE_TEST_SUITE_P(
    EachVersionAndStyle, DcpCycle,
    ::testing::Values(CycleCase{"Aol4StoredPasswordSignOnShows", 4, false, false},
                      CycleCase{"Aol4SetPasswordClientCloses", 4, true, true},
                      CycleCase{"Aol5StoredPasswordClientCloses", 5, false, true},
                      CycleCase{"Aol5SetPasswordSignOnShows", 5, true, false},
                      CycleCase{"Aol6StoredPasswordSignOnShows", 6, false, false},
                      CycleCase{"Aol6SetPasswordSealedClientCloses", 6, true, true, Kept::kSealed},
                      CycleCase{"Aol7StoredPasswordClientCloses", 7, false, true},
                      CycleCase{"Aol7SetPasswordPlainFromBeforeSignOnShows", 7, true, false,
                                Kept::kPlainFromBefore}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DcpTest, AMissingOrWrongProgramPathGivesUpOnceWithItsReasonWithinItsBound) {
  Begin(6, false, /*oss=*/true);  // the Windows 2000 mode records nothing by itself
  aol->Disconnect();
  sim.loop.RunFor(10000);
  EXPECT_THAT(GiveUps(),
              ElementsAre("disconnect protect aol gave up - no aol program file recorded"));
  EXPECT_EQ(aol->Seen().exits, 0) << "a client that cannot be started again stays open";
  sim.loop.RunFor(60000);
  EXPECT_EQ(GiveUps().size(), 1u) << "no message every five ticks";

  const std::string wrong = "C:\\Program Files\\Nowhere\\aol.exe";
  Store("settings", "last aol path", wrong);
  sim.loop.RunFor(timeouts::kRestoreRetryMs);
  ASSERT_TRUE(sim.loop.RunUntil([&] { return GiveUps().size() == 2; }, 60000));
  EXPECT_EQ(GiveUps()[1], "disconnect protect aol gave up - aol would not start from " + wrong);
  EXPECT_EQ(aol->Seen().exits, 1);
  EXPECT_EQ(std::count_if(sim.shell.Started().begin(), sim.shell.Started().end(),
                          [&](const sim::ProgramStarted& p) { return p.path == wrong; }),
            timeouts::kAolStarts);
  EXPECT_TRUE(std::all_of(sim.shell.Started().begin(), sim.shell.Started().end(),
                          [&](const sim::ProgramStarted& p) { return p.path == wrong; }))
      << "nothing but the recorded file is started";
}

// Each failed start and the failed connection are tried again within the bounds.
TEST_F(DcpTest, AClientFailingToStartTwiceIsStartedAThirdTimeAndSignsOnThroughAFailedConnection) {
  Begin(5, false);
  aol->FailStarts(2);
  aol->FailSignOns(1);
  aol->DisconnectAndClose();
  ASSERT_TRUE(sim.loop.RunUntil([&] { return Restored(); }, 120000))
      << ::testing::PrintToString(GiveUps());
  EXPECT_EQ(aol->Seen().launches.size(), 3u);
  EXPECT_EQ(aol->Seen().failedStarts, 2);
  EXPECT_EQ(aol->Seen().failedSignOns, 1);
  EXPECT_THAT(GiveUps(), IsEmpty());
}

TEST_F(DcpTest, ASignOnThatNeverSucceedsGivesUpAfterItsBound) {
  Begin(6, true);
  Store("aolpw", "password", "wrong");
  aol->Disconnect();
  ASSERT_TRUE(sim.loop.RunUntil([&] { return !GiveUps().empty(); }, timeouts::kSignOnMs + 120000));
  EXPECT_THAT(GiveUps(), ElementsAre("disconnect protect aol gave up - sign on not reached"));
  EXPECT_GT(aol->Seen().failedSignOns, 10);
  EXPECT_EQ(LogText().find("wrong"), std::string::npos);
}

using Boxes = std::array<bool, 5>;

// A row with a deaf window has a window or control of the client that ignores what the program
// does to it: its bound runs out with one line in the log and no flash session.
struct ContinuationCase {
  const char* name;
  bool afterKill;
  int downloads;  // waiting items; 0: the kind's item unchecked
  int uploads;
  std::vector<std::string> said;
  Boxes boxes;  // Automatic AOL afterwards; every box was checked before
  std::function<Hwnd(standin::SimStandIn&, WindowSystem&)> deaf = {};
  std::string logged = {};
};

class DcpContinuation : public DcpTest, public ::testing::WithParamInterface<ContinuationCase> {};

TEST_P(DcpContinuation, OnlyTheQueuedKindsBoxIsSetOneWaitingItemIsEnoughAfterAReconnectEachBound) {
  const ContinuationCase& c = GetParam();
  Begin(5, false);
  for (int i = 1; i < c.downloads; ++i) aol->QueueDownload("more" + std::to_string(i) + ".zip");
  for (int i = 1; i < c.uploads; ++i) aol->AddWaitingMail("pal", "more" + std::to_string(i));
  for (int box = 1; box <= 5 && !c.deaf; ++box) aol->SetAutomaticAolBox(box, true);
  const char* downloadsItem = c.afterKill ? "mnucontinueUpAfterFileNotFOundKill" : "cmdContDown";
  const char* uploadsItem = c.afterKill ? "mnuContinueUpAffFnFK" : "cmdContUp";
  program->frmOptions.Item(downloadsItem).checked = c.downloads > 0;
  program->frmOptions.Item(uploadsItem).checked = c.uploads > 0;
  if (c.deaf) {
    const Hwnd target = c.deaf(*aol, sim.windows);
    ASSERT_NE(target, 0u);
    sim.windows.SetHandler(target, [](Hwnd, const sim::SimMessage& m) -> std::optional<LResult> {
      const bool input = m.msg == WM_CLOSE || m.msg == WM_LBUTTONDOWN || m.msg == WM_LBUTTONUP ||
                         m.msg == WM_KEYDOWN || m.msg == WM_KEYUP;
      return input ? std::optional<LResult>(0) : std::nullopt;
    });
  }
  if (c.afterKill) {
    program->dcp.ContinueAfterFileNotFound();
  } else {
    program->dcp.ContinueAfterReconnect();
  }
  sim.loop.RunFor(20000);
  if (c.deaf) {
    std::vector<std::string> notices;
    for (const std::string& message : LogMessages()) {
      if (message.find(" not continued") != std::string::npos ||
          message.find(" not started") != std::string::npos) {
        notices.push_back(message);
      }
    }
    EXPECT_THAT(notices, ElementsAre(c.logged));
    EXPECT_THAT(aol->Seen().flashSessions, IsEmpty());
    return;
  }
  EXPECT_EQ(DcpLines(), c.said);
  EXPECT_EQ(aol->Seen().flashSessions.size(), c.said.size() == 2 ? 1u : 0u);
  EXPECT_EQ(aol->AutomaticAolBoxes(), c.boxes);
  // Every box the presses for later raised was answered.
  EXPECT_EQ(sim.windows.FindWindow(std::string("#32770"), std::nullopt), 0u);
  EXPECT_EQ(aol->Seen().boxesDismissed, static_cast<int>(aol->Seen().boxesShown.size()));
  EXPECT_EQ(aol->Seen().boxesShown.empty(), !(c.afterKill && c.said.size() == 2));
}

const std::vector<std::string> kDownloads = {"continuing downloads", "starting flash session"};
const std::vector<std::string> kUploads = {"continuing uploads", "starting flash session"};
constexpr Boxes kAll = {true, true, true, true, true};
constexpr Boxes kSendMail = {true, false, false, false, false};
constexpr Boxes kDownloadFiles = {false, false, false, false, true};
using Aol = standin::SimStandIn;
// Two downloads waiting, the uploads' items unchecked.
ContinuationCase Bound(const char* name, bool afterKill,
                       std::function<Hwnd(Aol&, WindowSystem&)> deaf, std::string logged) {
  return {name, afterKill, 2, 0, {}, {}, std::move(deaf), std::move(logged)};
}
INSTANTIATE_TEST_SUITE_P(
    Modes, DcpContinuation,
    ::testing::Values(
        ContinuationCase{"ReconnectDownloads", false, 1, 0, kDownloads, kDownloadFiles},
        ContinuationCase{"ReconnectUploads", false, 0, 1, kUploads, kSendMail},
        ContinuationCase{"KillOne", true, 1, 0, {"continuing downloads"}, kAll},
        ContinuationCase{"KillTwo", true, 2, 0, kDownloads, kDownloadFiles},
        ContinuationCase{"KillTwoUploads", true, 0, 2, kUploads, kSendMail},
        ContinuationCase{"NothingChecked", false, 0, 0, {}, kAll},
        Bound(
            "PressesForLater", true,
            [](Aol& aol, WindowSystem& ws) {
              aol.Client().Downloads().Open();
              return FindNthChild(ws, aol.Client().Downloads().Window(), "_AOL_Icon", 4);
            },
            "downloads not continued - download later got no answer"),
        Bound(
            "BoxAnswers", true,
            [](Aol& aol, WindowSystem& ws) {
              aol.ShowMessageBox("You have new mail.");
              return FindNthChild(ws, AolMessageBoxes(ws).front(), "button", 1);
            },
            "downloads not continued - aol's box would not close"),
        Bound(
            "WindowClose", false,
            [](Aol& aol, WindowSystem&) {
              aol.Client().Downloads().Open();
              return aol.Client().Downloads().Window();
            },
            "downloads not continued - the download manager would not close"),
        Bound(
            "CheckBoxClicks", false,
            [](Aol& aol, WindowSystem& ws) {
              aol.Client().Flash().OpenSetup();
              return FindNthChild(ws, aol.Client().Flash().Setup(), "_AOL_Checkbox", 5);
            },
            "flash session not started - automatic aol box 5 would not change")),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drelm::testing
