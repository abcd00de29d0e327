#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

// --- transfer windows -------------------------------------------------------------------------

TEST(Transfers, TheDownloadWindowShowsNameProgressAndTimeLeft) {
  StandInTest t(Version(6));
  t.aol.StartSignedOn("Lobby 12");
  t.aol.StartDownload("Song.MP3");
  t.aol.SetDownloadProgress(45, 12);
  const Hwnd window = t.MdiChild("File Transfer - 45%");
  ASSERT_NE(window, 0u);
  EXPECT_NE(t.Nth(window, "_AOL_Gauge", 1), 0u);
  const std::string name = GetControlText(t.Windows(), t.Nth(window, "_AOL_Static", 1));
  EXPECT_NE(name.find("Download"), std::string::npos);
  EXPECT_EQ(LowerAnsi(name), "aol is now downloading song.mp3");
  EXPECT_EQ(GetControlText(t.Windows(), t.Nth(window, "_AOL_Static", 2)),
            "About 12 minutes remaining.");
  t.aol.SetDownloadProgress(99, 0);
  EXPECT_EQ(GetControlText(t.Windows(), t.Nth(window, "_AOL_Static", 2)),
            "Less than a minute remaining.");
  EXPECT_EQ(FindChatRoom(t.Windows()), t.MdiChild("Lobby 12"));
  t.aol.FinishDownload();
  EXPECT_FALSE(t.Windows().IsWindow(window));
}

TEST(Transfers, TheUploadWindowIsAModalBelowAol7AndAnMdiChildIn7) {
  for (int version : {4, 5, 6, 7}) {
    StandInTest t(Version(version));
    t.aol.StartSignedOn();
    t.aol.StartUpload("pics.zip");
    t.aol.SetUploadProgress(37, 5);
    const Hwnd modal = t.TopLevel("_AOL_Modal");
    const Hwnd child = t.MdiChild("File Transfer - 37%");
    const Hwnd window = version >= 7 ? child : modal;
    EXPECT_EQ(modal != 0, version < 7) << version;
    EXPECT_EQ(child != 0, version >= 7) << version;
    EXPECT_EQ(GetControlText(t.Windows(), window), "File Transfer - 37%");
    EXPECT_EQ(GetControlText(t.Windows(), t.Nth(window, "_AOL_Static", 1)),
              "Now Uploading pics.zip");
    EXPECT_EQ(GetControlText(t.Windows(), t.Nth(window, "_AOL_Static", 2)),
              "About 5 minutes remaining.");
  }
}

TEST(Transfers, TheFileNotFoundNoticeEndsTheTransferAndClosesOnItsOkIcon) {
  StandInTest t(Version(5, Delays{}));
  t.aol.StartSignedOn();
  t.aol.StartUpload("pics.zip");
  t.aol.ShowFileNotFound();
  const Hwnd notice = t.TopLevel("_AOL_Modal");
  ASSERT_NE(notice, 0u);
  EXPECT_EQ(GetControlText(t.Windows(), t.Nth(notice, "_AOL_Static", 1)), "File not found.\r");
  EXPECT_EQ(t.Windows().FindWindowEx(0, notice, std::string("_AOL_Modal"), std::nullopt), 0u)
      << "the upload window went with it";
  t.Press(t.Nth(notice, "_aol_icon", 1));
  t.Pump(1000);
  EXPECT_EQ(t.TopLevel("_AOL_Modal"), 0u);
  EXPECT_TRUE(t.aol.UnexpectedInput().empty()) << t.aol.UnexpectedInput().front();
}

// --- Download Manager, outbox, Automatic AOL --------------------------------------------------

// Selects the first item and presses the given icon the way the continuation does (three presses
// in a row, each bringing a box), then confirms boxes while there are any.
bool ScheduleFirst(StandInTest& t, Hwnd window, int icon) {
  t.Windows().SendMessage(t.Nth(window, "_aol_tree", 1), LB_SETCURSEL, 0, 0);
  const Hwnd button = t.Nth(window, "_AOL_Icon", icon);
  ClickMouse(t.Windows(), button);
  PressIconSent(t.Windows(), t.sim.loop, button);
  PressIconPosted(t.Windows(), t.sim.loop, button);
  if (!t.RunUntil([&] { return t.AolBox() != 0; }, 5000)) return false;
  for (int i = 0; i < 10 && t.AolBox() != 0; ++i) t.Press(t.Nth(t.AolBox(), "button", 1));
  return t.AolBox() == 0;
}

