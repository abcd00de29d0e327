// The transfer reader and the dialog killers beside the stand-in AOL client, without a program
// (the values, the store, the log and the two check marks they read are the fixture's own), then
// the running program's second timer doing their work.
#include <gtest/gtest.h>

#include <algorithm>

#include "aol/client_windows.h"
#include "aol/dialog_killers.h"
#include "aol/room_wait.h"
#include "aol/transfer_reader.h"
#include "aol/window_lookup.h"
#include "core/status_log.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"
#include "program_fixture.h"
#include "standin/transfers.h"
#include "support/message_checks.h"

namespace drelm::testing {
namespace {

class TransferTest : public ProgramTest {
 protected:
  SettingsStore store{sim.registry};
  StatusLog log{sim.clock, sim.files, folder.path()};
  DrelmGlobals values;
  TransferReader reader{
      TransferReaderContext{sim.windows, sim.loop, store, values, [] { return false; }}};
};

struct Texts {
  std::string dlName, dlPercent, dlTime, ulName, ulPercent, ulTime;
  bool operator==(const Texts&) const = default;
};

void PrintTo(const Texts& t, std::ostream* os) {
  *os << "{dl \"" << t.dlName << "\" \"" << t.dlPercent << "\" \"" << t.dlTime << "\", ul \""
      << t.ulName << "\" \"" << t.ulPercent << "\" \"" << t.ulTime << "\"}";
}

Texts Read(const DrelmGlobals& v) {
  return {v.DlFileName, v.DlPercent, v.DlTimeLeft, v.UlFileName, v.UlPercent, v.UlTimeLeft};
}

class TransferOfEachVersion : public TransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(TransferOfEachVersion, ReadsTheDownloadAndTheUploadInTheVersionsWindows) {
  const int version = GetParam();
  OpenAolWithChatRoom(version);
  reader.Refresh();
  const std::string none = version == 7 ? "n/a " : "";
  EXPECT_EQ(Read(values), (Texts{"n/a", "n/a", "n/a", none, none, none}));

  aol->StartUpload("Pics.zip");
  aol->SetUploadProgress(37, 5);
  reader.Refresh();
  EXPECT_EQ(Read(values), (Texts{"n/a", "n/a", "n/a", "Pics.zip", "37", "5"}));
  EXPECT_EQ(values.TransferKind, "ul");

  aol->SetUploadProgress(38, 0);
  reader.Refresh();
  EXPECT_EQ(values.UlTimeLeft, version == 7 ? "<b>na</b>" : "n/a ");

  aol->StartDownload("Song.MP3");
  aol->SetDownloadProgress(45, 12);
  reader.Refresh();
  EXPECT_EQ(Read(values).dlName + "|" + values.DlPercent + "|" + values.DlTimeLeft,
            "song.mp3|45|12");
  // Both windows are open: the finder that ran last saw the upload.
  EXPECT_EQ(values.TransferKind, "ul");

  aol->FinishUpload();
  aol->SetDownloadProgress(99, 1);
  reader.Refresh();
  EXPECT_EQ(Read(values), (Texts{"song.mp3", "99", "1", none, none, none}));
  EXPECT_EQ(values.TransferKind, "dl");

  aol->FinishDownload();
  reader.Refresh();
  EXPECT_EQ(values.TransferKind, "dl") << "the reader never clears the kind";
}

INSTANTIATE_TEST_SUITE_P(Aol, TransferOfEachVersion, ::testing::Values(4, 5, 6, 7));

TEST_F(TransferTest, OtherModalWindowsOfTheClientAreNoUpload) {
  OpenAolWithChatRoom(6);
  aol->ShowFileNotFound();
  EXPECT_EQ(reader.FindTransferModalQuiet(), 0u);
  reader.Refresh();
  EXPECT_EQ(Read(values), (Texts{"n/a", "n/a", "n/a", "", "", ""}));
  EXPECT_EQ(values.TransferKind, "none");

  aol->StartUpload("a.zip");  // beneath the notice, which stays on top
  sim.windows.BringToTop(aol->Client().TransferWindows().FileNotFoundNotice());
  EXPECT_EQ(reader.FindTransferModalQuiet(), aol->Client().TransferWindows().UploadWindow());
  EXPECT_EQ(values.TransferKind, "none") << "the quiet finder records nothing";
  EXPECT_EQ(reader.ReadUlPercentModalDash(), "0");
}

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

