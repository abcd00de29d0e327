#include "aol/pressing.h"

#include <gtest/gtest.h>

#include "aol/control_text.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "support/message_checks.h"

namespace drelm {
namespace {

using sim::Via;

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

TEST_F(Pressing, IconPressesPumpBeforeEachMessage) {
  // A message posted earlier must be delivered before the press starts, and the posted
  // button-down before the key-up is posted.
  std::vector<std::uint32_t> delivered;
  ws.SetHandler(button, [&](Hwnd, const sim::SimMessage& m) -> std::optional<LResult> {
    delivered.push_back(m.msg);
    return std::nullopt;
  });
  ws.PostMessage(button, WM_USER, 0, 0);
  PressIconPosted(ws, sim.loop, button);
  EXPECT_EQ(delivered, (std::vector<std::uint32_t>{WM_USER, WM_LBUTTONDOWN}));
  sim.loop.PumpPending();
  EXPECT_EQ(delivered.back(), WM_KEYUP);
}

}  // namespace
}  // namespace drelm
