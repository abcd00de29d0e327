// drelm-sim: the add-on's Linux host. Until the program itself can start, it checks that the
// simulated desktop answers the AOL window primitives the way a real one does.
#include <cstdio>
#include <string>

#include "aol/control_text.h"
#include "aol/pause.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"

namespace {

int failures = 0;

void Check(const char* what, bool ok, const std::string& detail) {
  std::printf("  %-34s %s  %s\n", what, ok ? "ok  " : "FAIL", detail.c_str());
  if (!ok) ++failures;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace drelm;
  if (argc > 1 && std::string(argv[1]) == "--help") {
    std::puts("usage: drelm-sim\n  checks the simulated desktop against the AOL window primitives");
    return 0;
  }
  sim::Simulator sim;
  auto& ws = sim.windows;
  std::puts("drelm-sim: simulated desktop self-check");

  const Hwnd frame = ws.CreateWindow("AOL Frame25", "America  Online");
  const Hwnd mdi = ws.CreateWindow("MDIClient", "", frame);
  const MenuHandle bar = ws.CreateMenu();
  const MenuHandle help = ws.CreateMenu();
  ws.AppendMenuItem(help, "&What's New In AOL 6.0", 501);
  ws.AppendMenuItem(bar, "&Help", 0, help);
  ws.SetMenu(frame, bar);
  const Hwnd im = ws.CreateWindow("AOL Child", "Instant Message From: Buddy", mdi);
  ws.CreateWindow("RICHCNTL", "", im);
  const Hwnd room = ws.CreateWindow("AOL Child", "Lobby 12", mdi);
  ws.CreateWindow("RICHCNTL", "", room);
  const Hwnd input = ws.CreateWindow("RICHCNTL", "", room);
  ws.CreateWindow("_AOL_Listbox", "", room);
  for (int i = 0; i < 5; ++i) ws.CreateWindow("_AOL_Icon", "", room);
  ws.CreateWindow("_AOL_Static", "", room);

  Check("AOL main window", FindAolMainWindow(ws) == frame, "\"AOL Frame25\"");
  Check("chat room, past the IM window", FindChatRoom(ws) == room,
        "\"" + GetCaption(ws, FindChatRoom(ws)) + "\"");
  Check("chat input", FindChatInput(ws) == input, "second RICHCNTL");
  Check("AOL version from the help menu", AolVersion(ws) == "6", "\"" + AolVersion(ws) + "\"");
  SetControlText(ws, FindChatInput(ws), "hello room");
  Check("text set and read back", GetControlText(ws, input) == "hello room",
        GetControlText(ws, input));
  const auto before = sim.clock.MonotonicMs();
  Pause(sim.clock, sim.loop, 2);
  const double took = (sim.clock.MonotonicMs() - before) / 1000.0;
  Check("Pause(2) in virtual time", took >= 1.5 && took <= 2.5, std::to_string(took) + " s");
  ClickChatSend(ws);
  sim.loop.PumpPending();
  Check("message log", ws.Log().size() >= 4, std::to_string(ws.Log().size()) + " messages");
  std::puts(failures == 0 ? "all checks passed" : "some checks failed");
  return failures == 0 ? 0 : 1;
}
