#include <algorithm>

#include "aol/client_windows.h"
#include "aol/dialog_killers.h"
#include "aol/room_wait.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"
#include "standin/chat_room.h"
#include "support/message_checks.h"
#include "transfer_fixture.h"

namespace drelm::testing {
namespace {

using sim::Via;

constexpr std::uint32_t kTimer2Ms = 1600;

class DialogKillersTest : public TransferTest {
 protected:
  void StartTimer2() {
    sim.loop.AddTimer(kTimer2Ms, [this] { killers.Timer2_Timer(); });
  }
  std::vector<sim::MessageRecord> MessagesTo(Hwnd window) const {
    std::vector<sim::MessageRecord> to;
    for (const sim::MessageRecord& r : sim.windows.Log()) {
      if (r.window == window) to.push_back(r);
    }
    return to;
  }
  // A window of some other program, with the class and caption of the client's.
  Hwnd OtherProgramsWindow(const std::string& className, const std::string& caption) {
    return sim.windows.CreateWindow(className, caption, 0, {},
                                    sim.shell.AddProcess("C:\\Tools\\other.exe"));
  }

  bool killFnf = true;
  bool killBox = false;
  int continued = 0;
  DialogKillers killers{DialogKillersContext{sim.windows, sim.loop, log, reader,
                                             [this] { return killFnf; }, [this] { return killBox; },
                                             [this] { ++continued; }}};
  AolContext rooms{sim.windows, sim.loop, sim.clock, log};
};

TEST_F(DialogKillersTest, TheNoticeIsClosedWithinOneTickLoggedAndTheTransfersContinue) {
  OpenAol(6);
  aol->StartUpload("pics.zip");
  aol->ShowFileNotFound();
  const Hwnd notice = aol->Client().TransferWindows().FileNotFoundNotice();
  const Hwnd ok = FindNthChild(sim.windows, notice, "_AOL_Icon", 1);
  StartTimer2();
  EXPECT_TRUE(sim.loop.RunUntil([&] { return !sim.windows.IsWindow(notice); }, kTimer2Ms));
  EXPECT_MESSAGES(MessagesTo(ok), {{ok, WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                                   {ok, WM_LBUTTONUP, 0, 0, Via::kPosted},
                                   {ok, WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                                   {ok, WM_KEYUP, VK_SPACE, 0, Via::kPosted}});
  EXPECT_NE(LogText().find("killed file not found"), std::string::npos);
  EXPECT_EQ(continued, 1);
  sim.loop.RunFor(3 * kTimer2Ms);
  EXPECT_EQ(continued, 1) << "nothing left to kill";
}

TEST_F(DialogKillersTest, EachToggleDecidesWhetherItsKillRuns) {
  OpenAol(5);
  killFnf = false;
  aol->ShowFileNotFound();
  aol->ShowMessageBox("Your message is too long or too complex.");
  StartTimer2();
  sim.loop.RunFor(2 * kTimer2Ms);
  EXPECT_NE(aol->Client().TransferWindows().FileNotFoundNotice(), 0u);
  EXPECT_EQ(aol->Seen().boxesDismissed, 0);
  EXPECT_EQ(continued, 0);

  killBox = true;
  sim.loop.RunFor(kTimer2Ms);
  EXPECT_EQ(aol->Seen().boxesDismissed, 1) << "pressed on the next tick";
  EXPECT_NE(aol->Client().TransferWindows().FileNotFoundNotice(), 0u);
}

TEST_F(DialogKillersTest,
       WindowsOfAnotherProgramAndANoticeWithoutItsCarriageReturnAreNeverPressed) {
  OpenAol(6);
  const Hwnd box = OtherProgramsWindow("#32770", "America Online");
  const Hwnd button = sim.windows.CreateWindow("Button", "OK", box);
  const Hwnd modal = OtherProgramsWindow("_AOL_Modal", "File Transfer");
  sim.windows.CreateWindow("_AOL_Static", "File not found.\r", modal);
  const Hwnd icon = sim.windows.CreateWindow("_AOL_Icon", "", modal);
  // The client's own modal, whose text is some other message than the notice.
  const Hwnd clients =
      sim.windows.CreateWindow("_AOL_Modal", "File Transfer", 0, {},
                               sim.windows.WindowProcessId(FindAolMainWindow(sim.windows)));
  sim.windows.CreateWindow("_AOL_Static", "File not found.", clients);
  const Hwnd clientsIcon = sim.windows.CreateWindow("_AOL_Icon", "", clients);
  killBox = true;
  StartTimer2();
  sim.loop.RunFor(2 * kTimer2Ms);
  EXPECT_TRUE(MessagesTo(button).empty());
  EXPECT_TRUE(MessagesTo(icon).empty());
  EXPECT_TRUE(MessagesTo(clientsIcon).empty());
  EXPECT_EQ(continued, 0);
  EXPECT_EQ(LogText().find("killed file not found"), std::string::npos);
}

TEST_F(DialogKillersTest, RoomWaitNormalisesTheNameAndReturnsOnceTheRoomIsThere) {
  OpenAol(6);
  aol->Client().MutableOptions().delays.roomMs = 1000;
  aol->Client().Chat().RequestPrivateRoom("Blue Room 2");
  std::string name = "Blue Room 2";
  const std::uint64_t start = sim.clock.MonotonicMs();
  WaitRoomOrDismiss(rooms, name);
  EXPECT_EQ(name, "blueroom2");
  EXPECT_EQ(aol->RoomName(), "Blue Room 2");
  EXPECT_LT(sim.clock.MonotonicMs() - start, 1000u + timeouts::kAolPollMs + 1);
  EXPECT_EQ(NormaliseRoomName("Lobby 12"), "lobby12");
}

TEST_F(DialogKillersTest, AFullRoomsBoxIsPressedByOneWaitAndLeftOpenByTheOther) {
  OpenAol(7);
  aol->FillRoom("Full Room", 2);
  aol->Client().Chat().RequestPrivateRoom("Full Room");
  std::string name = "Full Room";
  EXPECT_TRUE(RoomEntryRefused(rooms, name));
  EXPECT_EQ(name, "fullroom");
  EXPECT_EQ(AolMessageBoxes(sim.windows).size(), 1u);

  name = "Full Room";
  WaitRoomOrDismiss(rooms, name);
  sim.loop.RunFor(0);
  EXPECT_TRUE(AolMessageBoxes(sim.windows).empty());
  EXPECT_EQ(aol->Seen().boxesDismissed, 1);
  EXPECT_EQ(aol->RoomName(), "Lobby 12");
}

TEST_F(DialogKillersTest, EveryRoomWaitEndsWhenTheClientNeverAnswers) {
  OpenAol(6);
  std::string name = "Silent Room";
  std::uint64_t start = sim.clock.MonotonicMs();
  EXPECT_EQ(AwaitRoomAnswer(rooms, name), RoomAnswer::kNoAnswer);
  EXPECT_GE(sim.clock.MonotonicMs() - start, timeouts::kRoomAnswerMs);
  name = "Silent Room";
  EXPECT_TRUE(RoomEntryRefused(rooms, name)) << "not entered";

  // A box of the client's that no press closes.
  const ProcessId client = sim.windows.WindowProcessId(FindAolMainWindow(sim.windows));
  const sim::SimHandler deaf = [](Hwnd, const sim::SimMessage&) { return LResult{0}; };
  const Hwnd box = sim.windows.CreateWindow("#32770", "America Online", 0, deaf, client);
  sim.windows.CreateWindow("Button", "OK", box, deaf);
  start = sim.clock.MonotonicMs();
  name = "Silent Room";
  WaitRoomOrDismiss(rooms, name);
  const std::uint64_t took = sim.clock.MonotonicMs() - start;
  EXPECT_GE(took, timeouts::kAolWindowMs);
  EXPECT_LT(took, timeouts::kAolWindowMs + 2 * timeouts::kAolPollMs);
  const std::string logText = LogText();
  EXPECT_NE(logText.find("gave up waiting for room silentroom"), std::string::npos);
  EXPECT_NE(logText.find("gave up closing aol's message box"), std::string::npos);
}

}  // namespace
}  // namespace drelm::testing
