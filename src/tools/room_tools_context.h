// What the room buster and the room runner reach: the AOL client through its waiting context,
// the main window they hide and show again, the colours of their chat lines, the chat sender, the
// click sound, and the two bounded waits for AOL's answer to a room request (both normalise the
// name they are given, as AOL compares room names).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "aol/aol_context.h"
#include "core/drelm_globals.h"
#include "core/form_model.h"

namespace drelm {

struct RoomToolsContext {
  AolContext aol;
  Form& frmMain;
  const DrelmGlobals& globals;
  std::function<void(std::string_view)> sendChat;
  std::function<void()> click;
  // Waits for the room or AOL's "room full" box and presses the box away.
  std::function<void(std::string&)> waitRoomOrDismiss;
  // The same wait, leaving the box; true unless the room was entered (no answer in time counts
  // as a refusal).
  std::function<bool(std::string&)> roomEntryRefused;
};

// The design caption of both windows.
inline constexpr const char* kRoomToolsCaption = "drelm idle by quoSt n' vrin";

}  // namespace drelm
