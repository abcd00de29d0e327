#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

class InstantMessageTest : public ::testing::Test, public StandInTest {
 protected:
  InstantMessageTest() : StandInTest(Version(6, Delays{})) { aol.StartSignedOn("Lobby 12"); }

  // The program's IM send: the keyword, then the text and a sent click on the ninth icon.
  // Returns the send window, or 0 when it never came.
  Hwnd SendIm(const std::string& recipient, const std::string& text) {
    Keyword("aol://9293:" + recipient);
    Hwnd window = 0;
    if (!RunUntil([&] { return (window = MdiChild("Send Instant Message")) != 0; }, 10000)) {
      return 0;
    }
    SetControlText(Windows(), Nth(window, "RICHCNTL", 1), text);
    SentClick(Nth(window, "_AOL_Icon", 9));
    RunUntil([&] { return AolBox() != 0 || !Windows().IsWindow(window); }, 10000);
    return window;
  }
};

TEST_F(InstantMessageTest, AnImGoesOutWithRecipientAndTextOnlyByTheNinthIconAndItsWindowCloses) {
  const Hwnd window = SendIm("Carl", "back in 5 \xB7 brb");
  ASSERT_NE(window, 0u);
  EXPECT_FALSE(Windows().IsWindow(window));
  EXPECT_EQ(aol.Seen().imsSent, (std::vector<InstantMessage>{{"Carl", "back in 5 \xB7 brb"}}));
  EXPECT_TRUE(aol.UnexpectedInput().empty());

  // Only the ninth icon sends; presses on its neighbours are strays.
  Keyword("aol://9293:Carl");
  ASSERT_TRUE(RunUntil([&] { return MdiChild("Send Instant Message") != 0; }, 10000));
  const Hwnd second = MdiChild("Send Instant Message");
  SetControlText(Windows(), Nth(second, "RICHCNTL", 1), "hi");
  SentClick(Nth(second, "_AOL_Icon", 10));
  SentClick(Nth(second, "_AOL_Icon", 8));
  Pump(5000);
  EXPECT_EQ(aol.Seen().imsSent.size(), 1u);
  EXPECT_TRUE(Windows().IsWindow(second));
  EXPECT_EQ(aol.Strays().size(), 2u);
}

TEST_F(InstantMessageTest, ImOffKeepsIncomingImsAwayUntilImOnOrTheNextSignOn) {
  SendIm("$IM_OFF", "drelm idle");
  EXPECT_FALSE(aol.ImsOn());
  aol.ReceiveIm("Ann", "you there?");
  EXPECT_EQ(aol.Seen().imsBlocked.size(), 1u);
  EXPECT_EQ(MdiChild("Instant Message From: Ann"), 0u);
  SendIm("$IM_ON", "drelm idle");
  EXPECT_TRUE(aol.ImsOn());
  aol.ReceiveIm("Ann", "you there?");
  EXPECT_NE(MdiChild("Instant Message From: Ann"), 0u);
  EXPECT_EQ(aol.Seen().imSwitches,
            (std::vector<InstantMessage>{{"$IM_OFF", "drelm idle"}, {"$IM_ON", "drelm idle"}}));
  EXPECT_TRUE(aol.Seen().imsSent.empty()) << "the reserved names are no IMs";

  // A new sign-on has IMs on again.
  SendIm("$IM_OFF", "drelm idle");
  aol.Disconnect();
  ASSERT_TRUE(RunUntil([&] { return MdiChild("Sign On") != 0; }, 5000));
  const Hwnd button = Nth(MdiChild("Sign On"), "_AOL_Icon", 4);
  Windows().SendMessage(button, WM_LBUTTONDOWN, 0, 0);
  Windows().SendMessage(button, WM_KEYUP, VK_SPACE, 0);
  ASSERT_TRUE(RunUntil([&] { return aol.SignedOn(); }, 10000));
  EXPECT_TRUE(aol.ImsOn());
}

