// Every menu command and every timer tick, beside an AOL client that is absent, hung, losing its
// windows at seed-chosen moments, or showing a box nobody expected, with every prompt cancelled
// or plainly answered: each must return within its bound (program/command_bounds.h), press
// nothing outside the client, leave no window of ours half-open, and not crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "core/event_runtime.h"
#include "core/files.h"
#include "core/pause.h"
#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/sim/simulator.h"
#include "platform/winuser_constants.h"
#include "program/command_bounds.h"
#include "program/program.h"
#include "standin/sim/sim_standin.h"
#include "support/temp_folder.h"

namespace drelm::testing {
namespace {

constexpr int kVanishingSeeds = 300;
constexpr int kSurpriseSeeds = 16;
constexpr const char* kRoom = "Lobby 12";

enum class ClientCondition {
  kAbsent,       // no AOL client at all
  kHung,         // its windows are there, nothing in them reacts
  kVanishing,    // one of its windows (or all) goes at a seed-chosen moment of each command
  kSurpriseBox,  // an "America Online" box comes up at a seed-chosen moment of each command
  kFreezing,     // it stops answering at a seed-chosen moment of each command, until its end
};

struct SweepRun {
  ClientCondition client = ClientCondition::kAbsent;
  bool cancel = true;  // every prompt cancelled, or plainly answered
  unsigned seed = 0;
  int version = 6;
  bool slowClient = false;  // the stand-in's dial-up delays instead of immediate windows
  int passes = 2;           // through the whole menu; a later pass runs with the options set
};

sim::ScriptedUser::Answer Answer(bool cancel, const sim::Prompt& prompt) {
  using sim::PromptKind;
  if (prompt.kind == PromptKind::kInputBox) return {cancel ? "" : "5", 0};
  if (prompt.kind == PromptKind::kOpenFile)
    return {cancel ? "" : "C:\\Windows\\Media\\ding.wav", 0};
  if (prompt.kind == PromptKind::kPopupMenu) return {};
  const std::uint32_t buttons = prompt.style & 0xF;
  if (buttons == MB_YESNO) return {{}, cancel ? IDNO : IDYES};
  if (buttons == MB_OKCANCEL) return {{}, cancel ? IDCANCEL : IDOK};
  return {{}, IDOK};
}

// Every window of one process, parents before their children.
std::vector<Hwnd> WindowsOf(sim::SimWindowSystem& windows, ProcessId pid) {
  std::vector<Hwnd> found;
  std::vector<Hwnd> pending = windows.Children(0);
  while (!pending.empty()) {
    const Hwnd window = pending.back();
    pending.pop_back();
    if (windows.WindowProcessId(window) == pid) found.push_back(window);
    for (Hwnd child : windows.Children(window)) pending.push_back(child);
  }
  return found;
}

// One program beside one misbehaving client (or none) and windows of another program that look
// like AOL's; the misbehaviour is armed for the length of one command or tick, and what each one
// took and broke is kept.
class SweepDesktop {
 public:
  explicit SweepDesktop(SweepRun run) : run_(run), random_(run.seed) {
    sim_.user.AnswerUnscripted(
        [cancel = run.cancel](const sim::Prompt& prompt) { return Answer(cancel, prompt); });
    SettingsStore store(sim_.registry);
    for (const SettingKey* key : FirstStartDefaults()) store.Write(*key, *key->firstStart);
    store.Write(setting::kOss, "false");
    if (run.client != ClientCondition::kAbsent) {
      standin::StandInOptions options;
      options.version = run.version;
      if (!run.slowClient) options.delays = standin::Delays::Immediate();
      aol_ = std::make_unique<standin::SimStandIn>(sim_, options);
      aol_->StartSignedOn(kRoom);
      // Something for every timer and command to act on: a transfer, a notice, an IM, mail.
      aol_->StartUpload("song.mp3");
      aol_->ShowAolPlus();
      aol_->ShowFileNotFound();
      aol_->ReceiveIm("Tommy K", "u there?");
      aol_->AddIncomingMail("12/06/26", "Tommy K", "pics", "pics.zip");
      aol_->AddIncomingMail("12/06/26", "Ann B", "notes");
      clientPids_.insert(aol_->Host().CurrentProcess());
      if (run.client == ClientCondition::kHung) {
        sim_.windows.SetHungProcess(aol_->Host().CurrentProcess());
      }
    }
    // Pressing anything in these is pressing outside the client.
    const ProcessId strangerPid = sim_.shell.AddProcess("C:\\Program Files\\Other\\other.exe");
    const Hwnd box = sim_.windows.CreateWindow("#32770", "America Online", 0, {}, strangerPid);
    sim_.windows.CreateWindow("Button", "OK", box);
    sim_.windows.CreateWindow("_AOL_Modal", "File Transfer", 0, {}, strangerPid);
    sim_.windows.CreateWindow("#32768", "", 0, {}, strangerPid);
    sim_.windows.SetBeforeMessage([this](Hwnd window, std::uint32_t) { BeforeMessage(window); });

    program_ = std::make_unique<Program>(sim_.MakePlatform(folder_.path()));
    for (Timer* timer : program_->wiring.Timers()) {
      if (!timer->Timer_Timer) continue;
      timer->Timer_Timer = [this, name = "tick " + timer->Name(),
                            inner = std::move(timer->Timer_Timer)] { Measure(name, inner); };
    }
    program_->Start();
    TakeProblems();
  }
  ~SweepDesktop() { sim_.windows.SetBeforeMessage({}); }

