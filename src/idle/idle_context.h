// What the idle engine reaches: the platform pieces, the store, the log, the chat sender and
// the values in memory; the options menu; the main window's timers, scanner and labels; the
// reasons window; the AOL client through the pieces of the AOL layer it calls; and the review
// window of the away recorder, handed in as functions so the engine never names that feature. A
// review function left empty does nothing (a count of none is 0).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "aol/aol_context.h"
#include "aol/chat_sender.h"
#include "aol/disconnect_protection.h"
#include "aol/transfer_reader.h"
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

// The AOL client as the session and the scroller reach it: ghost, IMs and upchat through the AOL
// context, the upload window through the transfer reader, and the restart after a dropped
// connection through disconnect protection.
struct IdleAol {
  AolContext& aol;
  TransferReader& transfers;
  DisconnectProtection& dcp;
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
  IdleAol aol;
  IdleReview review;
};

}  // namespace drelm
