#include "standin_fixture.h"
#include "support/message_checks.h"

namespace drelm::standin::testing {
namespace {

// The sign-on press the program makes for the version: button-down, then button-up below AOL 6
// and space key-up from AOL 6 on.
void PressSignOn(StandInTest& t, int version) {
  const Hwnd button = t.Nth(t.MdiChild("Sign On"), "_aol_icon", 4);
  t.Windows().SendMessage(button, WM_LBUTTONDOWN, 0, 0);
  if (version < 6) {
    t.Windows().SendMessage(button, WM_LBUTTONUP, 0, 0);
  } else {
    t.Windows().SendMessage(button, WM_KEYUP, VK_SPACE, 0);
  }
}

class EachVersion : public ::testing::TestWithParam<int> {};

TEST_P(EachVersion, TheOtherSignOnReleaseDoesNotSignOn) {
  const int version = GetParam();
  StandInTest t(Version(version));
  t.aol.Launch(SW_SHOWNORMAL);
  t.Pump(10);
  PressSignOn(t, version < 6 ? 6 : 5);
  t.Pump(10000);
  EXPECT_FALSE(t.aol.SignedOn());
  ASSERT_EQ(t.aol.Strays().size(), 1u);
  EXPECT_NE(t.aol.Strays()[0].find("Sign On"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Aol, EachVersion, ::testing::Values(4, 5, 6, 7));

TEST(SignOn, PressesWhileConnectingAreIgnoredAndADropCancelsTheConnection) {
  StandInTest t(Version(5, Delays{}));
  t.aol.Launch(SW_SHOWNORMAL);
  ASSERT_TRUE(t.RunUntil([&] { return t.MdiChild("Sign On") != 0; }, 5000));
  PressSignOn(t, 5);
  t.Pump(2000);
  PressSignOn(t, 5);
  ASSERT_TRUE(t.RunUntil([&] { return t.aol.SignedOn(); }, 10000));
  EXPECT_EQ(t.aol.Seen().signOns.size(), 1u);
  EXPECT_TRUE(t.aol.Strays().empty());
}

TEST(Lifecycle, ASecondStartWhileRunningOnlyCountsAndClosingTheFrameEndsEverything) {
  StandInTest t(Version(7));
  t.aol.StartSignedOn();
  const Hwnd main = FindAolMainWindow(t.Windows());
  ASSERT_TRUE(t.sim.shell.StartProgram(t.aol.ExePath(), "", SW_SHOWNORMAL));
  t.Pump(5000);
  EXPECT_EQ(FindAolMainWindow(t.Windows()), main);
  EXPECT_EQ(t.sim.shell.ProcessIds().size(), 1u);
  EXPECT_EQ(t.aol.Seen().launchesWhileRunning, 1);
  EXPECT_TRUE(t.aol.Strays().empty());

  // Closing the frame ends the client and all its windows.
  t.aol.StartUpload("big.zip");
  t.aol.ShowMessageBox("Hello");
  CloseWindow(t.Windows(), main);
  t.Pump(10);
  EXPECT_FALSE(t.aol.Running());
  EXPECT_EQ(FindAolMainWindow(t.Windows()), 0u);
  EXPECT_EQ(t.TopLevel("_AOL_Modal"), 0u);
  EXPECT_EQ(t.AolBox(), 0u);
  EXPECT_EQ(t.aol.Seen().exits, 1);
}

TEST(Lifecycle, KeysToTheMainWindowAreStrayAndInputToAWindowThatIsGoneIsReported) {
  StandInTest t(Version(6));
  t.aol.StartSignedOn("Lobby 12");
  const Hwnd main = FindAolMainWindow(t.Windows());
  t.Windows().PostMessage(main, WM_KEYDOWN, 0, 0);
  t.Windows().PostMessage(main, WM_KEYUP, 0, 0);
  t.Pump();
  EXPECT_EQ(t.aol.Strays().size(), 2u);
  const std::size_t strays = t.aol.UnexpectedInput().size();
  const Hwnd send = t.Nth(FindChatRoom(t.Windows()), "_AOL_Icon", 5);
  t.aol.Disconnect();
  ClickMouse(t.Windows(), send);
  t.Windows().SendMessage(0, WM_CHAR, '\r', 0);
  const std::vector<std::string> unexpected = t.aol.UnexpectedInput();
  EXPECT_EQ(unexpected.size(), strays + 3);
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

}  // namespace
}  // namespace drelm::standin::testing
