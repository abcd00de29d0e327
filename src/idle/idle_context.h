// What the idle engine reaches: the platform pieces, the store, the log, the chat sender and
// the values in memory; the options menu; the main window's timers, scanner
// and labels; the reasons window; and the AOL operations and review window of other features,
// which are handed in as functions so the engine never names those features. An operation
// left empty does nothing (a read of one gives empty text or no window).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "aol/chat_sender.h"
#include "core/drelm_globals.h"
#include "core/event_runtime.h"
#include "core/form_model.h"
#include "core/menu_model.h"
#include "core/settings_store.h"
#include "core/status_log.h"
#include "idle/chat_scanner.h"
#include "idle/frm_reasons.h"
#include "platform/platform.h"

namespace drelm {

// The AOL client operations the session and the scroller use.
struct IdleAolOperations {
  std::function<void()> GhostOn;
  std::function<void()> GhostOff;
  std::function<void()> ImsOff;
  std::function<void()> ImsOn;
  std::function<void()> UpchatOn;
  std::function<void()> UpchatOff;
  std::function<std::string()> CurrentScreenName;
  std::function<Hwnd()> FindTransferModalQuiet;
  std::function<Hwnd()> FindUploadChild;
  std::function<std::string()> ReadUlPercentModalDash;
  std::function<std::string(Hwnd)> ProcessPathOfWindow;
  // Disconnect protection's restart: 1 to sign on with the set password, 0 with the stored one.
  std::function<void(int)> RestoreAol;
};

// The recorded messages the away bot keeps, and showing them in place of the main window.
struct IdleReview {
  std::function<void()> ShowRecordedMessages;
  std::function<std::size_t()> RecordedCount;
};

struct IdleMainWindow {
  Form& form;
  Timer& Timer1;
  Timer& Timer3;
  Timer& Timer4;
  ChatScanner& Chat1;
  Label& Label3;
  Label& lblMins;
  Label& lblHours;
  Label& lblDays;
};

struct IdleContext {
  Platform& platform;
  SettingsStore& store;
  StatusLog& log;
  ChatSender& chat;
  DrelmGlobals& globals;
  // Check marks, enabled states and captions: the live state of every option.
  MenuModel& menu;
  IdleMainWindow main;
  FrmReasons& frmReasons;
  std::function<void()> playClick;
  IdleAolOperations aol;
  IdleReview review;
};

}  // namespace drelm
