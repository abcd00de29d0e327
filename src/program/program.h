// One running instance of drelm idle: the values it keeps in memory, its windows, the settings
// store, the status log and the chat sender, over one platform, and the features built on them.
// Nothing is static, so a test builds as many independent programs as it likes. Start() loads
// the main window, which runs the start-up; the program ends through the exit sequence, after
// which Ended() is true and the event loop has been asked to quit.
//
// Each feature is one member built from a context of only what it needs and the wiring, in which
// its constructor registers its menu items, timer ticks, forms and timers (docs/features.md).
// Members are built in the order declared, so a feature may take references to those above it.
#pragma once

#include <string>

#include "aol/aol_context.h"
#include "aol/chat_sender.h"
#include "aol/dialog_killers.h"
#include "aol/disconnect_protection.h"
#include "aol/transfer_reader.h"
#include "core/about_windows.h"
#include "core/aol_password.h"
#include "core/drelm_globals.h"
#include "core/event_runtime.h"
#include "core/form_model.h"
#include "core/settings_store.h"
#include "core/status_log.h"
#include "core/system_tray.h"
#include "core/wiring.h"
#include "idle/away_recorder.h"
#include "idle/frm_afk_messages.h"
#include "idle/frm_msg.h"
#include "idle/frm_reasons.h"
#include "idle/idle_engine.h"
#include "options/aol_tweak_commands.h"
#include "options/frm_options.h"
#include "options/stats_commands.h"
#include "options/style_commands.h"
#include "options/transfer_options.h"
#include "platform/platform.h"
#include "platform/winuser_constants.h"
#include "program/frm_main.h"
#include "tools/auto_download_later.h"
#include "tools/flash_mail_start.h"
#include "tools/frm_auto_dl.h"
#include "tools/frm_buster.h"
#include "tools/frm_runner.h"

namespace drelm {

class Program {
 public:
  explicit Program(Platform platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Loads the main window: the start-up sequence runs to its end (or until the program ends).
  void Start();
  bool Ended() const { return ended_; }

  // Ends the program at once: the tray icon goes, every registered timer stops, every
  // registered window closes without running a handler, the loop is asked to quit, and
  // ProgramEnded unwinds every wait in progress up to the outermost event.
  [[noreturn]] void End(int exitCode);

  // The click sound of every click area.
  void PlayClick();

  // What every feature may be given.
  Platform platform;
  EventEntry entry;
  std::string appTitle;
  SettingsStore store;
  StatusLog log;
  DrelmGlobals drelmglobals;
  ChatSender chat;
  FrmOptions frmOptions;
  Wiring wiring{frmOptions};
  AolContext aolContext{platform.windows, platform.loop, platform.clock, log};

  // The features, one member each.
  FrmReasons frmReasons{{ReviewContext(), platform.files, platform.programFolder,
                         [this] { frmOptions.PopupMenu(kAddonsMenu); }}};
  FrmMain frmMain{
      {platform, entry, store, log, drelmglobals, chat, frmOptions, frmReasons, tray, appTitle,
       [this](int exitCode) { End(exitCode); }, [this] { idle.Label3_Click(); }},
      wiring};
  SystemTray tray{platform.shell, frmMain, wiring};
  FrmAbout frmAbout{AboutWindows()};
  FrmGreetz frmGreetz{AboutWindows(), frmAbout};
  AboutCommands about{AboutWindows(), frmAbout, frmGreetz, wiring};
  StyleCommands style{{platform.user, [this] { PlayClick(); }, store, log, chat, drelmglobals,
                       frmOptions, [this] { return ScreenName(); }},
                      wiring};
  StatsCommands stats{
      {platform.windows, platform.clock, platform.loop, platform.user, [this] { PlayClick(); },
       store, log, chat, drelmglobals, frmOptions, frmReasons.lstRe, [this] { frmMain.Show(); }},
      wiring};
  AolPassword aolPassword{platform.registry, platform.protection};
  DisconnectProtection dcp{
      {aolContext, platform.shell, store, aolPassword, chat,
       [this](std::string_view item) { return frmOptions.Item(item).checked; }}};
  TransferReader transfers{{platform.windows, platform.loop, store, drelmglobals,
                            [this] { return frmOptions.Item("mnushort").checked; }}};
  DialogKillers killers{{platform.windows, platform.loop, log, transfers,
                         [this] { return frmOptions.Item("cmdKillFileNotFound").checked; },
                         [this] { return frmOptions.Item("cmdMessageTLTC").checked; },
                         [this] { dcp.ContinueAfterFileNotFound(); }},
                        wiring,
                        frmMain.Timer2};
  FrmAutoDL frmAutoDL;
  FlashMailStart flashMailStart{
      {aolContext, platform.shell, frmAutoDL,
       [this] { autoDownloadLater.ListIncomingMail(frmAutoDL.lstMails); }},
      wiring};
  AutoDownloadLater autoDownloadLater{
      {aolContext, entry, frmAutoDL, frmMain,
       [this](std::string_view text) { chat.SendChat(text); }, [this] { PlayClick(); },
       [this] { frmOptions.PopupMenu(kAutoDownloadMenu); },
       [this] { platform.user.MessageBox("your done!", appTitle, MB_OK); }},
      wiring};
  IdleEngine idle{IdleEngineContext(), wiring};
  TransferOptionCommands transferOptions{{frmOptions, platform.user, store, aolPassword, log},
                                         wiring};
  AolTweakCommands aolTweaks{aolContext, wiring};
  FrmMsg frmMsg{ReviewContext(), frmAFKMessages};
  FrmAFKMessages frmAFKMessages{ReviewContext(), frmMsg};
  AwayRecorder recorder{{aolContext, store, drelmglobals, chat, frmMain.Chat1, frmMain.Timer3,
                         frmAFKMessages, frmMsg, platform.files, platform.programFolder},
                        wiring};
  FrmBuster frmBuster{RoomTools(), wiring};
  FrmRunner frmRunner{RoomTools(), wiring};

 private:
  AboutContext AboutWindows() {
    return {frmMain, platform.user, log, [this] { PlayClick(); }};
  }
  ReviewWindowsContext ReviewContext();
  RoomToolsContext RoomTools();
  IdleContext IdleEngineContext();
  std::string ScreenName();

  bool ended_ = false;
};

}  // namespace drelm
