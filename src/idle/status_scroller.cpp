// Timer1's tick while idling: the disconnect watch, automatic upchat, the idle clock, and, each
// time the interval has passed, the status lines.
#include <string>

#include "aol/client_windows.h"
#include "aol/process_path.h"
#include "aol/upchat.h"
#include "aol/window_lookup.h"
#include "core/pause.h"
#include "core/settings_catalogue.h"
#include "idle/idle_engine.h"
#include "idle/status_lines.h"
#include "platform/winuser_constants.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr std::string_view kDcpAol = "cmdDcpAolOpts";
constexpr std::string_view kSetPassword = "cmdSetPW";
constexpr std::string_view kAutoUpchat = "cmdEnableAutoUpchat";
constexpr std::string_view kScrollTransfers = "cmdScrollDlulstatus";
constexpr std::int64_t kSecondsPerMinute = 60;
// Below 1 % the upload has not started and above 98 % it is about to end: chatting over the
// transfer window is no longer needed.
constexpr std::int64_t kUpchatLowestPercent = 1;
constexpr std::int64_t kUpchatHighestPercent = 98;
constexpr int kAolVersionWithUploadChild = 7;

}  // namespace

void IdleEngine::Timer1_Timer() {
  DrelmGlobals& g = context_.globals;
  // Signed off, the client may be gone or only just started again: upchat waits for a tick that
  // finds someone signed on.
  if (DisconnectWatch()) AutoUpchatWatch();
  ++g.SecondCount;
  ++g.IntervalCount;
  if (g.SecondCount >= kSecondsPerMinute) {
    g.SecondCount = 0;
    AdvanceIdleClock(ClockLabels(), context_.store);
  }
  if (g.IntervalCount < g.IdleInterval) return;
  g.IntervalCount = 0;
  PostStatus();
}

bool IdleEngine::DisconnectWatch() {
  if (!Checked(kDcpAol)) return true;
  WindowSystem& windows = context_.platform.windows;
  DrelmGlobals& g = context_.globals;
  if (CurrentScreenName(windows).empty()) {
    if (++g.ReconnectCount >= kReconnectTicks) {
      g.ReconnectCount = 0;
      context_.aol.dcp.RestoreAol(Checked(kSetPassword) ? 1 : 0);
    }
    return false;
  }
  g.ReconnectCount = 0;
  if (LowerAnsi(context_.store.Read(setting::kOss)) == kValueLowerTrue) return true;
  const std::string path =
      ProcessPathOfWindow(windows, context_.platform.shell, FindAolMainWindow(windows));
  // A path that could not be read, or a bare file name (all a process of another user tells),
  // must not wipe the one the restart will need.
  if (IsFullProgramPath(path)) context_.store.Write(setting::kLastAolPath, path);
  return true;
}

void IdleEngine::AutoUpchatWatch() {
  if (!Checked(kAutoUpchat)) return;
  AolContext& aol = context_.aol.aol;
  TransferReader& transfers = context_.aol.transfers;
  WindowSystem& windows = aol.windows;
  const Hwnd modal = transfers.FindTransferModalQuiet();
  const int showState = modal != 0 ? windows.ShowState(modal) : SW_HIDE;
  if (modal != 0) {
    const std::int64_t percent = LeadingNumber(transfers.ReadUlPercentModalDash());
    if (percent < kUpchatLowestPercent || percent > kUpchatHighestPercent) {
      UpchatOff(windows);
      Log("auto unupchat");
      return;
    }
  }
  if (AolVersionNumber(windows) == kAolVersionWithUploadChild &&
      LeadingNumber(context_.globals.UlPercent) < 1) {
    windows.ShowWindow(transfers.FindUploadChild(), SW_MINIMIZE);
    windows.ShowWindow(FindAolStatusWindow(windows), SW_MINIMIZE);
  }
  if (modal != 0 && showState != SW_SHOWMINIMIZED) {
    UpchatOn(aol);
    Send(kAutoUpchatLine);
    Log("auto upchat");
  }
}

void IdleEngine::PostStatus() {
  const DrelmGlobals& g = context_.globals;
  const SettingsStore& store = context_.store;
  const IdleMainWindow& main = context_.main;
  Send(TimeLine(g, main.lblDays.caption, main.lblHours.caption, main.lblMins.caption,
                Checked(idle_items::kScrollAim), store.Read(setting::kAim)));
  if (Checked(idle_items::kRegularIdle)) PostReasonLine();
  if (Checked(idle_items::kAfkBot)) {
    Send(AwayLine(g, store.Read(setting::kAfkRea), store.Read(setting::kAfkMax)));
  }
  if (Checked(idle_items::kLinker)) {
    Send(LinkLine(g, store.Read(setting::kLinkerRea), store.Read(setting::kLinkerMsg)));
  }
  if (Checked(kScrollTransfers)) PostTransferLine();
}

void IdleEngine::PostReasonLine() {
  const DrelmGlobals& g = context_.globals;
  if (!Checked(idle_items::kMultipleReasons)) {
    PauseSeconds(1);
    Send(ReasonLine(g, context_.store.Read(setting::kRegRea)));
    return;
  }
  Platform& platform = context_.platform;
  const std::string reason =
      drawer_.Draw(context_.frmReasons.lstRe.items, platform.clock, [&](const std::string& entry) {
        return ExpandReason(entry,
                            CurrentReasonTagValues(platform.clock, context_.store, g.AsciiColor),
                            [&] { platform.loop.PumpPending(); });
      });
  // A list with nothing to say posts no reason line rather than an empty one.
  if (reason.empty()) return;
  PauseSeconds(1);
  Send(ReasonLine(g, reason));
}

void IdleEngine::PostTransferLine() {
  DrelmGlobals& g = context_.globals;
  // One transfer per posting: the download, when there is one, clears the kind.
  if (g.TransferKind == "dl") {
    PauseSeconds(0);
    Send(TransferLine("dl", g.DlFileName, g.DlPercent, g.DlTimeLeft));
    g.TransferKind = "none";
  }
  if (g.TransferKind == "ul") {
    PauseSeconds(0);
    Send(TransferLine("ul", g.UlFileName, g.UlPercent, g.UlTimeLeft));
    g.TransferKind = "none";
  }
}

}  // namespace drelm
