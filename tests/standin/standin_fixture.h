// A simulated desktop with one stand-in AOL client, and the program-side moves the model tests
// make through the automation primitives: typing a keyword the way each version wants it,
// pressing icons, posting keys to a pop-up menu, finding windows.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "aol/control_text.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "standin/automatic_aol.h"
#include "standin/buddy_list.h"
#include "standin/chat_room.h"
#include "standin/download_manager.h"
#include "standin/instant_messages.h"
#include "standin/mail.h"
#include "standin/sim/sim_standin.h"
#include "standin/toolbar.h"
#include "standin/transfers.h"
#include "text/ansi.h"

namespace drelm::standin::testing {

inline StandInOptions Version(int version, Delays delays = Delays::Immediate()) {
  StandInOptions options;
  options.version = version;
  options.screenName = "Bob Smith";
  options.delays = delays;
  return options;
}

class StandInTest {
 public:
  explicit StandInTest(StandInOptions options) : aol(sim, std::move(options)) {}

  sim::SimWindowSystem& Windows() { return sim.windows; }
  void Pump(std::uint64_t ms = 0) { sim.loop.RunFor(ms); }
  bool RunUntil(const std::function<bool()>& condition, std::uint64_t timeoutMs = 60000) {
    return sim.loop.RunUntil(condition, timeoutMs);
  }

  Hwnd Mdi() { return FindAolMdiClient(sim.windows); }
  Hwnd MdiChild(const std::string& caption) {
    return sim.windows.FindWindowEx(Mdi(), 0, std::string("AOL Child"), caption);
  }
  Hwnd TopLevel(const std::string& className, std::optional<std::string> caption = {}) {
    return sim.windows.FindWindow(className, caption);
  }
  Hwnd Nth(Hwnd parent, const std::string& className, int n) {
    return FindNthChild(sim.windows, parent, className, n);
  }
  Hwnd Toolbar() {
    return Nth(Nth(FindAolMainWindow(sim.windows), "AOL Toolbar", 1), "_AOL_Toolbar", 1);
  }
  Hwnd KeywordBox() { return Nth(Nth(Toolbar(), "_AOL_Combobox", 1), "Edit", 1); }
  Hwnd AolBox() { return TopLevel("#32770", "America Online"); }
  Hwnd Popup() { return TopLevel("#32768"); }

  // The keyword the way the program types it for the client's version.
  void Keyword(const std::string& keyword) {
    const Hwnd box = KeywordBox();
    if (aol.Version() == 4) {
      sim.windows.SendMessage(box, WM_CHAR, ' ', 0);
      SetControlText(sim.windows, box, keyword);
    } else {
      SetControlText(sim.windows, box, keyword);
      sim.windows.SendMessage(box, WM_CHAR, ' ', 0);
    }
    sim.windows.SendMessage(box, WM_CHAR, '\r', 0);
  }

  // The common press: a posted click, then a posted button-down and space key-up.
  void Press(Hwnd icon) {
    ClickMouse(sim.windows, icon);
    PressIconPosted(sim.windows, sim.loop, icon);
    Pump();
  }
  void SentClick(Hwnd window) {
    sim.windows.SendMessage(window, WM_LBUTTONDOWN, 0, 0);
    sim.windows.SendMessage(window, WM_LBUTTONUP, 0, 0);
  }

  // Clicks the toolbar icon (0-based), waits for its menu and posts each key as down and up.
  bool MenuKeys(int icon, const std::vector<std::uint32_t>& keys) {
    ClickMouse(sim.windows, Nth(Toolbar(), "_AOL_Icon", icon + 1));
    if (!RunUntil([&] { return sim.windows.IsWindowVisible(Popup()); }, 3000)) return false;
    for (std::uint32_t key : keys) {
      sim.windows.PostMessage(Popup(), WM_KEYDOWN, key, 0);
      sim.windows.PostMessage(Popup(), WM_KEYUP, key, 0);
      Pump();
    }
    Pump(1000);
    return true;
  }
  bool MenuLetter(int icon, char letter) {
    ClickMouse(sim.windows, Nth(Toolbar(), "_AOL_Icon", icon + 1));
    if (!RunUntil([&] { return sim.windows.IsWindowVisible(Popup()); }, 3000)) return false;
    sim.windows.PostMessage(Popup(), WM_CHAR, static_cast<unsigned char>(letter), 0);
    Pump(1000);
    return true;
  }

  sim::Simulator sim;
  SimStandIn aol;
};

inline std::vector<std::uint32_t> Repeat(std::uint32_t key, int times) {
  return std::vector<std::uint32_t>(static_cast<std::size_t>(times), key);
}

inline std::vector<std::uint32_t> Concat(std::vector<std::uint32_t> a,
                                         const std::vector<std::uint32_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace drelm::standin::testing
