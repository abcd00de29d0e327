// One running instance of drelm idle: the values it keeps in memory, its windows, the settings
// store, the status log and the chat sender, over one platform. Nothing is static, so a test
// builds as many independent programs as it likes. Start() loads the main window, which runs
// the start-up; the program ends through the exit sequence, after which Ended() is true and the
// event loop has been asked to quit.
#pragma once

#include <string>

#include "aol/aol_context.h"
#include "aol/chat_sender.h"
#include "aol/disconnect_protection.h"
#include "core/about_windows.h"
#include "core/drelm_globals.h"
#include "core/event_runtime.h"
#include "core/form_model.h"
#include "core/settings_store.h"
#include "core/status_log.h"
#include "core/system_tray.h"
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
#include "program/frm_main.h"
#include "program/options_menu_access.h"

namespace drelm {

// The application's title: prompts without a title of their own show it.
inline constexpr const char* kAppTitle = "drelm idle";

class Program {
 public:
  explicit Program(Platform platform);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Loads the main window: the start-up sequence runs to its end (or until the program ends).
  void Start();
  bool Ended() const { return ended_; }

  // Ends the program at once: the tray icon goes, every timer stops, every window closes
  // without running a handler, the loop is asked to quit, and ProgramEnded unwinds every wait
  // in progress up to the outermost event.
  [[noreturn]] void End(int exitCode);

  // The click sound of every click area.
  void PlayClick();

  Platform platform;
  EventEntry entry;
  std::string appTitle;
  SettingsStore store;
  StatusLog log;
  DrelmGlobals drelmglobals;
  ChatSender chat;

  FrmOptions frmOptions;
  FrmReasons frmReasons;
  FrmMain frmMain;
  SystemTray tray;
  FrmAbout frmAbout;
  FrmGreetz frmGreetz;
  AboutCommands about;
  StyleCommands style;
  StatsCommands stats;
  AolContext aolContext;
  DisconnectProtection dcp;
  OptionsMenuAccess menuAccess;
  IdleEngine idle;
  TransferOptionCommands transferOptions;
  AolTweakCommands aolTweaks;
  FrmMsg frmMsg;
  FrmAFKMessages frmAFKMessages;
  AwayRecorder recorder;

 private:
  void WireMenu();
  void WireAwayRecorder();
  ReviewWindowsContext ReviewContext();

  bool ended_ = false;
};

}  // namespace drelm
