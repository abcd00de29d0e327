// drelm-bench: runs the benchmarks (or those --benchmark_filter names) with GoogleBenchmark's
// usual table, then prints the figures that have targets, each worked out from this one run.
// Costs are CPU time of the benchmark's thread, which other work on a busy machine does not
// inflate; the day away is judged by wall time, as its target asks.
// Exits non-zero when a benchmark reported an error (a run whose outcome was wrong).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

struct Result {
  double microseconds = 0;
  std::map<std::string, double> counters;
};

// The console table as usual, and every result kept by name for the figures.
class KeepingReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so that a log of the run stays plain text.
  KeepingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        failed = true;
        continue;
      }
      Result& kept = results[run.run_name.function_name + "/" + run.run_name.args];
      // A benchmark timing itself reports its thread's CPU time as its manual time.
      const double time = run.run_name.time_type == "manual_time" ? run.GetAdjustedRealTime()
                                                                  : run.GetAdjustedCPUTime();
      kept.microseconds = time / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e6;
      for (const auto& [name, counter] : run.counters) kept.counters[name] = counter.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  const Result* Find(const std::string& name) const {
    const auto it = results.find(name);
    return it == results.end() ? nullptr : &it->second;
  }

  std::map<std::string, Result> results;
  bool failed = false;
};

void Figure(const char* what, double value, const char* unit, const char* target, bool met) {
  std::printf("  %-44s %12.2f %-3s target %-18s %s\n", what, value, unit, target,
              *target == '-' ? ""
              : met          ? "met"
                             : "MISSED");
}

void PrintFigures(const KeepingReporter& kept) {
  std::printf("\nFigures (one run, this machine; costs in CPU time)\n");
  const std::string tick = "timer1_and_timer2_tick/mdi_children/";
  const Result* t10 = kept.Find(tick + "10");
  const Result* t100 = kept.Find(tick + "100");
  const Result* t1000 = kept.Find(tick + "1000");
  for (const Result* r : {t10, t100, t1000}) {
    if (!r) continue;
    const char* n = r == t10 ? "10" : r == t100 ? "100" : "1000";
    Figure((std::string("tick with ") + n + " MDI children").c_str(), r->microseconds, "us",
           r == t100 ? "< 50 us" : "-", r != t100 || r->microseconds < 50);
  }
  // Linear growth: ten times the windows cost at most about ten times as much.
  if (t10 && t100) {
    const double ratio = t100->microseconds / t10->microseconds;
    Figure("tick growth 100/10 children", ratio, "x", "<= ~10 (linear)", ratio <= 12);
  }
  if (t100 && t1000) {
    const double ratio = t1000->microseconds / t100->microseconds;
    Figure("tick growth 1000/100 children", ratio, "x", "<= ~10 (linear)", ratio <= 12);
  }
  const std::pair<const char*, const char*> scans[] = {
      {"chat_scanner_pass/lines/", "scanner pass"},
      {"chat_scanner_find_new/lines/", "scanner finding the new line"}};
  for (const auto& [family, label] : scans) {
    const Result* small = kept.Find(std::string(family) + "10");
    const Result* large = kept.Find(std::string(family) + "100000");
    if (!small || !large) continue;
    Figure((std::string(label) + ", 10 lines").c_str(), small->microseconds, "us", "-", true);
    Figure((std::string(label) + ", 100000 lines").c_str(), large->microseconds, "us", "-", true);
    if (const Result* middle = kept.Find(std::string(family) + "1000")) {
      const double ratio = middle->microseconds / small->microseconds;
      Figure((std::string(label) + " 1000/10 lines").c_str(), ratio, "x", "~1 (independent)",
             ratio <= 3);
    }
    const double ratio = large->microseconds / small->microseconds;
    Figure((std::string(label) + " 100000/10 lines").c_str(), ratio, "x", "~1 (independent)",
           ratio <= 3);
  }
  const std::pair<const char*, const char*> days[] = {
      {"away_day/hours:24/folder_in_memory:0", "24 h away"},
      {"away_day/hours:24/folder_in_memory:1", "24 h away, folder in memory"}};
  for (const auto& [name, label] : days) {
    const Result* day = kept.Find(name);
    if (!day) continue;
    const double ratio = day->counters.at("simulated_per_wall");
    Figure((std::string(label) + ": simulated / wall").c_str(), ratio, "x", "> 10000",
           ratio > 10000);
    Figure((std::string(label) + ": simulated / CPU").c_str(),
           day->counters.at("simulated_per_cpu"), "x", "-", true);
    std::printf("    lines confirmed %.0f, IMs answered %.0f, reconnects %.0f, status posts %.0f\n",
                day->counters.at("lines_confirmed"), day->counters.at("ims_answered"),
                day->counters.at("reconnects"), day->counters.at("status_posts"));
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintFigures(reporter);
  if (reporter.failed) std::printf("\nA benchmark reported an error: its figures are not valid.\n");
  return reporter.failed ? 1 : 0;
}