  Program& program() { return *program_; }
  // Chooses the item by its command id; false when the menu would not let the user choose it.
  bool RunCommand(const MenuItem& item) {
    if (!program_->frmOptions.CanChoose(item.name)) return false;
    Armed(item.name, [&] { program_->frmOptions.Click(item.commandId); });
    return true;
  }
  void RunTick(Timer& timer) {
    if (const std::function<void()> tick = timer.Timer_Timer)
      Armed("after tick " + timer.Name(), tick);
  }
  // Virtual time with the client misbehaving, so the timers tick on their own.
  void RunFor(std::uint32_t ms) {
    Armed("waiting", [&] { sim_.loop.RunFor(ms); });
  }

  // What went wrong since the last call, each naming the command or tick that did it.
  std::vector<std::string> TakeProblems() {
    const std::vector<std::string>& failures = sim_.user.Failures();
    for (; failuresSeen_ < failures.size(); ++failuresSeen_)
      problems_.push_back(failures[failuresSeen_]);
    return std::exchange(problems_, {});
  }
  bool HasProblems() const {
    return !problems_.empty() || sim_.user.Failures().size() > failuresSeen_;
  }
  // The longest own virtual time (nested ticks not counted) of each command and tick by name.
  std::map<std::string, std::uint64_t> longest;
  int misbehaviours = 0;

 private:
  void Measure(const std::string& name, const std::function<void()>& body) {
    // Ticks that run inside a wait of this one are measured on their own and not counted here.
    nestedMs_.push_back(0);
    const std::uint64_t start = sim_.clock.MonotonicMs();
    body();
    const std::uint64_t elapsed = sim_.clock.MonotonicMs() - start;
    const std::uint64_t own = elapsed - nestedMs_.back();
    nestedMs_.pop_back();
    if (!nestedMs_.empty()) nestedMs_.back() += elapsed;
    longest[name] = std::max(longest[name], own);
  }

  void Armed(const std::string& name, const std::function<void()>& body) {
    if (run_.client == ClientCondition::kVanishing &&
        !(aol_->Running() && aol_->SignedOn() && !aol_->RoomName().empty())) {
      if (aol_->Running()) aol_->Exit();
      aol_->StartSignedOn(kRoom);
    }
    const std::size_t logMark = sim_.windows.Log().size();
    armed_ = run_.client != ClientCondition::kAbsent && run_.client != ClientCondition::kHung;
    messagesToGo_ = std::uniform_int_distribution<int>(1, 12)(random_);
    Measure(name, [&] { program_->entry.Run(body); });
    armed_ = false;
    if (run_.client == ClientCondition::kFreezing) sim_.windows.SetHungProcess(0);
    // The box belongs to this command; left standing, they would pile up over the sweep.
    sim_.windows.DestroyWindow(std::exchange(surpriseBox_, 0));
    // Reading a window of another program is harmless; anything else sent to one is a press.
    static const std::set<std::uint32_t> kReads = {WM_GETTEXT, WM_GETTEXTLENGTH, LB_GETCURSEL,
                                                   LB_GETTEXT, LB_GETTEXTLEN,    LB_GETCOUNT,
                                                   BM_GETCHECK};
    for (const sim::MessageRecord& record : sim_.windows.LogSince(logMark)) {
      if (record.pid == 0 || clientPids_.contains(record.pid) || kReads.contains(record.msg)) {
        continue;
      }
      problems_.push_back(name + ": message " + std::to_string(record.msg) + " to \"" +
                          sim_.windows.Text(record.window) + "\" of another program");
    }
    CheckWindows(name);
    // The client received one IM: the away bot notes it once, however the client behaves.
    std::ifstream file(folder_.path() / kAwayMessagesFileName, std::ios::binary);
    int ims = 0;
    for (std::string line; std::getline(file, line);) ims += line.starts_with("|[im]|") ? 1 : 0;
    if (ims > 1) problems_.push_back(name + ": one IM noted " + std::to_string(ims) + " times");
  }

