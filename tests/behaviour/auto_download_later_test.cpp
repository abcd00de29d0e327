// Auto download later beside the stand-in AOL client: "start flashmail dl" opens the mailbox,
// lists its subjects, walks every mail in the reader and says when it is done; the dialog presser
// answers only the client's own dialogs, while a walk runs and until the dialogs it brought are
// answered.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "aol/mail_reader.h"
#include "aol/mailbox.h"
#include "core/timeouts.h"
#include "program_fixture.h"
#include "standin/mail.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(MailboxSubject, IsWhatFollowsTheSecondTab) {
  const std::pair<std::string, std::string> cases[] = {
      {"12/06\tvrin\tnew skins", "new skins"},  {"12/06\tvrin\tnew\tskins", "new\tskins"},
      {"12/06\tnew skins", "12/06\tnew skins"}, {"new skins", "new skins"},
      {std::string("a\tb\tc\0", 6), "c"},
  };
  for (const auto& [line, subject] : cases) EXPECT_EQ(MailboxSubject(line), subject) << line;
}

class AutoDownloadLaterTest : public ProgramTest {
 protected:
  void SetUp() override {
    StartBesideAol6Room();
    ForgetRoomLines();
  }
  FrmAutoDL& Window() { return program->frmAutoDL; }
  // The way in a user takes: "other options" > "auto download later" shows the window in place
  // of the main window, and its "start process" pops up the menu that starts the run, which ends
  // in the "your done!" box.
  void StartFromTheWindow() {
    program->frmOptions.Click("cmdAutoDLLater");
    EXPECT_TRUE(Window().visible && !program->frmMain.visible);
    sim.user.ExpectPopupMenu([](const std::vector<PopupMenuItem>& items) -> std::uint32_t {
      for (const PopupMenuItem& item : items) {
        if (item.caption == "start flashmail dl") return item.commandId;
      }
      return 0;
    });
    sim.user.ExpectMessageBox("your done!", IDOK);
    program->autoDownloadLater.Label1_Click();
  }
};

// Each file marked for later brings AOL's box, which the presser answers after the walk too;
// another program's dialog beside them is never pressed.
TEST_F(AutoDownloadLaterTest, ListsWalksAndAnnouncesEachUse) {
  program->frmMain.Timer2.SetEnabled(false);  // its message-box kill would answer the boxes
  const Hwnd other = sim.windows.CreateWindow("#32770", "Setup", 0, {}, 777);
  sim.windows.SetHandler(sim.windows.CreateWindow("Button", "Yes", other, {}, 777),
                         [](Hwnd, const sim::SimMessage& m) {
                           ADD_FAILURE() << "another program's button got " << m.msg;
                           return std::optional<LResult>();
                         });
  aol->AddIncomingMail("12/06", "vrin", "skins", "skins.zip");
  aol->AddIncomingMail("12/06", "quoSt", "no file");
  aol->AddIncomingMail("12/06", "twk", "idle 2", "idle2.exe");
  for (int use = 1; use <= 2; ++use) {
    SCOPED_TRACE(use);
    ForgetRoomLines();
    if (use == 1) StartFromTheWindow();
    if (use == 2) {
      sim.user.ExpectMessageBox("your done!", IDOK);
      program->frmOptions.Click("cmdStartDL");
    }
    EXPECT_TRUE(Window().visible);
    EXPECT_EQ(Window().lstMails.items.size(), 3u * static_cast<std::size_t>(use));
    EXPECT_THAT(
        std::vector<std::string>(Window().lstMails.items.end() - 3, Window().lstMails.items.end()),
        ElementsAre("skins", "no file", "idle 2"));
    EXPECT_EQ(aol->Seen().downloadLater.size(), 2u * static_cast<std::size_t>(use));
    EXPECT_THAT(RoomLines(), ElementsAre(DefaultStyled("starting auto download later process"),
                                         DefaultStyled("auto download later process complete")));
    EXPECT_EQ(Window().lblStatus.caption, "idle");
    EXPECT_EQ(sim.user.Seen().back().title, program->appTitle);
    EXPECT_TRUE(sim.windows.ShowState(aol->Client().MailWindows().Mailbox()) == SW_SHOWMINIMIZED);
    sim.loop.RunFor(timeouts::kLaterDialogsQuietMs + timeouts::kDialogPresserMs);
    EXPECT_EQ(aol->Seen().boxesShown.size(), 2u * static_cast<std::size_t>(use));
    EXPECT_EQ(aol->Seen().boxesDismissed, 2 * use);
    EXPECT_FALSE(program->autoDownloadLater.Timer1.Enabled());
  }
  EXPECT_THAT(aol->Seen().downloadLater,
              ElementsAre("skins.zip", "idle2.exe", "skins.zip", "idle2.exe"));
  Window().lstMails.items.clear();
  program->autoDownloadLater.Label5_Click();
  EXPECT_TRUE(!Window().visible && program->frmMain.visible);
}

// A client that keeps raising dialogs after the walk: the presser gives up at its bound and says
// so once.
TEST_F(AutoDownloadLaterTest, PresserGivesUpOnDialogsThatKeepComing) {
  program->frmMain.Timer2.SetEnabled(false);
  aol->AddIncomingMail("12/06", "vrin", "skins", "skins.zip");
  const TimerId raiser = sim.loop.AddTimer(1000, [&] { aol->ShowMessageBox("again"); });
  sim.user.ExpectMessageBox("your done!", IDOK);
  program->frmOptions.Click("cmdStartDL");
  sim.loop.RunFor(timeouts::kLaterDialogsMs + timeouts::kLaterDialogsQuietMs);
  sim.loop.RemoveTimer(raiser);
  EXPECT_FALSE(program->autoDownloadLater.Timer1.Enabled());
  const std::vector<std::string> log = LogMessages();
  EXPECT_EQ(std::count(log.begin(), log.end(), "gave up answering aol's dialogs"), 1);
}

// "start flashmail dl" opening the mailbox through the toolbar menu of each AOL version.
class FlashMailStartTest : public ProgramTest, public ::testing::WithParamInterface<int> {};

TEST_P(FlashMailStartTest, OpensTheMailboxWithTheMouseOutOfTheWayAndPutsItBack) {
  StoreReturningUser();
  OpenAolWithChatRoom(GetParam());
  StartProgram();
  const Point cursor = sim.shell.CursorPos();
  std::vector<std::string> statuses;
  const TimerId sampler = sim.loop.AddTimer(100, [&] {
    const std::string& now = program->frmAutoDL.lblStatus.caption;
    if (statuses.empty() || statuses.back() != now) statuses.push_back(now);
  });
  program->frmOptions.Click(std::string_view("cmdStartDL"));
  sim.loop.RemoveTimer(sampler);
  EXPECT_NE(FindIncomingMail(sim.windows), 0u);
  // The stand-in's mailbox is empty: listed, it leaves nothing to walk.
  EXPECT_THAT(statuses, ::testing::ElementsAre("opening flashmail", "adding flashmail",
                                               "ready to start process"));
  EXPECT_EQ((std::pair{sim.shell.CursorPos().x, sim.shell.CursorPos().y}),
            (std::pair{cursor.x, cursor.y}));
}

INSTANTIATE_TEST_SUITE_P(Aol, FlashMailStartTest, ::testing::Values(4, 5, 6, 7));

}  // namespace
}  // namespace drelm::testing
