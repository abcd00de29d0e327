// A day away in the simulator, timed on the wall clock: the user idles as the away bot with
// disconnect protection on, a member addresses them every minute, an IM arrives every ten
// minutes and the connection drops every two hours. The client has its realistic delays. The
// figure is simulated time over wall time; the day's outcome is checked so that a broken run
// (lines not confirmed, IMs not answered, a reconnect missed) reports an error, not a figure.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "bench_desk.h"
#include "core/settings_catalogue.h"

namespace drelm::bench {
namespace {

constexpr std::uint32_t kMinuteMs = 60000;
constexpr const char* kMembers[] = {"BuddyZed", "quietgirl77", "Tommy K"};

void AwayDay(benchmark::State& state) {
  const int hours = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Desk desk({}, [](SettingsStore& store) {
      store.Write(setting::kHandle, "drelm");
      store.Write(setting::kIdleType, "afk");
      store.Write(setting::kAfkRea, "out for the day");
      store.Write(setting::kAfkMax, "100000");
      store.Write(setting::kInterval, "600");
      store.Write(setting::kAolDcp, "on");
      store.Write(setting::kPrToEnter, "Lobby 12");
    });
    desk.program->entry.Run([&] { desk.program->frmOptions.Click("cmdStartIdle"); });
    standin::SimStandIn& aol = *desk.aol;
    struct {
      std::size_t linesSaid = 0, imsSent = 0, disconnects = 0;
    } counts;
    int minute = 0;
    // One driver on the loop, so the loop holds a handful of timers as in the program's life.
    desk.sim.loop.AddTimer(kMinuteMs, [&] {
      ++minute;
      if (minute % 120 == 0 && minute < hours * 60) {
        aol.Disconnect();
        ++counts.disconnects;
      }
      // Members reach the user only while the user is signed on and in the room.
      if (!aol.SignedOn() || aol.RoomName().empty()) return;
      aol.Say(kMembers[minute % 3], "drelm, it is minute " + std::to_string(minute));
      ++counts.linesSaid;
      if (minute % 10 == 5) {
        aol.ReceiveIm(kMembers[minute % 3], "call me at minute " + std::to_string(minute));
        ++counts.imsSent;
      }
    });
    const auto start = std::chrono::steady_clock::now();
    desk.sim.loop.RunFor(static_cast<std::uint64_t>(hours) * 60 * kMinuteMs + 30000);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(wall);
    state.counters["simulated_per_wall"] = hours * 3600.0 / wall;

    std::size_t confirmed = 0, statusLines = 0, restored = 0;  // of the lines the program posted
    for (const standin::ChatLine& line : aol.Transcript()) {
      if (line.sender != aol.Client().ScreenName()) continue;
      confirmed += line.text.find("message recorded [") != std::string::npos;
      statusLines += line.text.find("out for the day") != std::string::npos;
      restored += line.text.find("auto dcp restored aol") != std::string::npos;
    }
    const standin::Observations& seen = aol.Seen();
    const auto day = static_cast<std::size_t>(hours);
    std::string broken;
    if (confirmed != counts.linesSaid) broken += " lines confirmed";
    if (seen.imsSent.size() != counts.imsSent) broken += " ims answered";
    if (restored != counts.disconnects || seen.signOns.size() != counts.disconnects + 1) {
      broken += " reconnects";
    }
    // A status post every ten minutes; the few minutes after each drop may cost one.
    if (statusLines + counts.disconnects < day * 6) broken += " status posts";
    if (desk.program->frmAFKMessages.lstMsgs.items.size() != counts.linesSaid + counts.imsSent) {
      broken += " recorded entries";
    }
    if (counts.linesSaid < day * 54) broken += " members reached";  // nine in ten minutes
    if (!broken.empty()) state.SkipWithError(("the day went wrong:" + broken).c_str());
  }
}
BENCHMARK(AwayDay)
    ->Name("away_day")
    ->ArgName("hours")
    ->ArgsProduct({{3, 24}})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drelm::bench