TEST(FlashSession, DownloadManagerAndOutboxScheduleTheirFirstItemWithTheBox) {
  StandInTest t(Version(5));
  t.aol.StartSignedOn();
  t.aol.QueueDownload("a.zip");
  t.aol.QueueDownload("b.zip");
  t.aol.AddWaitingMail("ann", "the pictures");
  t.Keyword("download manager");
  t.Pump();
  const Hwnd manager = t.MdiChild("Download Manager");
  ASSERT_NE(manager, 0u);
  EXPECT_EQ(t.Windows().SendMessage(t.Nth(manager, "_aol_tree", 1), LB_GETCOUNT, 0, 0), 2);
  EXPECT_TRUE(ScheduleFirst(t, manager, 4));

  ASSERT_TRUE(t.MenuKeys(2, Concat(Repeat(VK_DOWN, 15), {VK_RETURN})));
  const Hwnd outbox = t.MdiChild("Mail Waiting to be Sent");
  ASSERT_NE(outbox, 0u);
  EXPECT_EQ(t.Windows().SendMessage(t.Nth(outbox, "_aol_tree", 1), LB_GETCOUNT, 0, 0), 1);
  EXPECT_TRUE(ScheduleFirst(t, outbox, 2));
  EXPECT_EQ(t.aol.Seen().boxesDismissed, 6);
  EXPECT_TRUE(t.aol.UnexpectedInput().empty()) << t.aol.UnexpectedInput().front();
}

TEST(FlashSession, ScheduleWithoutASelectionIsStrayAndBringsNoBox) {
  StandInTest t(Version(6));
  t.aol.StartSignedOn();
  t.aol.QueueDownload("a.zip");
  t.Keyword("download manager");
  t.Pump();
  t.Press(t.Nth(t.MdiChild("Download Manager"), "_AOL_Icon", 4));
  t.Pump(1000);
  EXPECT_EQ(t.AolBox(), 0u);
  EXPECT_FALSE(t.aol.Strays().empty());
}