TEST_F(InstantMessageTest, IncomingImsAreMdiChildrenNewestFirstOnePerSender) {
  aol.ReceiveIm("SomeOne", "first");
  aol.ReceiveIm("Ann", "second");
  const Hwnd first = Windows().FindWindowEx(Mdi(), 0, std::string("AOL Child"), std::nullopt);
  EXPECT_EQ(GetCaption(Windows(), first), "Instant Message From: Ann");
  aol.ReceiveIm("someone", "third");  // the same sender, differently spelt
  const Hwnd top = Windows().FindWindowEx(Mdi(), 0, std::string("AOL Child"), std::nullopt);
  EXPECT_EQ(GetCaption(Windows(), top), "Instant Message From: SomeOne");
  EXPECT_EQ(GetControlText(Windows(), Nth(top, "RICHCNTL", 1)),
            "\r\nSomeOne:\tfirst\r\nsomeone:\tthird");
  EXPECT_EQ(FindChatRoom(Windows()), MdiChild("Lobby 12"));
}

// --- buddy list and privacy -----------------------------------------------------------------

class PrivacyTest : public ::testing::Test, public StandInTest {
 protected:
  PrivacyTest() : StandInTest(Version(6, Delays{})) { aol.StartSignedOn(); }

  // The ghost steps up to the open privacy preferences.
  Hwnd OpenPrivacy() {
    Keyword("buddylist");
    Hwnd list = 0;
    if (!RunUntil([&] { return (list = MdiChild("Buddy Lists")) != 0; })) return 0;
    ClickMouse(Windows(), Nth(list, "_AOL_Icon", 5));
    Hwnd prefs = 0;
    RunUntil([&] { return (prefs = MdiChild("Privacy Preferences")) != 0; });
    return prefs;
  }
  void Save(Hwnd prefs, const std::vector<int>& boxes) {
    Pump();
    for (int box : boxes) ClickMouse(Windows(), Nth(prefs, "_AOL_Checkbox", box));
    ClickMouse(Windows(), Nth(prefs, "_AOL_Icon", 4));
    ASSERT_TRUE(RunUntil([&] { return !Windows().IsWindowVisible(prefs); }));
    ASSERT_TRUE(RunUntil([&] { return Nth(AolBox(), "Button", 1) != 0; }));
    ClickMouse(Windows(), Nth(AolBox(), "Button", 1));
    CloseWindow(Windows(), MdiChild("Buddy Lists"));
    Pump();
  }
};

TEST_F(PrivacyTest, BoxesOfAGroupExcludeEachOtherAndCancelKeepsTheSavedChoice) {
  const Hwnd prefs = OpenPrivacy();
  ASSERT_NE(prefs, 0u);
  const auto checked = [&](int box) {
    return Windows().SendMessage(Nth(prefs, "_AOL_Checkbox", box), BM_GETCHECK, 0, 0);
  };
  ClickMouse(Windows(), Nth(prefs, "_AOL_Checkbox", 5));
  ClickMouse(Windows(), Nth(prefs, "_AOL_Checkbox", 5));  // picking it again keeps it
  Pump();
  EXPECT_EQ(checked(1), 0);
  EXPECT_EQ(checked(5), 1);
  EXPECT_EQ(checked(6), 1);
  ClickMouse(Windows(), Nth(prefs, "_AOL_Icon", 3));
  Pump(1000);
  EXPECT_EQ(aol.Privacy(), "visible");
  EXPECT_EQ(MdiChild("Privacy Preferences"), 0u);
}

TEST_F(PrivacyTest, BlockingAllForImsTooKeepsImsAway) {
  Save(OpenPrivacy(), {5, 6});
  aol.ReceiveIm("Ann", "hi");
  EXPECT_EQ(MdiChild("Instant Message From: Ann"), 0u);
  EXPECT_EQ(aol.Seen().imsBlocked.size(), 1u);
}

}  // namespace
}  // namespace drelm::standin::testing