  void BeforeMessage(Hwnd window) {
    if (aol_ && aol_->Host().CurrentProcess() != 0) {
      clientPids_.insert(aol_->Host().CurrentProcess());
    }
    if (!armed_ || !clientPids_.contains(sim_.windows.WindowProcessId(window))) return;
    if (--messagesToGo_ > 0) return;
    armed_ = false;
    ++misbehaviours;
    if (run_.client == ClientCondition::kSurpriseBox) {
      aol_->ShowMessageBox("You have been idle for a long time.");
      surpriseBox_ = sim_.windows.FindWindow(std::string("#32770"), std::string("America Online"));
      return;
    }
    if (run_.client == ClientCondition::kFreezing) {
      sim_.windows.SetHungProcess(sim_.windows.WindowProcessId(window));
      return;
    }
    const int pick = std::uniform_int_distribution<int>(0, 7)(random_);
    if (pick == 0) {
      aol_->Client().Exit();
      return;
    }
    // The client closes its own windows, the ones AOL closes as a whole: an MDI child, a
    // top-level box or window, with their controls. Its main window goes only with the client.
    std::vector<Hwnd> closable;
    for (Hwnd candidate : WindowsOf(sim_.windows, sim_.windows.WindowProcessId(window))) {
      if (candidate == aol_->Client().Frame()) continue;
      if (sim_.windows.Parent(candidate) == 0 || sim_.windows.ClassName(candidate) == "AOL Child") {
        closable.push_back(candidate);
      }
    }
    if (closable.empty()) return;
    if (pick < 4) {
      // Preferably the window the program is about to talk to, or the one holding it.
      for (Hwnd w = window; w != 0; w = sim_.windows.Parent(w)) {
        if (std::find(closable.begin(), closable.end(), w) != closable.end()) {
          sim_.windows.DestroyWindow(w);
          return;
        }
      }
    }
    sim_.windows.DestroyWindow(
        closable[std::uniform_int_distribution<std::size_t>(0, closable.size() - 1)(random_)]);
  }

  void CheckWindows(const std::string& name) {
    Program& p = *program_;
    const auto problem = [&](const std::string& what) { problems_.push_back(name + ": " + what); };
    if (p.entry.Depth() != 0) problem("left an event handler entered");
    bool anyShown = sim_.shell.TrayPresent();
    for (const Form* form : p.wiring.Forms()) {
      if (form->visible && !form->loaded) problem(form->Name() + " shown but not loaded");
      anyShown = anyShown || form->visible;
    }
    if (p.Ended()) {
      if (anyShown) problem("a window of ours or the tray icon outlived the program");
      return;
    }
    if (!anyShown) problem("no window of ours and no tray icon left to reach the program");
    if (p.frmOptions.Item("cmdStartIdle").enabled == p.frmOptions.Item("cmdStopIdle").enabled) {
      problem("start idle and stop idle both or neither choosable");
    }
    if ((!p.frmBuster.Busting && !p.frmBuster.txtBuster.enabled) ||
        (!p.frmRunner.Running && !p.frmRunner.txtBuster.enabled)) {
      problem("a room tool's name box left disabled with no run in progress");
    }
    if (p.frmBuster.Label1.visible == p.frmBuster.Label3.visible) {
      problem("room buster shows both or neither of start bust and stop bust");
    }
  }

