// The main window: the small always-on-top panel with the idle clock, the status line, the four
// timers and the click areas (drag, menu, minimise, tray, exit). Loading it runs the start-up;
// its exit announces the departure in the chat room, keeps the uptime record and ends the
// program at once. Every handler is an outermost event: it may be called from the host's loop
// or from a test, and ending the program inside it unwinds whatever waits were in progress.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "aol/chat_sender.h"
#include "core/drelm_globals.h"
#include "core/event_runtime.h"
#include "core/form_model.h"
#include "core/settings_store.h"
#include "core/status_log.h"
#include "core/system_tray.h"
#include "core/wiring.h"
#include "idle/chat_scanner.h"
#include "idle/frm_reasons.h"
#include "options/frm_options.h"
#include "platform/platform.h"

namespace drelm {

// The application's title: prompts without a title of their own show it.
inline constexpr const char* kAppTitle = "drelm idle";

// What the main window, its start-up and its exit reach. end is the program's end (it does not
// return: ProgramEnded unwinds every wait in progress). The functions may be given after the
// window is built, by the features that own what they do.
struct FrmMainContext {
  Platform& platform;
  EventEntry& entry;
  SettingsStore& store;
  StatusLog& log;
  DrelmGlobals& globals;
  ChatSender& chat;
  FrmOptions& options;
  FrmReasons& reasons;
  SystemTray& tray;
  std::string& appTitle;
  std::function<void(int exitCode)> end;
  // The start label: going idle or coming back (the idle engine's toggle).
  std::function<void()> toggleIdle;
};

class FrmMain : public Form {
 public:
  FrmMain(FrmMainContext context, Wiring& wiring);

  // Controls in design order.
  Timer Timer4;
  ChatScanner Chat1;
  Timer Timer3;
  Timer Timer2;
  Timer Timer1;
  Decoration Image1{"Image1"};
  Decoration Line2{"Line2"};
  Decoration Line1{"Line1"};
  Label lblStatus;
  Label Label5;
  Label Label4;
  Label Label3;
  Label lblMinimize;
  Label lblExit;
  Label lblDragMe;
  Label lblMins;
  Label lblHours;
  Label lblDays;
  Label lblMenu;

  // The start-up sequence.
  void Form_Load();

  // Click areas.
  void lblDragMe_MouseDown();
  void lblMenu_Click();
  void lblMinimize_Click();
  void Label4_Click();
  void Label5_Click();
  // The start/stop toggle of idling.
  void Label3_Click();
  // The exit sequence; the options menu's "exit" runs it too.
  void lblExit_Click();
  // Windows ends the session (log-off, shut-down): what the exit keeps is kept, without the
  // lines into the chat room, and the program ends.
  void SessionEnding();

 private:
  void SetStatus(std::string_view text) { lblStatus.caption = text; }
  void PauseSeconds(int seconds);
  void Click();
  void RunStartUp();
  void RunExit();
  void SaveAndEnd();

  FrmMainContext c_;
  bool exiting_ = false;
};

}  // namespace drelm
