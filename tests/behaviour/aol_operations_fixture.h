// The AOL operations against the stand-in client of one version (realistic delays), or against a
// hand-built client that shows its windows and then ignores every press, for the bounds. The log
// lands in a temporary folder; unexpected input to the stand-in fails the test.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "aol/aol_context.h"
#include "aol/control_text.h"
#include "aol/window_lookup.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "standin/sim/sim_standin.h"
#include "support/temp_folder.h"

namespace drelm::testing {

inline standin::StandInOptions AolVersionOptions(int version) {
  standin::StandInOptions options;
  options.version = version;
  options.screenName = "Bob Smith";
  return options;
}

class AolOperationsTest {
 public:
  explicit AolOperationsTest(int version = 6) : aol(sim, AolVersionOptions(version)) {}
  ~AolOperationsTest() {
    EXPECT_TRUE(aol.UnexpectedInput().empty()) << ::testing::PrintToString(aol.UnexpectedInput());
  }

  std::string LogText() const {
    std::ifstream in(log.Path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::uint64_t Now() { return sim.clock.MonotonicMs(); }
  std::uint64_t Elapsed() { return Now() - started; }
  Hwnd MdiChild(const std::string& caption) {
    return sim.windows.FindWindowEx(FindAolMdiClient(sim.windows), 0, std::string("AOL Child"),
                                    caption);
  }
  // A client of another process: a frame whose keyword box and children the test builds.
  Hwnd DeafFrame(ProcessId pid = 4242) {
    const Hwnd frame = sim.windows.CreateWindow("AOL Frame25", "America Online", 0, {}, pid);
    mdi = sim.windows.CreateWindow("MDIClient", "", frame);
    const Hwnd outer = sim.windows.CreateWindow("AOL Toolbar", "", frame);
    toolbar = sim.windows.CreateWindow("_AOL_Toolbar", "", outer);
    keywordBox = sim.windows.CreateWindow("Edit", "",
                                          sim.windows.CreateWindow("_AOL_Combobox", "", toolbar));
    return frame;
  }
  Hwnd AddChild(Hwnd parent, const std::string& className, int count = 1,
                const std::string& caption = "") {
    Hwnd last = 0;
    for (int i = 0; i < count; ++i) last = sim.windows.CreateWindow(className, caption, parent);
    return last;
  }

  sim::Simulator sim;
  standin::SimStandIn aol;
  TempFolder folder;
  StatusLog log{sim.clock, folder.path()};
  AolContext context{sim.windows, sim.loop, sim.clock, log};
  std::uint64_t started = sim.clock.MonotonicMs();
  Hwnd mdi = 0, toolbar = 0, keywordBox = 0;
};

}  // namespace drelm::testing
