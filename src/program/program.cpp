#include "program/program.h"

#include "aol/client_windows.h"
#include "aol/instant_messages.h"
#include "aol/privacy.h"
#include "aol/process_path.h"
#include "aol/upchat.h"
#include "core/files.h"

namespace drelm {

namespace {

// The AOL operations the idle engine calls that exist so far.
IdleAolOperations IdleAolOperationsFor(AolContext& aol, Shell& shell, DisconnectProtection& dcp) {
  IdleAolOperations operations;
  operations.GhostOn = [&aol] { GhostOn(aol); };
  operations.GhostOff = [&aol] { GhostOff(aol); };
  operations.ImsOff = [&aol] { ImsOff(aol); };
  operations.ImsOn = [&aol] { ImsOn(aol); };
  operations.UpchatOn = [&aol] { UpchatOn(aol); };
  operations.UpchatOff = [&aol] { UpchatOff(aol.windows); };
  operations.CurrentScreenName = [&aol] { return CurrentScreenName(aol.windows); };
  operations.ProcessPathOfWindow = [&aol, &shell](Hwnd window) {
    // A bare file name (all a process of another user tells) would start nothing later.
    std::string path = ProcessPathOfWindow(aol.windows, shell, window);
    return IsFullProgramPath(path) ? path : std::string();
  };
  operations.RestoreAol = [&dcp](int useSetPassword) { dcp.RestoreAol(useSetPassword); };
  return operations;
}

}  // namespace

Program::Program(Platform platformIn)
    : platform(std::move(platformIn)),
      store(platform.registry),
      log(platform.clock, platform.programFolder),
      chat(platform.windows, platform.loop, platform.clock, store, drelmglobals.Win2kMode, log),
      frmOptions(OptionsContext{platform, store, log, [this] { frmMain.lblExit_Click(); }}),
      frmReasons(ReasonsContext{ReviewContext(), platform.programFolder,
                                [this] { frmOptions.PopupMenu(kAddonsMenu); }}),
      frmMain(*this),
      tray(platform.shell, frmMain),
      frmAbout(AboutContext{frmMain, platform.shell, platform.user, log, platform.programFolder}),
      frmGreetz(AboutContext{frmMain, platform.shell, platform.user, log, platform.programFolder},
                frmAbout),
      about(AboutContext{frmMain, platform.shell, platform.user, log, platform.programFolder},
            frmAbout, frmGreetz),
      style(StyleContext{platform.user, platform.shell, platform.programFolder, store, log, chat,
                         drelmglobals, frmOptions,
                         [this] { return CurrentScreenName(platform.windows); }}),
      stats(StatsContext{platform.windows, platform.clock, platform.loop, platform.user,
                         platform.shell, platform.programFolder, store, log, chat, drelmglobals,
                         frmOptions, frmReasons.lstRe, [this] { frmMain.Show(); }}),
      aolContext{platform.windows, platform.loop, platform.clock, log},
      dcp(DcpContext{aolContext, platform.shell, store, chat,
                     [this](std::string_view item) { return frmOptions.Item(item).checked; }}),
      menuAccess(frmOptions),
      idle(IdleContext{platform,
                       store,
                       log,
                       chat,
                       drelmglobals,
                       menuAccess,
                       {frmMain, frmMain.Timer1, frmMain.Timer3, frmMain.Timer4, frmMain.Chat1,
                        frmMain.Label3, frmMain.lblMins, frmMain.lblHours, frmMain.lblDays},
                       frmReasons,
                       [this] { PlayClick(); },
                       IdleAolOperationsFor(aolContext, platform.shell, dcp),
                       {[this] {
                          frmMain.Hide();
                          frmAFKMessages.Show();
                        },
                        [this] { return frmAFKMessages.lstMsgs.items.size(); }}}),
      transferOptions(TransferOptionsContext{frmOptions, platform.user, store, log}),
      aolTweaks(AolTweakContext{aolContext, frmOptions}),
      frmMsg(ReviewContext(), frmAFKMessages),
      frmAFKMessages(ReviewContext(), frmMsg),
      recorder(AwayRecorderContext{aolContext, store, drelmglobals,
                                   [this](std::string_view text) { chat.SendChat(text); },
                                   frmAFKMessages.lstMsgs, platform.programFolder}) {
  WireMenu();
  idle.Wire();
  WireAwayRecorder();
}

ReviewWindowsContext Program::ReviewContext() {
  return ReviewWindowsContext{platform.windows, frmMain, [this] { PlayClick(); }};
}

void Program::WireAwayRecorder() {
  frmMain.Chat1.ChatLine = [this](const std::string& screenName, const std::string& text) {
    recorder.Chat1_ChatLine(screenName, text);
  };
  frmMain.Timer3.Timer_Timer = [this] { recorder.Timer3_Timer(); };
}

Program::~Program() = default;

void Program::WireMenu() {
  frmOptions.Wire("cmdWinSysTray", [this] { tray.cmdWinSysTray_Click(); });
  frmOptions.Wire("mnuRestoreWinSysTray", [this] { tray.mnuRestoreWinSysTray_Click(); });
  frmOptions.Wire("cmdAbout", [this] { about.cmdAbout_Click(); });
  frmOptions.Wire("cmdGreets", [this] { about.cmdGreets_Click(); });
  frmOptions.Wire("cmdEditSkins", [this] { about.cmdEditSkins_Click(); });
  style.WireMenu();
  stats.WireMenu();
  transferOptions.WireMenu();
  aolTweaks.WireMenu();
}

void Program::Start() {
  entry.Run([this] { frmMain.Form_Load(); });
}

void Program::PlayClick() {
  PlaySoundFile(platform.shell, ClickSoundPath(platform.programFolder));
}

void Program::End(int exitCode) {
  ended_ = true;
  // An icon left behind would outlive the program until the mouse passes over it.
  tray.TrayRemove();
  for (Timer* timer : {&frmMain.Timer1, &frmMain.Timer2, &frmMain.Timer3, &frmMain.Timer4}) {
    timer->SetEnabled(false);
  }
  frmMain.Chat1.StopScan();
  for (Form* form : std::initializer_list<Form*>{&frmMain, &frmAbout, &frmGreetz, &frmReasons,
                                                 &frmAFKMessages, &frmMsg}) {
    form->Hide();
    form->loaded = false;
  }
  platform.loop.RequestQuit(exitCode);
  throw ProgramEnded{exitCode};
}

}  // namespace drelm
