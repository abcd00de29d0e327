// The commands that change the user's chat style and identity: the handle, the two decorations,
// the two fonts, the two colours and the AIM screen name. Each proposes the current value in an
// input box, stores the answer, keeps the program's in-memory copy current, shows a preview in
// the chat room, rewrites its menu caption and logs the change. A reserved handle needs the
// authors' password; a wrong one changes nothing and teases the signed-on member in the room.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "aol/chat_sender.h"
#include "core/drelm_globals.h"
#include "core/menu_model.h"
#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "core/status_log.h"
#include "core/wiring.h"
#include "platform/user.h"

namespace drelm {

inline constexpr std::string_view kReservedHandleQuestion =
    "umm, are you a poser?, if not please enter the password to use our handle";
// Follows the signed-on screen name (in lower case) when a reserved handle's password was wrong.
inline constexpr std::string_view kReservedHandleTaunt = " - nice try, that handle is taken";

struct StyleContext {
  User& user;
  // Plays the click sound.
  std::function<void()> click;
  SettingsStore& settings;
  StatusLog& log;
  ChatSender& chat;
  DrelmGlobals& globals;
  MenuModel& menu;
  // The screen name signed on in the AOL client, empty when none is.
  std::function<std::string()> currentScreenName;
};

class StyleCommands {
 public:
  // Gives its menu items their actions.
  StyleCommands(StyleContext context, Wiring& wiring);

  void cmdHandle_Click();
  void cmdLeftAscii_Click();
  void cmdRightAscii_Click();
  void cmdAsciiFont_Click();
  void cmdMainFont_Click();
  void cmdAsciiColor_Click();
  void cmdMainColor_Click();
  void cmdAim_Click();

 private:
  std::string Ask(std::string_view prompt, const std::string& proposed, bool clickSound);
  // Stores the value, updates the in-memory copy (if any), posts the preview (if any), shows
  // captionValue in the item's caption and logs.
  void Apply(const SettingKey& key, const std::string& value, std::string* copy,
             const std::optional<std::string>& preview, std::string_view captionValue,
             std::string_view logMessage);
  // "<font color=#" + ascii colour + ">" + value + "<font color=#" + main colour + ">"
  std::string Highlighted(std::string_view value) const;
  void AskColor(const SettingKey& key, std::string_view prompt, std::string& copy);

  StyleContext context_;
};

}  // namespace drelm
