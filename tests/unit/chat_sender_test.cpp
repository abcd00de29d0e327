// Lines into a chat room by the quick and the careful path, and the presses of AOL's icons and
// buttons they are made of.
#include <gtest/gtest.h>

#include "aol/chat_sender.h"
#include "aol/control_text.h"
#include "aol/pressing.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "support/aol_tree.h"
#include "support/message_checks.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

using sim::Via;

// The style of the worked example: "-[" and "]-", Tahoma around Arial, the default colours.
const std::string kExampleLine =
    "</u></i></b><font color=##336699><font face=\"Tahoma\">-[ <font face=\"Arial\">"
    "<font color=##999999>hi <font color=##336699><font face=\"Tahoma\">]-";

class ChatSenderTest : public ::testing::Test {
 protected:
  ChatSenderTest() {
    store.Write(setting::kLeftAscii, "-[");
    store.Write(setting::kRightAscii, "]-");
    store.Write(setting::kAsciiFont, "Tahoma");
    store.Write(setting::kMainFont, "Arial");
    store.Write(setting::kAsciiColor, "#336699");
    store.Write(setting::kMainColor, "#999999");
  }

  // A room whose input behaves like AOL's: Enter posts the line into the room and empties it.
  testing::ChatRoomWindows OpenRoom(const std::string& helpItem) {
    const auto tree = testing::MakeAolFrame(ws, helpItem);
    chat = testing::AddChatRoom(ws, tree.mdi, "Lobby 12");
    ws.SetHandler(chat.input, [this](Hwnd input, const sim::SimMessage& m) {
      std::optional<LResult> handled;
      if (m.msg == WM_CHAR && m.wParam == 13) {
        roomSaw.push_back(ws.Text(input));
        ws.SetText(input, "");
        handled = 0;
      }
      return handled;
    });
    ws.ClearLog();
    return chat;
  }

  sim::Simulator sim;
  sim::SimWindowSystem& ws = sim.windows;
  testing::TempFolder folder;
  SettingsStore store{sim.registry};
  StatusLog log{sim.clock, sim.files, folder.path()};
  std::string win2kMode = "one";
  ChatSender sender{ws, sim.loop, sim.clock, store, win2kMode, log};
  testing::ChatRoomWindows chat;
  std::vector<std::string> roomSaw;
};

TEST_F(ChatSenderTest, VersionSixOnOrTheWindowsTwoThousandModeTakeTheQuickPathWithTheStyleOfNow) {
  for (const auto& [helpItem, mode] : {std::pair{"&What's New In AOL 6.0", "one"}, {"", "two"}}) {
    SCOPED_TRACE(mode);
    OpenRoom(helpItem);
    win2kMode = mode;
    roomSaw.clear();
    ws.SetText(chat.input, "half typ");
    ws.ClearLog();
    sender.SendChat("hi");
    EXPECT_MESSAGES(ws.Log(), {{chat.input, WM_SETTEXT, 0, 0, Via::kSent, ""},
                               {chat.input, WM_SETTEXT, 0, 0, Via::kSent, kExampleLine},
                               {chat.input, WM_CHAR, 13, 0, Via::kSent}});
    EXPECT_EQ(roomSaw, std::vector<std::string>{kExampleLine});
    // The quick path clears the input: what the user typed is gone.
    EXPECT_EQ(ws.Text(chat.input), "");
    ws.DestroyWindow(ws.Parent(ws.Parent(chat.room)));  // the client goes before the next one
  }
  // The style is read from the store at every line.
  OpenRoom("&What's New In AOL 7.0");
  store.Write(setting::kLeftAscii, "<<");
  sender.SendChat("hi");
  EXPECT_NE(roomSaw.back().find("\"Tahoma\"><<"), std::string::npos) << roomSaw.back();
}

TEST_F(ChatSenderTest, UnknownVersionTakesTheCarefulPathThatPutsTypingBackAndPressesSendAgain) {
  OpenRoom("");
  sender.SendChat("hi");
  const Hwnd send = chat.icons[4];
  EXPECT_MESSAGES(ws.Log(), {{chat.input, WM_GETTEXTLENGTH, 0, 0},
                             {chat.input, WM_SETTEXT, 0, 0, Via::kSent, kExampleLine},
                             {chat.input, WM_GETTEXTLENGTH, 0, 0},
                             {chat.input, WM_GETTEXT, kExampleLine.size() + 1, 0},
                             {chat.input, WM_CHAR, 13, 0},
                             {send, WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                             {send, WM_LBUTTONUP, 0, 0, Via::kPosted},
                             {send, WM_KEYDOWN, VK_SPACE, 0},
                             {send, WM_KEYUP, VK_SPACE, 0},
                             {chat.input, WM_GETTEXTLENGTH, 0, 0}});
  EXPECT_EQ(roomSaw, std::vector<std::string>{kExampleLine});
  ws.SetText(chat.input, "brb, \"5\" mins");
  sender.SendChat("hi");
  EXPECT_EQ(roomSaw, (std::vector<std::string>{kExampleLine, kExampleLine}));
  EXPECT_EQ(ws.Text(chat.input), "brb, \"5\" mins");

  // An input that ignores Enter gets one more press of Send, at once.
  ws.SetHandler(chat.input, {});
  ws.SetText(chat.input, "");
  ws.ClearLog();
  const auto before = sim.clock.MonotonicMs();
  sender.SendChatCareful("hi");
  int enters = 0;
  for (const auto& m : ws.Log()) enters += (m.window == chat.input && m.msg == WM_CHAR) ? 1 : 0;
  EXPECT_EQ(enters, 2);
  EXPECT_LT(sim.clock.MonotonicMs() - before, 1000u);
}

class Pressing : public ::testing::Test {
 protected:
  sim::Simulator sim;
  sim::SimWindowSystem& ws = sim.windows;
  Hwnd button = ws.CreateWindow("_AOL_Icon", "");
};

TEST_F(Pressing, EachPressSendsOrPostsItsPairAndCloseTakesEffectWhenPumped) {
  PressSpace(ws, button);
  ClickMouse(ws, button);
  PressIconSent(ws, sim.loop, button);
  PressIconPosted(ws, sim.loop, button);
  CloseWindow(ws, button);
  EXPECT_MESSAGES(ws.Log(), {{button, WM_KEYDOWN, VK_SPACE, 0, Via::kSent},
                             {button, WM_KEYUP, VK_SPACE, 0, Via::kSent},
                             {button, WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                             {button, WM_LBUTTONUP, 0, 0, Via::kPosted},
                             {button, WM_LBUTTONDOWN, 0, 0, Via::kSent},
                             {button, WM_KEYUP, VK_SPACE, 0, Via::kSent},
                             {button, WM_LBUTTONDOWN, 0, 0, Via::kPosted},
                             {button, WM_KEYUP, VK_SPACE, 0, Via::kPosted},
                             {button, WM_CLOSE, 0, 0, Via::kPosted}});
  EXPECT_TRUE(ws.IsWindow(button));
  sim.loop.PumpPending();
  EXPECT_FALSE(ws.IsWindow(button));
  // Pressing handle 0 (what a lookup gives when the client is gone) does nothing.
  ws.ClearLog();
  PressIconSent(ws, sim.loop, 0);
  CloseWindow(ws, 0);
  sim.loop.PumpPending();
  for (const auto& record : ws.Log()) EXPECT_EQ(record.window, 0u);
}

}  // namespace
}  // namespace drelm
