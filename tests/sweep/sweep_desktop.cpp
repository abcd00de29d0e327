#include "sweep_desktop.h"

#include <algorithm>
#include <fstream>

#include "core/files.h"
#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "platform/winuser_constants.h"

namespace drelm::testing {

namespace {

constexpr const char* kRoom = "Lobby 12";

// Reading a window of another program is harmless; anything else sent to one is a press.
bool OnlyReads(std::uint32_t msg) {
  switch (msg) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case LB_GETCURSEL:
    case LB_GETTEXT:
    case LB_GETTEXTLEN:
    case LB_GETCOUNT:
    case BM_GETCHECK:
      return true;
    default:
      return false;
  }
}

sim::ScriptedUser::Answer Answer(PromptAnswers answers, const sim::Prompt& prompt) {
  const bool cancel = answers == PromptAnswers::kCancel;
  switch (prompt.kind) {
    case sim::PromptKind::kInputBox:
      return {cancel ? "" : "5", 0};
    case sim::PromptKind::kOpenFile:
      return {cancel ? "" : "C:\\Windows\\Media\\ding.wav", 0};
    case sim::PromptKind::kPopupMenu:
      return {};
    case sim::PromptKind::kMessageBox:
      break;
  }
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

}  // namespace

SweepDesktop::SweepDesktop(SweepRun run) : run_(run), random_(run.seed) {
  sim_.user.AnswerUnscripted(
      [answers = run.answers](const sim::Prompt& prompt) { return Answer(answers, prompt); });
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
  // Another program's windows that look like the client's, on top of it: pressing anything in
  // them is pressing outside the client.
  strangerPid_ = sim_.shell.AddProcess("C:\\Program Files\\Other\\other.exe");
  const Hwnd box = sim_.windows.CreateWindow("#32770", "America Online", 0, {}, strangerPid_);
  sim_.windows.CreateWindow("Button", "OK", box);
  sim_.windows.CreateWindow("_AOL_Modal", "File Transfer", 0, {}, strangerPid_);
  sim_.windows.CreateWindow("#32768", "", 0, {}, strangerPid_);
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

SweepDesktop::~SweepDesktop() {
  sim_.windows.SetBeforeMessage({});
}

void SweepDesktop::Measure(const std::string& name, const std::function<void()>& body) {
  // Ticks that run inside a wait of this one are measured on their own and not counted here.
  struct Frame {
    SweepDesktop& desktop;
    const std::string& name;
    std::uint64_t start;
    ~Frame() {
      const std::uint64_t elapsed = desktop.sim_.clock.MonotonicMs() - start;
      const std::uint64_t own = elapsed - desktop.nestedMs_.back();
      desktop.nestedMs_.pop_back();
      if (!desktop.nestedMs_.empty()) desktop.nestedMs_.back() += elapsed;
      std::uint64_t& longest = desktop.longest_[name];
      longest = std::max(longest, own);
    }
  };
  nestedMs_.push_back(0);
  Frame frame{*this, name, sim_.clock.MonotonicMs()};
  body();
}

void SweepDesktop::Armed(const std::string& name, const std::function<void()>& body) {
  ReviveClient();
  const std::size_t logMark = sim_.windows.Log().size();
  armed_ =
      run_.client == ClientCondition::kVanishing || run_.client == ClientCondition::kSurpriseBox;
  messagesToGo_ = std::uniform_int_distribution<int>(1, 12)(random_);
  Measure(name, [&] { program_->entry.Run(body); });
  armed_ = false;
  // The box belongs to this command; left standing, they would pile up over the sweep.
  sim_.windows.DestroyWindow(std::exchange(surpriseBox_, 0));
  CheckPresses(name, logMark);
  CheckWindows(name);
  CheckRecords(name);
}

bool SweepDesktop::RunCommand(const MenuItem& item) {
  if (!program_->frmOptions.CanChoose(item.name)) return false;
  Armed(item.name, [&] { program_->frmOptions.Click(item.commandId); });
  return true;
}

void SweepDesktop::RunTick(Timer& timer) {
  if (!timer.Timer_Timer) return;
  const std::function<void()> tick = timer.Timer_Timer;
  Armed("after tick " + timer.Name(), tick);
}

void SweepDesktop::RunFor(std::uint32_t ms) {
  Armed("waiting", [&] { sim_.loop.RunFor(ms); });
}

void SweepDesktop::BeforeMessage(Hwnd window) {
  if (aol_ && aol_->Host().CurrentProcess() != 0) {
    clientPids_.insert(aol_->Host().CurrentProcess());
  }
  if (!armed_ || !clientPids_.contains(sim_.windows.WindowProcessId(window))) return;
  if (--messagesToGo_ > 0) return;
  armed_ = false;
  ++misbehaviours_;
  Misbehave(window);
}

void SweepDesktop::Misbehave(Hwnd window) {
  if (run_.client == ClientCondition::kSurpriseBox) {
    aol_->ShowMessageBox("You have been idle for a long time.");
    surpriseBox_ = sim_.windows.FindWindow(std::string("#32770"), std::string("America Online"));
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

void SweepDesktop::ReviveClient() {
  if (run_.client != ClientCondition::kVanishing) return;
  if (aol_->Running() && aol_->SignedOn() && !aol_->RoomName().empty()) return;
  if (aol_->Running()) aol_->Exit();
  aol_->StartSignedOn(kRoom);
}

void SweepDesktop::CheckPresses(const std::string& name, std::size_t logMark) {
  for (const sim::MessageRecord& record : sim_.windows.LogSince(logMark)) {
    if (record.pid == 0 || clientPids_.contains(record.pid) || OnlyReads(record.msg)) continue;
    problems_.push_back(name + ": message " + std::to_string(record.msg) + " to \"" +
                        sim_.windows.Text(record.window) + "\" of another program");
  }
}

void SweepDesktop::CheckWindows(const std::string& name) {
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

void SweepDesktop::CheckRecords(const std::string& name) {
  // The client received one IM: the away bot notes it once, however the client behaves.
  std::ifstream file(folder_.path() / kAwayMessagesFileName, std::ios::binary);
  int ims = 0;
  for (std::string line; std::getline(file, line);) ims += line.starts_with("|[im]|") ? 1 : 0;
  if (ims > 1) problems_.push_back(name + ": one IM noted " + std::to_string(ims) + " times");
}

std::vector<std::string> SweepDesktop::TakeProblems() {
  const std::vector<std::string>& failures = sim_.user.Failures();
  for (; failuresSeen_ < failures.size(); ++failuresSeen_)
    problems_.push_back(failures[failuresSeen_]);
  return std::exchange(problems_, {});
}

}  // namespace drelm::testing
