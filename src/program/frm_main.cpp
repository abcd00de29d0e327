#include "program/frm_main.h"

#include "aol/chat_markup.h"
#include "core/files.h"
#include "core/own_windows.h"
#include "core/pause.h"
#include "idle/idle_time_text.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr std::uint32_t kTimer4Ms = 60000;
constexpr std::uint32_t kTimer3Ms = 1000;
constexpr std::uint32_t kTimer2Ms = 1600;
constexpr std::uint32_t kTimer1Ms = 1000;

}  // namespace

FrmMain::FrmMain(FrmMainContext context, Wiring& wiring)
    : Form("frmMain", kAppTitle),
      Timer4(context.platform.loop, context.entry, "Timer4", kTimer4Ms, false),
      Chat1(context.platform.windows, context.platform.loop, context.entry, "Chat1"),
      Timer3(context.platform.loop, context.entry, "Timer3", kTimer3Ms, false),
      Timer2(context.platform.loop, context.entry, "Timer2", kTimer2Ms, false),
      Timer1(context.platform.loop, context.entry, "Timer1", kTimer1Ms, false),
      lblStatus(Label("lblStatus", "idle", "Tahoma")),
      Label5(Label("Label5", "x", "Tahoma")),
      Label4(Label("Label4", "-", "Tahoma")),
      Label3(Label("Label3", "start", "Tahoma")),
      lblMinimize(Label("lblMinimize", "", "Verdana")),
      lblExit(Label("lblExit", "", "Verdana")),
      lblDragMe(Label("lblDragMe", "drelm idle", "Tahoma")),
      lblMins(Label("lblMins", "0/m", "Tahoma")),
      lblHours(Label("lblHours", "0/h", "Tahoma")),
      lblDays(Label("lblDays", "0/d", "Tahoma")),
      lblMenu(Label("lblMenu", "menu", "Tahoma")),
      c_(std::move(context)) {
  for (Timer* timer : {&Timer1, &Timer2, &Timer3, &Timer4, &Chat1.ScanTimer()}) {
    wiring.Owns(*timer);
  }
  wiring.Owns(*this);
}

void FrmMain::Click() {
  PlaySoundFile(c_.platform.shell, c_.platform.files, ClickSoundPath(c_.platform.programFolder));
}

void FrmMain::PauseSeconds(int seconds) {
  Pause(c_.platform.clock, c_.platform.loop, seconds);
}

void FrmMain::Form_Load() {
  c_.entry.Run([this] {
    // The timers that run by design start with the window, so they tick during the start-up's
    // pauses but never before the program was started.
    Timer4.SetEnabled(true);
    Timer2.SetEnabled(true);
    RunStartUp();
  });
}

void FrmMain::lblDragMe_MouseDown() {
  c_.entry.Run([this] {
    Click();
    DragForm(c_.platform.windows, window);
  });
}

void FrmMain::lblMenu_Click() {
  c_.entry.Run([this] {
    Click();
    c_.options.PopupMenu(kOptionsMenu);
  });
}

void FrmMain::lblMinimize_Click() {
  c_.entry.Run([this] {
    Click();
    state = WindowState::kMinimized;
  });
}

void FrmMain::Label4_Click() {
  c_.entry.Run([this] { c_.tray.cmdWinSysTray_Click(); });
}

void FrmMain::Label3_Click() {
  c_.entry.Run([this] {
    if (c_.toggleIdle) c_.toggleIdle();
  });
}

void FrmMain::Label5_Click() {
  lblExit_Click();
}

void FrmMain::lblExit_Click() {
  c_.entry.Run([this] { RunExit(); });
}

void FrmMain::RunExit() {
  // A second click during the exit's pauses would post the departure twice.
  if (exiting_ || c_.platform.loop.QuitRequested()) return;
  exiting_ = true;
  const DrelmGlobals& g = c_.globals;

  Click();
  const std::string min = c_.store.Read(setting::kIdleMin);
  const std::string hours = c_.store.Read(setting::kIdleHours);
  const std::string days = c_.store.Read(setting::kIdleDays);
  SetStatus("closing drelm");

  c_.chat.SendAdvertLine();
  PauseSeconds(1);
  const std::string accent = FontColor(g.AsciiColor), plain = FontColor(g.MainColor);
  c_.chat.SendChat("unload: " + accent + g.UserHandle + plain + " has idled: " + accent + days +
                   "d " + hours + "h " + min + "m" + plain);
  PauseSeconds(1);
  SaveAndEnd();
}

void FrmMain::SessionEnding() {
  c_.entry.Run([this] {
    // Windows gives no time for the room's goodbye lines, and nobody reads them at log-off.
    if (exiting_ || c_.platform.loop.QuitRequested()) return;
    exiting_ = true;
    SaveAndEnd();
  });
}

void FrmMain::SaveAndEnd() {
  const std::int64_t uptime = UptimeSeconds(c_.platform.clock);
  if (uptime > LeadingNumber(c_.store.Read(setting::kCount))) {
    c_.store.Write(setting::kCount, std::to_string(uptime));
  }
  c_.log.WriteLog("drelm - version one unloaded");
  c_.end(0);
}

}  // namespace drelm
