#include "options/toggle_table.h"

#include <algorithm>

namespace drelm {

namespace {

using namespace setting;

// clang-format off
constexpr ToggleRow kToggles[] = {
  // idle options > kills
  {"mnuhidestatus", &kHideStatus, kValueOn, kValueOff, "hide status on start turned on", "hide status on start turned off"},
  {"mnushowstatus", &kShowStatus, kValueOn, kValueOff, "show status on stop turned on", "show status on stop turned off"},
  // The same entry both ways is how this option has always logged.
  {"cmdMessageTLTC", &kKillTltc, kValueOn, kValueOff, "kill message to long to complex", "kill message to long to complex"},
  {"cmdKill45Min", &kKill45, kValueOn, kValueOff, "kill 45 min timer enabled", "kill 45 min timer disabled"},
  // idle options > ghost - ims
  {"cmdONStartGhost", &kGhostOnStart, kValueTrue, kValueFalse, "ghost on after start enabled", "ghost on after start disabled"},
  {"cmdONStopGhost", &kGhostOnStop, kValueTrue, kValueFalse, "ghost off on stop enabled", "ghost off on stop disabled"},
  {"cmdOFFStopGhost", &kGhostOffStop, kValueTrue, kValueFalse, "ghost off off stop enabled", "ghost off off stop disabled"},
  {"cmdIMSoffStart", &kImsOffStart, kValueTrue, kValueFalse, "ims off at start enabled", "ims off at start disabled"},
  {"cmdIMSoffStop", &kImsOffStop, kValueTrue, kValueFalse, "ims off at stop enabled", "ims off at stop disabled"},
  {"cmdIMSonAfterStop", &kImsOnStop, kValueTrue, kValueFalse, "ims on at stop enabled", "ims on at stop disabled"},
  // dcp aol options
  {"mnuEnterpr", &kEnterPr, kValueOn, kValueOff, "dcp aol - enter private room [on]", "dcp aol - enter private room [off]"},
  {"cmdContUp", &kContinueUploads, kValueOn, kValueOff, "dcp aol - continue uploads [on]", "dcp aol - continue uploads [off]"},
  {"cmdContDown", &kContinueDownloads, kValueOn, kValueOff, "dcp aol - continue downloads [on]", "dcp aol - continue downloads [off]"},
  // file transfer options; the status-line option switches silently
  {"cmdScrollDlulstatus", &kScrollDlUlStatus, kValueOn, kValueOff, std::nullopt, std::nullopt},
  {"cmdEnableAutoUpchat", &kAutoUpchat, kValueOn, kValueOff, "auto upchat enabled", "auto upchat disabled"},
  {"cmdKillFileNotFound", &kKillFnf, kValueOn, kValueOff, "kill file not found enabled", "kill file not found disabled"},
  {"mnuContinueUpAffFnFK", &kContUlAfterFileNotFound, kValueOn, kValueOff, "continue uploads after file not found kill enabled", "continue uploads after file not found kill disabled"},
  {"mnucontinueUpAfterFileNotFOundKill", &kContDlAfterFileNotFound, kValueOn, kValueOff, "continue downloads after file not found kill enabled", "continue downloads after file not found kill disabled"},
};
// clang-format on

}  // namespace

std::span<const ToggleRow> ToggleTable() {
  return kToggles;
}

const ToggleRow* FindToggle(std::string_view itemName) {
  const auto* it = std::find_if(std::begin(kToggles), std::end(kToggles),
                                [&](const ToggleRow& row) { return row.item == itemName; });
  return it == std::end(kToggles) ? nullptr : it;
}

void SwitchToggle(MenuItem& item, const ToggleRow& row, SettingsStore& settings, StatusLog& log) {
  const bool switchOn = !item.checked;
  item.checked = switchOn;
  settings.Write(*row.setting, switchOn ? row.onValue : row.offValue);
  const std::optional<std::string_view>& message = switchOn ? row.onMessage : row.offMessage;
  if (message) log.WriteLog(*message);
}

}  // namespace drelm
