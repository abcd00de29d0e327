// drelm-bench: runs the benchmarks (or those --benchmark_filter names) with GoogleBenchmark's
// usual table, then prints the figures that have targets, each worked out from this one run.
// Costs are CPU time of the benchmark's thread, which other work on a busy machine does not
// inflate; the day away is judged by wall time, as its target asks.
// Exits non-zero when a benchmark reported an error (a run whose outcome was wrong).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// The console table as usual (without colours, so that a log of the run stays plain text), and
// every result's microseconds kept by name for the figures.
class KeepingReporter : public benchmark::ConsoleReporter {
 public:
  KeepingReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        failed = true;
        continue;
      }
      // A benchmark timing itself reports its thread's CPU time as its manual time.
      const double time = run.run_name.time_type == "manual_time" ? run.GetAdjustedRealTime()
                                                                  : run.GetAdjustedCPUTime();
      microseconds[run.run_name.function_name + "/" + run.run_name.args] =
          time / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  std::map<std::string, double> microseconds;
  bool failed = false;
};

void Figure(const std::string& what, double value, const char* unit, const char* target, bool met) {
  std::printf("  %-52s %12.2f %-3s target %-18s %s\n", what.c_str(), value, unit, target,
              met ? "met" : "MISSED");
}

void PrintFigures(const std::map<std::string, double>& us) {
  std::printf("\nFigures with targets (one run, this machine; costs in CPU time)\n");
  const std::string tick = "timer1_and_timer2_tick/mdi_children/";
  if (us.contains(tick + "100")) {
    Figure(tick + "100", us.at(tick + "100"), "us", "< 50 us", us.at(tick + "100") < 50);
  }
  // Ticks grow linearly with the windows (ten times as many cost about ten times as much); the
  // scanner finds the one new line at the same cost whatever the room holds.
  const std::string scan = "chat_scanner_pass/lines/", find = "chat_scanner_find_new/lines/";
  const struct {
    std::string family, from, to;
    const char* target;
    double limit;
  } growths[] = {
      {tick, "10", "100", "<= ~10 (linear)", 12},  {tick, "100", "1000", "<= ~10 (linear)", 12},
      {scan, "10", "1000", "~1 (independent)", 3}, {scan, "10", "100000", "~1 (independent)", 3},
      {find, "10", "1000", "~1 (independent)", 3}, {find, "10", "100000", "~1 (independent)", 3}};
  for (const auto& growth : growths) {
    const std::string from = growth.family + growth.from, to = growth.family + growth.to;
    if (!us.contains(from) || !us.contains(to)) continue;
    const double ratio = us.at(to) / us.at(from);
    Figure(growth.family + growth.to + "/" + growth.from, ratio, "x", growth.target,
           ratio <= growth.limit);
  }
  // The day's manual time is its wall time.
  if (const std::string day = "away_day/hours:24"; us.contains(day)) {
    const double ratio = 24 * 3600e6 / us.at(day);
    Figure(day + " simulated/wall", ratio, "x", "> 10000", ratio > 10000);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintFigures(reporter.microseconds);
  if (reporter.failed) std::printf("\nA benchmark reported an error: its figures are not valid.\n");
  return reporter.failed ? 1 : 0;
}
