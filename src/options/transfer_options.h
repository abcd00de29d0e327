// The reconnect and transfer items that are more than on/off toggles: disconnect protection on
// and off (in the Windows 2000 mode only after the user picked the AOL program file), the sign-on
// style with its password, the private room to re-enter, and how long a transfer file name may
// be before it is shortened. Each reports one status message, except the shortening, which logs
// nothing; none plays the click sound or posts to the chat room.
#pragma once

#include "core/aol_password.h"
#include "core/settings_store.h"
#include "core/status_log.h"
#include "core/wiring.h"
#include "options/frm_options.h"
#include "platform/user.h"

namespace drelm {

struct TransferOptionsContext {
  FrmOptions& options;
  User& user;
  SettingsStore& settings;
  AolPassword& password;
  StatusLog& log;
};

class TransferOptionCommands {
 public:
  // Gives the five items of the options menu their actions.
  TransferOptionCommands(TransferOptionsContext context, Wiring& wiring);

  void cmdDcpAolOpts_Click();
  void cmdSetPW_Click();
  void cmdStoredPW_Click();
  void mnuSetPr_Click();
  void mnushort_Click();

 private:
  void SetSignOnStyle(bool stored);

  TransferOptionsContext context_;
};

}  // namespace drelm
