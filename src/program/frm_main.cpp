#include "program/frm_main.h"

#include "core/own_windows.h"
#include "core/pause.h"
#include "idle/idle_time_text.h"
#include "program/program.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr std::uint32_t kTimer4Ms = 60000;
constexpr std::uint32_t kTimer3Ms = 1000;
constexpr std::uint32_t kTimer2Ms = 1600;
constexpr std::uint32_t kTimer1Ms = 1000;

}  // namespace

FrmMain::FrmMain(Program& program)
    : Form("frmMain", kAppTitle),
      Timer4(program.platform.loop, program.entry, "Timer4", kTimer4Ms, false),
      Chat1(program.platform.windows, program.platform.loop, program.entry, "Chat1"),
      Timer3(program.platform.loop, program.entry, "Timer3", kTimer3Ms, false),
      Timer2(program.platform.loop, program.entry, "Timer2", kTimer2Ms, false),
      Timer1(program.platform.loop, program.entry, "Timer1", kTimer1Ms, false),
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
      program_(program) {}

void FrmMain::Click() {
  program_.PlayClick();
}

void FrmMain::PauseSeconds(int seconds) {
  Pause(program_.platform.clock, program_.platform.loop, seconds);
}

void FrmMain::Form_Load() {
  program_.entry.Run([this] {
    // The timers that run by design start with the window, so they tick during the start-up's
    // pauses but never before the program was started.
    Timer4.SetEnabled(true);
    Timer2.SetEnabled(true);
    RunStartUp();
  });
}

void FrmMain::lblDragMe_MouseDown() {
  program_.entry.Run([this] {
    Click();
    DragForm(program_.platform.windows, window);
  });
}

void FrmMain::lblMenu_Click() {
  program_.entry.Run([this] {
    Click();
    program_.frmOptions.PopupMenu(kOptionsMenu);
  });
}

void FrmMain::lblMinimize_Click() {
  program_.entry.Run([this] {
    Click();
    state = WindowState::kMinimized;
  });
}

void FrmMain::Label4_Click() {
  program_.entry.Run([this] { program_.tray.cmdWinSysTray_Click(); });
}

void FrmMain::Label3_Click() {
  program_.entry.Run([this] { program_.idle.Label3_Click(); });
}

void FrmMain::Label5_Click() {
  lblExit_Click();
}

void FrmMain::lblExit_Click() {
  program_.entry.Run([this] { RunExit(); });
}

void FrmMain::RunExit() {
  // A second click during the exit's pauses would post the departure twice.
  if (exiting_ || program_.Ended()) return;
  exiting_ = true;
  Program& p = program_;
  const DrelmGlobals& g = p.drelmglobals;

  Click();
  const std::string min = p.store.Read(setting::kIdleMin);
  const std::string hours = p.store.Read(setting::kIdleHours);
  const std::string days = p.store.Read(setting::kIdleDays);
  SetStatus("closing drelm");

  p.chat.SendAdvertLine();
  PauseSeconds(1);
  p.chat.SendChat("unload: <font color=#" + g.AsciiColor + ">" + g.UserHandle + "<font color=#" +
                  g.MainColor + "> has idled: <font color=#" + g.AsciiColor + ">" + days + "d " +
                  hours + "h " + min + "m<font color=#" + g.MainColor + ">");
  PauseSeconds(1);

  const std::int64_t record = LeadingNumber(p.store.Read(setting::kCount));
  if (UptimeSeconds(p.platform.clock) > record) {
    p.store.Write(setting::kCount, std::to_string(UptimeSeconds(p.platform.clock)));
  }
  p.log.WriteLog("drelm - version one unloaded");
  p.End(0);
}

}  // namespace drelm
