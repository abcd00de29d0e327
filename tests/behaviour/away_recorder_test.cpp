// The away recorder in a whole program beside the stand-in AOL client: members' lines reach it
// through the chat scanner, each recording is confirmed in the room, counted in the settings and
// kept in the messages file; then the review windows hand the screen to each other.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "program_fixture.h"
#include "standin/chat_room.h"
#include "standin/instant_messages.h"
#include "support/file_text.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// A short chat style, so the expected room lines can be written out whole.
std::string Styled(const std::string& text) {
  return "</u></i></b><font color=#a><font face=\"af\">< <font face=\"mf\"><font color=#m>" + text +
         " <font color=#a><font face=\"af\">>";
}

// An entry with its time of day (the only part that depends on the clock) replaced by "T".
std::string WithoutTime(const std::string& entry) {
  const std::size_t open = entry.find("-[");
  const std::size_t close = entry.find("]- ");
  if (open == std::string::npos || close == std::string::npos) return entry;
  return entry.substr(0, open + 2) + "T" + entry.substr(close);
}

class AwayRecorderTest : public ProgramTest {
 protected:
  void SetUp() override {
    StoreReturningUser();
    const char* settings[][2] = {{"handle", "Bob"},    {"afkmax", "2"},      {"left ascii", "<"},
                                 {"right ascii", ">"}, {"ascii font", "af"}, {"main font", "mf"},
                                 {"ascii color", "a"}, {"main color", "m"}};
    for (const auto& [key, value] : settings) Store("settings", key, value);
    OpenAolWithChatRoom(6);
    StartAndScan();
  }

  void StartAndScan() {
    StartProgram();
    program->frmMain.Chat1.StartScan();
    ForgetRoomLines();
  }

  // Members speak one after the other; the scanner and the confirmations get time to follow.
  void Say(const std::vector<std::pair<std::string, std::string>>& lines) {
    for (const auto& [member, text] : lines) {
      aol->Client().Chat().Say(member, text);
      sim.loop.RunFor(3000);
    }
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> entries;
    for (const std::string& item : program->frmAFKMessages.lstMsgs.items) {
      entries.push_back(WithoutTime(item));
    }
    return entries;
  }

  std::string MessagesFile() const { return FileText(folder.path() / kAwayMessagesFileName); }
};

TEST_F(AwayRecorderTest,
       NoMaximumRecordsNothingAFractionCountsAsItIsAndAfterStopScanNothingArrives) {
  Store("settings", "afkmax", "");
  Say({{"Ann", "bob, call me"}});
  EXPECT_EQ(MessagesFile(), "");
  Store("settings", "afkmax", "0.5");
  Say({{"Ann", "bob, one"}, {"Ann", "bob, two"}});
  program->frmMain.Chat1.StopScan();
  Store("settings", "afkmax", "5");
  Say({{"Ann", "bob, call me"}});
  EXPECT_THAT(Entries(), ElementsAre("|[chat]|-[T]- Ann: , one"));
  EXPECT_THAT(RoomLines(), ElementsAre(Styled("annmessage recorded [1-0.5")));
}

TEST_F(AwayRecorderTest, Timer3AnswersEachImOnceNotesItWithItsTextOnDiskAndClosesItsWindow) {
  using standin::InstantMessage;
  Store("settings", "afkrea", "gone fishing");
  // Sends that take a few seconds, so Timer3 falls due again while its tick still waits: those
  // ticks are skipped, not nested, or the same IM would be answered twice.
  aol->Client().MutableOptions().delays.keywordMs = 700;
  aol->Client().MutableOptions().delays.imSendMs = 2500;
  // The user's own IM, half written, is neither answered nor closed.
  aol->Client().Ims().OpenSend("Friend");
  aol->Client().Ims().Receive("Carl", "you there?");
  aol->Client().Ims().Receive("Dee Dee", "hello");
  aol->Client().Ims().Receive("Dee Dee", "still there?");
  const Hwnd carl = aol->Client().Ims().IncomingWindow("Carl");
  program->frmMain.Timer3.SetEnabled(true);
  sim.loop.RunFor(20000);
  // A later IM window that the system gives the answered window's handle is a new IM.
  sim.windows.ReuseHandleNext(carl);
  aol->Client().Ims().Receive("Eve", "hi");
  ASSERT_EQ(aol->Client().Ims().IncomingWindow("Eve"), carl);
  sim.loop.RunFor(10000);

  EXPECT_EQ(aol->Seen().imsSent,
            (std::vector<InstantMessage>{
                {"dee dee", "gone fishing"}, {"carl", "gone fishing"}, {"eve", "gone fishing"}}));
  ASSERT_THAT(Entries(),
              ElementsAre("|[im]|-[T]- dee dee: ", "|[im]|-[T]- carl: ", "|[im]|-[T]- eve: "));
  EXPECT_EQ(aol->Client().Ims().IncomingWindow("Carl"), 0u);
  EXPECT_EQ(aol->Client().Ims().IncomingWindow("Dee Dee"), 0u);
  EXPECT_NE(sim.windows.FindWindowEx(aol->Client().Mdi(), 0, std::string("AOL Child"),
                                     std::string("Send Instant Message")),
            0u);
  EXPECT_EQ(Stored("settings", "countinafk"), "") << "IMs do not count as chat lines";
  // What each friend wrote is kept in the file, though not in the list.
  const std::vector<std::string>& items = program->frmAFKMessages.lstMsgs.items;
  EXPECT_EQ(MessagesFile(), items[0] + "hello still there?\r\n" + items[1] + "you there?\r\n" +
                                items[2] + "hi\r\n");
}

}  // namespace
}  // namespace drelm::testing
