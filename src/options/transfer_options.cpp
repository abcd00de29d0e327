#include "options/transfer_options.h"

#include <string>

#include "core/settings_catalogue.h"
#include "options/not_available.h"
#include "text/ansi.h"

namespace drelm {

namespace {

// The file-open dialog's filter as the user sees it; the dialog trims the blanks around "|".
constexpr const char* kAolFileFilter = "*aol.exe (aol file) | aol.exe";
// Deliberately case-sensitive, as it always was: settings of earlier installs rely on it.
constexpr std::string_view kAolFileName = "aol.exe";

bool OnlyBlanks(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

TransferOptionCommands::TransferOptionCommands(TransferOptionsContext context, Wiring& wiring)
    : context_(context) {
  wiring.OnMenu("cmdDcpAolOpts", [this] { cmdDcpAolOpts_Click(); });
  wiring.OnMenu("cmdSetPW", [this] { cmdSetPW_Click(); });
  wiring.OnMenu("cmdStoredPW", [this] { cmdStoredPW_Click(); });
  wiring.OnMenu("mnuSetPr", [this] { mnuSetPr_Click(); });
  wiring.OnMenu("mnushort", [this] { mnushort_Click(); });
}

void TransferOptionCommands::cmdDcpAolOpts_Click() {
  using namespace setting;
  MenuItem& item = context_.options.Item(kAolDcp.menuItem);
  if (item.checked) {
    item.checked = false;
    item.caption = ValueCaption(kAolDcp.captionLabel, "off");
    context_.settings.Write(kAolDcp, kValueOff);
    context_.log.WriteLog("disconnect protect aol off");
    return;
  }
  if (LowerAnsi(context_.settings.Read(kOss)) == kValueLowerTrue) {
    // The Windows 2000 mode cannot learn the program file from the running client, so the user
    // names it; anything that is not an aol.exe leaves protection off.
    const std::string file = context_.user.OpenFileDialog("", kAolFileFilter);
    if (file.find(kAolFileName) == std::string::npos) return;
    context_.settings.Write(kLastAolPath, file);
  }
  item.checked = true;
  item.caption = ValueCaption(kAolDcp.captionLabel, "on");
  context_.settings.Write(kAolDcp, kValueOn);
  context_.log.WriteLog("disconnect protect aol on");
}

void TransferOptionCommands::cmdSetPW_Click() {
  // The password goes to the store only, sealed where the system can; never to the log.
  const std::string password =
      context_.user.InputBox("enter the password you wish to use", "drelm idle quoSt n' vrin", "");
  context_.password.Write(password);
  SetSignOnStyle(false);
  context_.log.WriteLog("dcp aol style - set password");
}

void TransferOptionCommands::cmdStoredPW_Click() {
  SetSignOnStyle(true);
  context_.log.WriteLog("dcp aol style - stored password");
}

void TransferOptionCommands::SetSignOnStyle(bool stored) {
  const SettingKey& key = setting::kDcpAolStyle;
  context_.options.Item(key.groupItems[0]).checked = stored;
  context_.options.Item(key.groupItems[1]).checked = !stored;
  const std::string_view value = stored ? kValueStored : kValueSet;
  context_.settings.Write(key, value);
  context_.options.Item(key.menuItem).caption =
      std::string(key.captionLabel) + " -[" + std::string(value) + "]-";
}

void TransferOptionCommands::mnuSetPr_Click() {
  const std::string room = context_.user.InputBox("enter private room to enter on dcp of aol",
                                                  std::string(kNoticeTitle), "");
  if (OnlyBlanks(room)) return;
  const SettingKey& key = setting::kPrToEnter;
  context_.settings.Write(key, room);
  context_.options.Item(key.menuItem).caption = ValueCaption(key.captionLabel, room);
  context_.log.WriteLog("dcp aol - private room changed to [" + room + "]");
}

void TransferOptionCommands::mnushort_Click() {
  using namespace setting;
  MenuItem& item = context_.options.Item(kShortenUlDl.menuItem);
  if (item.checked) {
    item.checked = false;
    context_.settings.Write(kShortenUlDl, kValueOff);
    return;
  }
  item.checked = true;
  context_.settings.Write(kShortenUlDl, kValueOn);
  const std::string length =
      context_.user.InputBox("enter number of characters of how long the file name can be",
                             std::string(kNoticeTitle), context_.settings.Read(kShortenUlDlLength));
  if (!IsNumeric(length) || LeadingDecimal(length) < 1) return;
  context_.settings.Write(kShortenUlDlLength, length);
  item.caption = ValueCaption(kShortenUlDlLength.captionLabel, length);
}

}  // namespace drelm