  SweepRun run_;
  std::mt19937 random_;
  TempFolder folder_;
  sim::Simulator sim_;
  std::unique_ptr<standin::SimStandIn> aol_;
  std::unique_ptr<Program> program_;
  std::set<ProcessId> clientPids_;
  bool armed_ = false;
  int messagesToGo_ = 0;  // the misbehaviour comes after this many messages to the client
  Hwnd surpriseBox_ = 0;
  std::vector<std::uint64_t> nestedMs_;
  std::vector<std::string> problems_;
  std::size_t failuresSeen_ = 0;
};

struct Findings {
  std::map<std::string, std::pair<std::uint64_t, std::string>> longest;  // and the run it took
  std::set<std::string> ran;
  std::set<std::string> wired;
  std::map<std::string, std::string> problems;  // each once, with the first run that showed it
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
                                         "surprise box", "freezing client"};
  return std::string(kClients[static_cast<int>(run.client)]) + ", AOL " +
         std::to_string(run.version) + (run.slowClient ? " slow" : "") + ", " +
         (run.cancel ? "cancel" : "plain answers") + ", seed " + std::to_string(run.seed);
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
    findings.problems.try_emplace(problem, Describe(run));
  }
  findings.misbehaviours += desktop.misbehaviours;
  for (const auto& [name, ms] : desktop.longest) {
    if (ms >= findings.longest[name].first) findings.longest[name] = {ms, Describe(run)};
  }
}

// Runs the sweep once per run and reports what all of them found.
void SweepAll(const std::vector<SweepRun>& runs) {
  Findings findings;
  for (const SweepRun& run : runs) Sweep(run, findings);
  for (const auto& [name, longest] : findings.longest) findings.ran.insert(name);
  for (const std::string& name : findings.wired) {
    EXPECT_TRUE(findings.ran.contains(name)) << name << " never ran in the sweep";
  }
  for (const auto& [problem, firstRun] : findings.problems) {
    ADD_FAILURE() << problem << " (first: " << firstRun << ")";
  }
  for (const auto& [name, longest] : findings.longest) {
    if (name.starts_with("after ") || name == "waiting") continue;
    EXPECT_LE(longest.first, CommandBoundMs(name))
        << name << " took " << longest.first << " virtual ms, " << longest.second;
  }
  if (runs[0].client != ClientCondition::kAbsent && runs[0].client != ClientCondition::kHung) {
    EXPECT_GT(findings.misbehaviours, 0) << "the client never misbehaved";
  }
}

// Seeded runs: the seeds vary prompt answers, client version and a slow client.
std::vector<SweepRun> Seeded(ClientCondition client, int seeds, int passes) {
  std::vector<SweepRun> runs;
  for (int seed = 0; seed < seeds; ++seed) {
    runs.push_back(
        {client, seed % 2 == 0, static_cast<unsigned>(seed), 4 + seed % 4, seed % 3 == 0, passes});
  }
  return runs;
}

TEST(CommandSweep, EveryCommandAndTickSurvivesNoClientOrAHungOne) {
  std::vector<SweepRun> runs;
  for (bool cancel : {true, false}) {
    runs.push_back({ClientCondition::kAbsent, cancel});
    for (int version : {4, 5, 6, 7}) runs.push_back({ClientCondition::kHung, cancel, 0, version});
  }
  SweepAll(runs);
}

TEST(CommandSweep, EveryCommandAndTickSurvivesABoxComingUpInTheMiddle) {
  SweepAll(Seeded(ClientCondition::kSurpriseBox, kSurpriseSeeds, 2));
}

// Every wait of a command runs out in turn: each bound must hold the sum of them.
TEST(CommandSweep, EveryCommandAndTickSurvivesTheClientFreezingInTheMiddle) {
  SweepAll(Seeded(ClientCondition::kFreezing, kSurpriseSeeds, 1));
}

TEST(CommandSweep, EveryCommandAndTickSurvivesTheClientsWindowsVanishing) {
  SweepAll(Seeded(ClientCondition::kVanishing, kVanishingSeeds, 1));
}

// A client that never answers makes every tick wait out its bounds. A wait around such ticks
// must still see its own deadline: a pump that went on delivering the ticks falling due while
// the previous ones waited would never hand control back.
TEST(BusyTicks, AWaitSeesItsDeadlineWhileEveryTickItDeliversWaitsInTurn) {
  sim::Simulator sim;
  EventEntry entry;
  Timer first(sim.loop, entry, "first", 100, true);
  Timer second(sim.loop, entry, "second", 100, true);
  for (Timer* timer : {&first, &second}) {
    timer->Timer_Timer = [&] { Pause(sim.clock, sim.loop, 5); };
  }
  const std::uint64_t start = sim.clock.MonotonicMs();
  sim.loop.RunFor(1000);
  // At most one round of both ticks, nested, beyond the deadline.
  EXPECT_LE(sim.clock.MonotonicMs() - start, 1000u + 2 * 5500u);
}

}  // namespace
}  // namespace drelm::testing