// Sets the Automatic AOL boxes the way the flash session set-up does.
void SetBoxes(StandInTest& t, Hwnd setup, const std::vector<bool>& wanted) {
  for (int n = 1; n <= 5; ++n) {
    const Hwnd box = t.Nth(setup, "_aol_checkbox", n);
    while ((t.Windows().SendMessage(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != wanted[n - 1]) {
      t.Windows().PostMessage(box, WM_LBUTTONDOWN, 0, 0);
      t.Pump();
      t.Windows().PostMessage(box, WM_LBUTTONUP, 0, 0);
      t.Pump();
    }
  }
}

TEST(FlashSession, Aol6SetsUpAndBeginsFromTheAutomaticAolWindow) {
  StandInTest t(Version(6, Delays{}));
  t.aol.StartSignedOn();
  t.aol.QueueDownload("a.zip");
  t.aol.AddWaitingMail("ann", "the pictures");
  t.aol.SetAutomaticAolBox(3, true);
  ASSERT_TRUE(t.MenuLetter(0, 'U'));
  const Hwnd setup = t.MdiChild("Automatic AOL");
  ASSERT_NE(setup, 0u);
  SetBoxes(t, setup, {true, false, false, false, true});
  EXPECT_EQ(t.aol.AutomaticAolBoxes(), (std::array<bool, 5>{true, false, false, false, true}));
  const Hwnd second = t.Nth(setup, "_aol_icon", 2);
  ASSERT_TRUE(t.RunUntil([&] {
    if (t.TopLevel("_AOL_Modal", "Run Automatic AOL Now") != 0) return true;
    PressIconPosted(t.Windows(), t.sim.loop, second);
    t.Pump(1000);
    return false;
  }));
  const Hwnd begin = t.Nth(t.TopLevel("_AOL_Modal", "Run Automatic AOL Now"), "_AOL_Icon", 1);
  PressIconPosted(t.Windows(), t.sim.loop, begin);
  ASSERT_TRUE(t.RunUntil([&] { return FindAolStatusWindow(t.Windows()) != 0; }, 5000));
  t.Pump(10000);
  ASSERT_EQ(t.aol.Seen().flashSessions.size(), 1u);
  const FlashSessionRun& run = t.aol.Seen().flashSessions[0];
  EXPECT_TRUE(run.sendMail);
  EXPECT_TRUE(run.downloadFiles);
  EXPECT_EQ(run.mailsSent, std::vector<std::string>{"the pictures"});
  EXPECT_EQ(run.filesDownloaded, std::vector<std::string>{"a.zip"});
  EXPECT_TRUE(t.aol.DownloadQueue().empty());
}

TEST(FlashSession, Aol4RunsTheSessionFromTheMailCenterMenu) {
  StandInTest t(Version(4, Delays{}));
  t.aol.StartSignedOn();
  t.aol.QueueDownload("a.zip");
  ASSERT_TRUE(t.MenuKeys(2, Concat(Repeat(VK_DOWN, 10), {VK_RETURN})));
  const Hwnd setup = t.MdiChild("Automatic AOL");
  ASSERT_NE(setup, 0u);
  SetBoxes(t, setup, {false, false, false, false, true});
  CloseWindow(t.Windows(), setup);
  ASSERT_TRUE(t.MenuKeys(2, Concat(Repeat(VK_DOWN, 11), {VK_RETURN})));
  const Hwnd runNow = t.TopLevel("_AOL_Modal", "Run Automatic AOL Now");
  ASSERT_NE(runNow, 0u);
  ClickMouse(t.Windows(), t.Nth(runNow, "_AOL_Icon", 1));
  ASSERT_TRUE(t.RunUntil([&] { return FindAolStatusWindow(t.Windows()) != 0; }, 5000));
  t.Pump(10000);
  ASSERT_EQ(t.aol.Seen().flashSessions.size(), 1u);
  EXPECT_FALSE(t.aol.Seen().flashSessions[0].sendMail);
  EXPECT_EQ(t.aol.Seen().flashSessions[0].filesDownloaded, std::vector<std::string>{"a.zip"});
  EXPECT_TRUE(t.aol.UnexpectedInput().empty()) << t.aol.UnexpectedInput().front();
}

TEST(FlashSession, TheStatusWindowIsFoundWhileItIsOneOfTheFirstTwoChildren) {
  StandInTest t(Version(6));
  t.aol.StartSignedOn("Lobby 12");
  t.aol.ShowStatusWindow();
  const Hwnd status = t.MdiChild("Automatic AOL Status");
  EXPECT_EQ(FindAolStatusWindow(t.Windows()), status);
  t.aol.ReceiveIm("Ann", "hi");
  EXPECT_EQ(FindAolStatusWindow(t.Windows()), status);
  t.aol.ReceiveIm("Carl", "hi");
  EXPECT_EQ(FindAolStatusWindow(t.Windows()), 0u);
  t.aol.ShowStatusWindow();  // shown again, it comes first
  EXPECT_EQ(FindAolStatusWindow(t.Windows()), status);
}

// --- the incoming mailbox and the reader ------------------------------------------------------

TEST(Mailbox, TheReaderWalksTheMailsAndMarksFilesForLater) {
  StandInTest t(Version(7));
  t.aol.StartSignedOn();
  t.aol.AddIncomingMail("01/02/03", "ann", "pictures", "pics.zip");
  t.aol.AddIncomingMail("01/02/03", "carl", "hello");
  t.aol.AddIncomingMail("01/03/03", "dee", "tunes\tmore", "song.mp3");
  ASSERT_TRUE(t.MenuKeys(2, {VK_UP, VK_UP, VK_RIGHT, VK_RETURN}));
  const Hwnd mailbox = t.MdiChild("Incoming/Saved Mail");
  ASSERT_NE(mailbox, 0u);
  const Hwnd tree = t.Nth(mailbox, "_AOL_Tree", 1);
  ASSERT_EQ(t.Windows().SendMessage(tree, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(t.Windows().SendBufferMessage(tree, LB_GETTEXT, 2, 64), "01/03/03\tdee\ttunes\tmore");

  // Read opens the reader before the press returns; it is the first MDI child.
  t.SentClick(t.Nth(mailbox, "_aol_icon", 1));
  for (int pass = 0; pass < 3; ++pass) {
    const Hwnd reader =
        t.Windows().FindWindowEx(t.Mdi(), 0, std::string("aol child"), std::nullopt);
    t.SentClick(t.Nth(reader, "_aol_icon", 2));
    t.SentClick(t.Nth(reader, "_aol_icon", 6));
  }
  EXPECT_EQ(t.aol.Seen().downloadLater, (std::vector<std::string>{"pics.zip", "song.mp3"}));
  EXPECT_EQ(t.aol.DownloadQueue(), (std::vector<std::string>{"pics.zip", "song.mp3"}));
  EXPECT_TRUE(t.aol.UnexpectedInput().empty()) << t.aol.UnexpectedInput().front();
}

}  // namespace
}  // namespace drelm::standin::testing
