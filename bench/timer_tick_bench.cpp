// One tick of Timer1 (the idle session's second: disconnect watch, automatic upchat, idle clock)
// and one of Timer2 (transfer texts and the dialog killers) while the AOL 7 client has 10, 100 or
// 1000 MDI children open besides the chat room, every per-tick option on and no status line due,
// so the figure is the cost the program pays every second whatever happens.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_desk.h"

namespace drelm::bench {
namespace {

void TimerTicks(benchmark::State& state) {
  standin::StandInOptions options;
  options.version = 7;
  options.delays = standin::Delays::Immediate();
  Desk desk(options);
  standin::AolClient& client = desk.aol->Client();
  for (std::int64_t i = 0; i < state.range(0); ++i) {
    const Hwnd child = client.AddMdiChild("Window " + std::to_string(i), false, {});
    client.AddControl(child, "_AOL_Static", "Some text " + std::to_string(i));
    client.AddControl(child, "_AOL_Icon");
  }
  for (const char* item : {"cmdDcpAolOpts", "cmdEnableAutoUpchat", "cmdKillFileNotFound",
                           "cmdMessageTLTC", "mnushort"}) {
    desk.program->frmOptions.Item(item).checked = true;
  }
  Program& program = *desk.program;
  program.drelmglobals.IdleInterval = std::int64_t{1} << 40;
  for (auto _ : state) {
    program.entry.Run([&] {
      program.frmMain.Timer1.Timer_Timer();
      program.frmMain.Timer2.Timer_Timer();
    });
    // The simulator keeps every message for the tests; a benchmark would only fill memory.
    desk.sim.windows.ClearLog();
  }
  if (desk.program->store.Read(setting::kLastAolPath) != desk.aol->ExePath()) {
    state.SkipWithError("the disconnect watch did not see the signed-on client");
  }
}
BENCHMARK(TimerTicks)
    ->Name("timer1_and_timer2_tick/mdi_children")
    ->RangeMultiplier(10)
    ->Range(10, 1000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace drelm::bench
