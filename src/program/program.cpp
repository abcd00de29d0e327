#include "program/program.h"

#include "aol/client_windows.h"
#include "aol/room_wait.h"
#include "core/files.h"

namespace drelm {

Program::Program(Platform platformIn)
    : platform(std::move(platformIn)),
      store(platform.registry),
      log(platform.clock, platform.files, platform.programFolder),
      chat(platform.windows, platform.loop, platform.clock, store, drelmglobals.Win2kMode, log),
      frmOptions(OptionsContext{platform, store, log, [this] { frmMain.lblExit_Click(); }}) {
  // The features built before the wiring existed register here; new features wire themselves
  // in their constructors.
  wiring.Owns(frmReasons);
}

Program::~Program() = default;

ReviewWindowsContext Program::ReviewContext() {
  return ReviewWindowsContext{platform.windows, frmMain, [this] { PlayClick(); }};
}

RoomToolsContext Program::RoomTools() {
  return RoomToolsContext{aolContext,
                          frmMain,
                          drelmglobals,
                          [this](std::string_view text) { chat.SendChat(text); },
                          [this] { PlayClick(); },
                          [this](std::string& room) { WaitRoomOrDismiss(aolContext, room); },
                          [this](std::string& room) { return RoomEntryRefused(aolContext, room); }};
}

IdleContext Program::IdleEngineContext() {
  return IdleContext{platform,
                     store,
                     log,
                     chat,
                     drelmglobals,
                     frmOptions,
                     {frmMain, frmMain.Timer1, frmMain.Timer3, frmMain.Timer4, frmMain.Chat1,
                      frmMain.Label3, frmMain.lblMins, frmMain.lblHours, frmMain.lblDays},
                     frmReasons,
                     [this] { PlayClick(); },
                     {aolContext, transfers, dcp},
                     {[this] {
                        frmMain.Hide();
                        frmAFKMessages.Show();
                      },
                      [this] { return frmAFKMessages.lstMsgs.items.size(); }}};
}

std::string Program::ScreenName() {
  return CurrentScreenName(platform.windows);
}

void Program::Start() {
  entry.Run([this] { frmMain.Form_Load(); });
}

void Program::PlayClick() {
  PlaySoundFile(platform.shell, platform.files, ClickSoundPath(platform.programFolder));
}

void Program::End(int exitCode) {
  ended_ = true;
  // An icon left behind would outlive the program until the mouse passes over it.
  tray.TrayRemove();
  wiring.StopAll();
  platform.loop.RequestQuit(exitCode);
  throw ProgramEnded{exitCode};
}

}  // namespace drelm
