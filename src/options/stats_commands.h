// The statistics and advertising commands: "brag stats" posts the start count, the total idle
// time and the uptimes into the chat room, "clear stats" resets the counters after a Yes, and
// "advertise" posts the product's line with a link to its site. "scroll file transfer now"
// posts the progress of the transfer the transfer reader saw last, once per sighting; the
// reasons window's "[total]" item adds a line naming the handle to its list.
#pragma once

#include <functional>
#include <string_view>

#include "aol/chat_sender.h"
#include "core/drelm_globals.h"
#include "core/form_model.h"
#include "core/menu_model.h"
#include "core/settings_store.h"
#include "core/status_log.h"
#include "core/wiring.h"
#include "platform/clock.h"
#include "platform/event_loop.h"
#include "platform/user.h"
#include "platform/window_system.h"

namespace drelm {

inline constexpr std::string_view kClearStatsQuestion =
    "are you sure you want to clear your stats?";
inline constexpr std::string_view kNoTransferLine = "there is no current file transfer";

struct StatsContext {
  WindowSystem& windows;
  Clock& clock;
  EventLoop& loop;
  User& user;
  // Plays the click sound.
  std::function<void()> click;
  SettingsStore& settings;
  StatusLog& log;
  ChatSender& chat;
  DrelmGlobals& globals;
  MenuModel& menu;
  // The reasons window's list, which "[total]" adds to.
  ListBox& reasons;
  // Brings the main window into view.
  std::function<void()> showMainWindow;
};

class StatsCommands {
 public:
  // Gives its menu items their actions.
  StatsCommands(StatsContext context, Wiring& wiring);

  void cmdBragStats_Click();
  void cmdClearStats_Click();
  void cmdAdvertise_Click();
  void cmdScrollTransfer_Click();
  void cmdTotalTimeIdled_Click();

 private:
  void Pause(int seconds);

  StatsContext context_;
};

}  // namespace drelm