  bool killFnf = true;
  bool killBox = false;
  int continued = 0;
  DialogKillers killers{DialogKillersContext{sim.windows, sim.loop, log, reader,
                                             [this] { return killFnf; }, [this] { return killBox; },
                                             [this] { ++continued; }}};
  AolContext rooms{sim.windows, sim.loop, sim.clock, log};
};

// Each kill runs only while its item is checked; checked, the notice goes within one tick.
TEST_F(DialogKillersTest, TheNoticeIsClosedWithinOneTickLoggedAndTheTransfersContinue) {
  OpenAolWithChatRoom(6);
  aol->StartUpload("pics.zip");
  aol->ShowFileNotFound();
  aol->ShowMessageBox("Your message is too long or too complex.");
  const Hwnd notice = aol->Client().TransferWindows().FileNotFoundNotice();
  const Hwnd ok = FindNthChild(sim.windows, notice, "_AOL_Icon", 1);
  killFnf = false;
  StartTimer2();
  sim.loop.RunFor(2 * kTimer2Ms);
  EXPECT_TRUE(sim.windows.IsWindow(notice));
  EXPECT_EQ(continued, 0);
  killFnf = true;
  EXPECT_TRUE(sim.loop.RunUntil([&] { return !sim.windows.IsWindow(notice); }, kTimer2Ms));
  EXPECT_MESSAGES(MessagesTo(ok), {{ok, WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                                   {ok, WM_LBUTTONUP, 0, 0, Via::kPosted},
                                   {ok, WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                                   {ok, WM_KEYUP, VK_SPACE, 0, Via::kPosted}});
  EXPECT_NE(LogText().find("killed file not found"), std::string::npos);
  EXPECT_EQ(continued, 1);
  sim.loop.RunFor(3 * kTimer2Ms);
  EXPECT_EQ(continued, 1) << "nothing left to kill";
  EXPECT_EQ(aol->Seen().boxesDismissed, 0) << "the box kill is unchecked";
}

TEST_F(DialogKillersTest,
       WindowsOfAnotherProgramAndANoticeWithoutItsCarriageReturnAreNeverPressed) {
  OpenAolWithChatRoom(6);
  // Another program's box is the command sweep's; its notice, text and all, is here.
  const Hwnd modal = sim.windows.CreateWindow("_AOL_Modal", "File Transfer", 0, {},
                                              sim.shell.AddProcess("C:\\Tools\\other.exe"));
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
  EXPECT_TRUE(MessagesTo(icon).empty());
  EXPECT_TRUE(MessagesTo(clientsIcon).empty());
  EXPECT_EQ(continued, 0);
  EXPECT_EQ(LogText().find("killed file not found"), std::string::npos);
}

// One room after the other: a room that comes, a full room whose box only the dismissing wait
// presses, and a client that never answers, whose every wait ends at its bound.
TEST_F(DialogKillersTest, RoomWaitsNormaliseTheNameAndEndAtTheRoomTheFullRoomsBoxOrTheirBound) {
  OpenAolWithChatRoom(6);
  aol->Client().MutableOptions().delays.roomMs = 1000;
  aol->Client().Chat().RequestPrivateRoom("Blue Room 2");
  std::string name = "Blue Room 2";
  std::uint64_t start = sim.clock.MonotonicMs();
  WaitRoomOrDismiss(rooms, name);
  EXPECT_EQ(name, "blueroom2");
  EXPECT_EQ(aol->RoomName(), "Blue Room 2");
  EXPECT_LT(sim.clock.MonotonicMs() - start, 1000u + timeouts::kAolPollMs + 1);

  aol->FillRoom("Full Room", 2);
  aol->Client().Chat().RequestPrivateRoom("Full Room");
  name = "Full Room";
  EXPECT_TRUE(RoomEntryRefused(rooms, name));
  EXPECT_EQ(name, "fullroom");
  EXPECT_EQ(AolMessageBoxes(sim.windows).size(), 1u);
  name = "Full Room";
  WaitRoomOrDismiss(rooms, name);
  sim.loop.RunFor(0);
  EXPECT_TRUE(AolMessageBoxes(sim.windows).empty());
  EXPECT_EQ(aol->Seen().boxesDismissed, 1);
  EXPECT_EQ(aol->RoomName(), "Blue Room 2");

  name = "Silent Room";
  start = sim.clock.MonotonicMs();
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

TEST_F(ProgramTest, SecondTimerKeepsTheTransferTextsAndClosesTheNoticeWithinTwoTicks) {
  StartBesideAol6Room();
  aol->StartDownload("Song.mp3");
  aol->SetDownloadProgress(45, 12);
  sim.loop.RunFor(kTimer2Ms);
  EXPECT_EQ(program->drelmglobals.DlPercent, "45");
  EXPECT_EQ(program->drelmglobals.TransferKind, "dl");

  aol->ShowFileNotFound();
  EXPECT_TRUE(sim.loop.RunUntil(
      [&] { return aol->Client().TransferWindows().FileNotFoundNotice() == 0; }, 2 * kTimer2Ms));
  const std::vector<std::string> logged = LogMessages();
  EXPECT_NE(std::find(logged.begin(), logged.end(), "killed file not found"), logged.end());
}

}  // namespace
}  // namespace drelm::testing
