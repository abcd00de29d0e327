// One pass of the chat scanner over a room of 10, 1,000 or 100,000 lines of which the last is
// new: the whole pass (finding the room, the length, reading the control's text, finding the new
// line) and the scanner's own part alone (the mark finding the new line in text already read).
// Each iteration starts from the same room read up to its last old line, so every pass sees
// exactly one new line; the next, untimed pass must deliver it. WM_GETTEXT, the one read of
// another process's control, copies the whole text, so the whole pass grows with the transcript
// at memory-copy speed however little the scanner itself does.
#include <benchmark/benchmark.h>

#include <time.h>

#include <string>

#include "aol/window_lookup.h"
#include "idle/chat_room_text.h"
#include "idle/chat_scanner.h"
#include "platform/sim/simulator.h"
#include "standin/sim/sim_standin.h"

namespace drelm::bench {
namespace {

std::string Transcript(std::int64_t lines) {
  std::string text;
  for (std::int64_t i = 0; i < lines; ++i) {
    if (i != 0) text += "\r\n";
    text +=
        "Member" + std::to_string(i % 7) + ":\tthis is line " + std::to_string(i) + " of the talk";
  }
  return text;
}

const std::string kNewLine = "\r\nBuddyZed:\tdrelm, are you there?";

// The thread's CPU time: a busy machine's other work does not count against the pass.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void ScannerPass(benchmark::State& state) {
  sim::Simulator sim;
  standin::StandInOptions options;
  options.delays = standin::Delays::Immediate();
  standin::SimStandIn aol(sim, options);
  aol.StartSignedOn("Lobby 12");
  EventEntry entry;
  ChatScanner scanner(sim.windows, sim.loop, entry, "Chat1");
  std::int64_t delivered = 0;
  scanner.ChatLine = [&](const std::string& name, const std::string& text) {
    delivered += name == "BuddyZed" && text == "drelm, are you there?";
  };
  const Hwnd view = FindChatView(sim.windows);
  const std::string before = Transcript(state.range(0));
  const std::string after = before + kNewLine;
  for (auto _ : state) {
    sim.windows.SetText(view, before);
    scanner.StartScan();
    sim.windows.SetText(view, after);
    const double start = CpuSeconds();
    scanner.Scan();
    state.SetIterationTime(CpuSeconds() - start);
    scanner.Scan();  // the text is unchanged: the held new line is finished and delivered
    sim.windows.ClearLog();
  }
  if (delivered != state.iterations()) state.SkipWithError("a new line was not delivered once");
}
BENCHMARK(ScannerPass)
    ->Name("chat_scanner_pass/lines")
    ->ArgsProduct({{10, 1000, 100000}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void MarkTakeNew(benchmark::State& state) {
  const std::string before = Transcript(state.range(0));
  const std::string after = before + kNewLine;
  RoomTextMark marked;
  marked.TakeAll(before);
  std::int64_t found = 0;
  for (auto _ : state) {
    RoomTextMark mark = marked;
    const double start = CpuSeconds();
    const std::vector<std::string> lines = mark.TakeNew(after);
    state.SetIterationTime(CpuSeconds() - start);
    found += lines.empty() && mark.Settled().size() == 1;
  }
  if (found != state.iterations()) state.SkipWithError("the new line was not found once");
}
BENCHMARK(MarkTakeNew)
    ->Name("chat_scanner_find_new/lines")
    ->ArgsProduct({{10, 1000, 100000}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drelm::bench
