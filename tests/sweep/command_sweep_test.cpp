// Every menu command and every timer tick, beside an AOL client that is absent, hung, losing its
// windows at seed-chosen moments, or showing a box nobody expected, with every prompt cancelled
// or plainly answered: each must return within its bound (program/command_bounds.h), press
// nothing outside the client, leave no window of ours half-open, and not crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "program/command_bounds.h"
#include "sweep_desktop.h"

namespace drelm::testing {
namespace {

constexpr int kVanishingSeeds = 300;
constexpr int kSurpriseSeeds = 16;

struct Findings {
  std::map<std::string, std::uint64_t> longest;
  std::map<std::string, std::string> longestIn;
  std::set<std::string> ran;
  std::set<std::string> wired;
  // Each problem once, with the first run that showed it and how many runs did.
  std::map<std::string, std::pair<std::string, int>> problems;
  int misbehaviours = 0;
};

void Flatten(const std::vector<MenuItem>& items, std::vector<const MenuItem*>& into) {
  for (const MenuItem& item : items) {
    into.push_back(&item);
    Flatten(item.children, into);
  }
}

// Items the menu offers only after another one ran.
const std::map<std::string, std::string> kPreparedBy = {
    {"cmdStopIdle", "cmdStartIdle"},
    {"cmdStartIdle", "cmdStopIdle"},  // the automatic start may have come first
    {"mnuRestoreWinSysTray", "cmdWinSysTray"},
};

std::string Describe(const SweepRun& run) {
  static const char* const kClients[] = {"no client", "hung client", "vanishing windows",
                                         "surprise box"};
  return std::string(kClients[static_cast<int>(run.client)]) + ", AOL " +
         std::to_string(run.version) + (run.slowClient ? " slow" : "") + ", " +
         (run.answers == PromptAnswers::kCancel ? "cancel" : "plain answers") + ", seed " +
         std::to_string(run.seed);
}

// The whole menu in its order (twice, so that the second pass runs with the options the first
// one set), each followed by a tick of every running timer, and the exit last.
void Sweep(const SweepRun& run, Findings& findings) {
  SweepDesktop desktop(run);
  Program& program = desktop.program();
  std::vector<const MenuItem*> items;
  Flatten(program.frmOptions.Menus(), items);
  const auto byName = [&](const std::string& name) {
    return *std::find_if(items.begin(), items.end(),
                         [&](const MenuItem* item) { return item->name == name; });
  };
  // Every tick once, also of timers that run only inside a command (the auto download's).
  for (Timer* timer : program.wiring.Timers()) desktop.RunTick(*timer);
  // Half the seeded runs idle as the away bot, whose chat scanner and IM answers then run.
  if (run.seed % 2 == 1) desktop.RunCommand(*byName("cmdAFKBot"));
  // A run stops at its first problem: what follows a fault says little.
  const auto going = [&] { return !program.Ended() && !desktop.HasProblems(); };
  for (int pass = 0; pass < run.passes && going(); ++pass) {
    for (const MenuItem* item : items) {
      if (item->name == "cmdExit" || !going()) continue;
      bool ran = desktop.RunCommand(*item);
      if (!ran && kPreparedBy.contains(item->name)) {
        desktop.RunCommand(*byName(kPreparedBy.at(item->name)));
        ran = desktop.RunCommand(*item);
      }
      if (ran) findings.ran.insert(item->name);
      if (!item->wiredBy.empty()) findings.wired.insert(item->name);
      for (Timer* timer : program.wiring.Timers()) {
        findings.wired.insert("tick " + timer->Name());
        if (timer->Enabled() && going()) desktop.RunTick(*timer);
      }
    }
    // A minute and more with the client misbehaving: every timer ticks on its own.
    if (going()) desktop.RunFor(65000);
  }
  if (going()) {
    desktop.RunCommand(*byName("cmdExit"));
    EXPECT_TRUE(program.Ended()) << Describe(run);
  }
  for (const std::string& problem : desktop.TakeProblems()) {
    auto [it, first] = findings.problems.try_emplace(problem, Describe(run), 0);
    ++it->second.second;
  }
  findings.misbehaviours += desktop.Misbehaviours();
  for (const auto& [name, ms] : desktop.Longest()) {
    if (ms >= findings.longest[name]) {
      findings.longest[name] = ms;
      findings.longestIn[name] = Describe(run);
    }
  }
}

void Report(Findings& findings) {
  for (const auto& [name, ms] : findings.longest) findings.ran.insert(name);
  for (const std::string& name : findings.wired) {
    EXPECT_TRUE(findings.ran.contains(name)) << name << " never ran in the sweep";
  }
  for (const auto& [problem, where] : findings.problems) {
    ADD_FAILURE() << problem << " (" << where.second << " times, first: " << where.first << ")";
  }
  // The longest bound of a command and of a tick, for the figures.
  std::map<bool, std::pair<std::string, std::uint32_t>> worst;
  for (const auto& [name, ms] : findings.longest) {
    if (name.starts_with("after ") || name == "waiting") continue;
    const std::uint32_t bound = CommandBoundMs(name);
    EXPECT_LE(ms, bound) << name << " took " << ms << " virtual ms, "
                         << findings.longestIn.at(name);
    auto& [worstName, worstBound] = worst[name.starts_with("tick ")];
    if (bound >= worstBound) {
      worstName = name;
      worstBound = bound;
    }
    if (ms > 0 || bound > 0) {
      std::printf("%-20s %7llu of %7u virtual ms\n", name.c_str(),
                  static_cast<unsigned long long>(ms), bound);
    }
  }
  ::testing::Test::RecordProperty("longest_command_bound", worst[false].first);
  ::testing::Test::RecordProperty("longest_command_bound_ms",
                                  static_cast<int>(worst[false].second));
  ::testing::Test::RecordProperty("longest_tick_bound", worst[true].first);
  ::testing::Test::RecordProperty("longest_tick_bound_ms", static_cast<int>(worst[true].second));
  std::printf(
      "longest bound of a command: %s, %u virtual ms; of a tick: %s, %u virtual ms; the "
      "client misbehaved %d times\n",
      worst[false].first.c_str(), worst[false].second, worst[true].first.c_str(),
      worst[true].second, findings.misbehaviours);
}

SweepRun Seeded(ClientCondition client, int seed) {
  return {client,
          seed % 2 == 0 ? PromptAnswers::kCancel : PromptAnswers::kPlain,
          static_cast<unsigned>(seed),
          4 + seed % 4,
          seed % 3 == 0,
          2};
}

TEST(CommandSweep, EveryCommandAndTickSurvivesNoClientOrAHungOne) {
  Findings findings;
  for (PromptAnswers answers : {PromptAnswers::kCancel, PromptAnswers::kPlain}) {
    Sweep({ClientCondition::kAbsent, answers}, findings);
    for (int version : {4, 5, 6, 7}) Sweep({ClientCondition::kHung, answers, 0, version}, findings);
  }
  Report(findings);
}

TEST(CommandSweep, EveryCommandAndTickSurvivesABoxComingUpInTheMiddle) {
  Findings findings;
  for (int seed = 0; seed < kSurpriseSeeds; ++seed) {
    Sweep(Seeded(ClientCondition::kSurpriseBox, seed), findings);
  }
  Report(findings);
}

TEST(CommandSweep, EveryCommandAndTickSurvivesTheClientsWindowsVanishing) {
  Findings findings;
  for (int seed = 0; seed < kVanishingSeeds; ++seed) {
    SweepRun run = Seeded(ClientCondition::kVanishing, seed);
    run.passes = 1;
    Sweep(run, findings);
  }
  Report(findings);
}

}  // namespace
}  // namespace drelm::testing
