// What disconnect protection and the flash session reach: the AOL client's windows with the loop
// and clock its waits need, the status log that hears why a step gave up, the shell that starts
// the client again, the settings (program path, private room), the AOL password, the chat
// sender for the announcements, and the live check marks of the options menu, read at the moment
// of use.
#pragma once

#include <functional>
#include <string_view>

#include "aol/aol_context.h"
#include "aol/chat_sender.h"
#include "core/aol_password.h"
#include "core/settings_store.h"
#include "platform/shell.h"

namespace drelm {

struct DcpContext {
  AolContext aol;
  Shell& shell;
  SettingsStore& settings;
  AolPassword& password;
  ChatSender& chat;
  // The check mark of the options menu item with this name.
  std::function<bool(std::string_view item)> checked;
};

}  // namespace drelm
