#include "standin_fixture.h"
#include "support/message_checks.h"

namespace drelm::standin::testing {
namespace {

std::string Welcome(StandInTest& t) {
  const Hwnd mdi = t.Mdi();
  for (Hwnd child = t.Windows().FindWindowEx(mdi, 0, std::string("AOL Child"), std::nullopt);
       child != 0;
       child = t.Windows().FindWindowEx(mdi, child, std::string("AOL Child"), std::nullopt)) {
    const std::string caption = GetCaption(t.Windows(), child);
    if (caption.starts_with("Welcome, ")) return caption;
  }
  return {};
}

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

TEST_P(EachVersion, TheMenuBarAndTheProgramFileTellTheVersion) {
  StandInTest t(Version(GetParam()));
  EXPECT_EQ(AolVersion(t.Windows()), "");
  t.aol.StartSignedOn();
  EXPECT_EQ(AolVersion(t.Windows()), std::to_string(GetParam()));
  t.Windows().SetMenusUnreadable(true);
  EXPECT_EQ(AolVersion(t.Windows()), std::to_string(GetParam()));
}

TEST_P(EachVersion, ADisconnectAndARelaunchByPathLeadBackToSignOnAndWelcome) {
  const int version = GetParam();
  StandInTest t(Version(version, Delays{}));
  t.aol.StartSignedOn("Lobby 12");
  EXPECT_EQ(Welcome(t), "Welcome, Bob Smith!");

  t.aol.Disconnect();
  EXPECT_EQ(Welcome(t), "");
  EXPECT_EQ(FindChatRoom(t.Windows()), 0u) << "the room needs the connection";
  ASSERT_TRUE(t.RunUntil([&] { return t.MdiChild("Sign On") != 0; }, 5000));

  // The program finds the client's program file from the main window's process.
  const Hwnd main = FindAolMainWindow(t.Windows());
  const std::string path = t.sim.shell.ProcessExePath(t.Windows().WindowProcessId(main));
  EXPECT_EQ(path, t.aol.ExePath());

  // Close it the way a restart does: hide, WM_DESTROY sent, WM_CLOSE posted.
  t.Windows().ShowWindow(main, SW_HIDE);
  t.Windows().SendMessage(main, WM_DESTROY, 0, 0);
  t.Pump(1000);
  t.Windows().PostMessage(main, WM_CLOSE, 0, 0);
  t.Pump(1000);
  EXPECT_EQ(FindAolMainWindow(t.Windows()), 0u);
  EXPECT_TRUE(t.sim.shell.ProcessIds().empty());

  ASSERT_TRUE(t.sim.shell.StartProgram(path, "", SW_SHOWMINIMIZED));
  t.Pump(500);
  EXPECT_EQ(FindAolMainWindow(t.Windows()), 0u) << "the main window takes a while";
  ASSERT_TRUE(t.RunUntil([&] { return t.MdiChild("Sign On") != 0; }, 5000));
  EXPECT_NE(FindAolMainWindow(t.Windows()), 0u);
  EXPECT_EQ(t.Windows().ShowState(FindAolMainWindow(t.Windows())), SW_SHOWMINIMIZED);

  PressSignOn(t, version);
  ASSERT_TRUE(t.RunUntil([&] { return !Welcome(t).empty(); }, 10000));
  EXPECT_EQ(Welcome(t), "Welcome, Bob Smith!");
  EXPECT_EQ(t.MdiChild("Sign On"), 0u);
  EXPECT_EQ(t.aol.Seen().signOns, (std::vector<std::string>{"Bob Smith", "Bob Smith"}));
  EXPECT_EQ(t.aol.Seen().launches, std::vector<int>{SW_SHOWMINIMIZED});
  EXPECT_TRUE(t.aol.UnexpectedInput().empty()) << t.aol.UnexpectedInput().front();
}

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

TEST(SignOn, ASetPasswordMustMatchAndAStoredOneNeedsNothing) {
  StandInTest t(Version(6));
  t.aol.RequirePassword("opensesame");
  t.aol.Launch(SW_SHOWNORMAL);
  t.Pump(10);
  const Hwnd password = t.Nth(t.MdiChild("Sign On"), "_AOL_Edit", 1);
  SetControlText(t.Windows(), password, "wrong");
  PressSignOn(t, 6);
  t.Pump(10);
  EXPECT_FALSE(t.aol.SignedOn());
  EXPECT_EQ(t.aol.Seen().failedSignOns, 1);
  SetControlText(t.Windows(), password, "opensesame");
  PressSignOn(t, 6);
  t.Pump(10);
  EXPECT_TRUE(t.aol.SignedOn());

  StandInTest stored(Version(6));
  stored.aol.Launch(SW_SHOWNORMAL);
  stored.Pump(10);
  PressSignOn(stored, 6);
  stored.Pump(10);
  EXPECT_TRUE(stored.aol.SignedOn());
}

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

}  // namespace
}  // namespace drelm::standin::testing
