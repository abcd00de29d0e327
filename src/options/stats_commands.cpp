#include "options/stats_commands.h"

#include <string>
#include <utility>

#include "aol/chat_markup.h"
#include "aol/window_lookup.h"
#include "core/pause.h"
#include "core/product_site.h"
#include "core/settings_catalogue.h"
#include "idle/idle_time_text.h"
#include "options/not_available.h"
#include "options/stats_lines.h"
#include "options/stored_options.h"
#include "platform/winuser_constants.h"
#include "text/ansi.h"

namespace drelm {

StatsCommands::StatsCommands(StatsContext context, Wiring& wiring) : context_(std::move(context)) {
  wiring.OnMenu("cmdBragStats", [this] { cmdBragStats_Click(); });
  wiring.OnMenu("cmdClearStats", [this] { cmdClearStats_Click(); });
  wiring.OnMenu("cmdAdvertise", [this] { cmdAdvertise_Click(); });
  wiring.OnMenu("cmdScrollTransfer", [this] { cmdScrollTransfer_Click(); });
  wiring.OnMenu("cmdTotalTimeIdled", [this] { cmdTotalTimeIdled_Click(); });
}

void StatsCommands::Pause(int seconds) {
  drelm::Pause(context_.clock, context_.loop, seconds);
}

void StatsCommands::cmdBragStats_Click() {
  const SettingsStore& store = context_.settings;
  const DrelmGlobals& g = context_.globals;
  const std::string version = AolVersion(context_.windows);
  const std::string uptime = UptimeText(context_.clock);
  const std::string record = DurationText(LeadingNumber(store.Read(setting::kCount)));
  const std::string loads = std::to_string(LeadingNumber(store.Read(setting::kLoads)) + 1);
  // The idle totals as stored, not as numbers.
  const std::string idled = store.Read(setting::kIdleDays) + "d " +
                            store.Read(setting::kIdleHours) + "h " + store.Read(setting::kIdleMin) +
                            "m";

  context_.chat.SendAdvertLine();
  Pause(1);
  context_.chat.SendChat(LoadsLine(g, version, loads) + FontColor(g.MainColor) +
                         " brag:" + FontColor(g.AsciiColor) + " " + idled);
  Pause(1);
  context_.chat.SendChat(UptimeLine(g, uptime, record));
  context_.log.WriteLog("braging total stats");
}

void StatsCommands::cmdClearStats_Click() {
  const std::uint32_t answer = context_.user.MessageBox(std::string(kClearStatsQuestion),
                                                        std::string(kNoticeTitle), MB_YESNO);
  if (answer != IDYES) {
    if (context_.showMainWindow) context_.showMainWindow();
    return;
  }
  using namespace setting;
  for (const SettingKey* key : {&kLoads, &kIdleMin, &kIdleHours, &kIdleDays, &kMb}) {
    context_.settings.Write(*key, "0");
  }
  ApplySetting(context_.menu, kLoads, "0");
  ApplyIdleTimeCaption(context_.menu, "0", "0", "0");
  ApplySetting(context_.menu, kMb, "0");
  context_.chat.SendChat("stats sucessfully cleared");
  context_.log.WriteLog("<d> drelm idle - total stats cleared");
}

void StatsCommands::cmdAdvertise_Click() {
  if (context_.click) context_.click();
  context_.chat.SendAdvertLine();
  Pause(1);
  // The leading "</a>" closes any link a line before left open.
  context_.chat.SendChat("</a>< a href=\"" + std::string(kProductSiteAddress) +
                         "\">get this shit ova here</a>");
  context_.log.WriteLog("advertised");
}

void StatsCommands::cmdScrollTransfer_Click() {
  const DrelmGlobals& g = context_.globals;
  // Decided once: the transfer reader may change the kind during the pauses below.
  const std::string kind = g.TransferKind;
  if (kind == "dl" || kind == "ul") {
    const bool down = kind == "dl";
    Pause(0);
    context_.chat.SendChat(down ? "downloading file: " + g.DlFileName
                                : "uploading file: " + g.UlFileName);
    Pause(1);
    context_.chat.SendChat(down ? "download percentage: " + g.DlPercent + "%"
                                : "upload percentage: " + g.UlPercent + "%");
    Pause(1);
    context_.chat.SendChat((down ? g.DlTimeLeft : g.UlTimeLeft) + " minutes left");
    Pause(1);
  } else {
    context_.chat.SendChat(std::string(kNoTransferLine));
    context_.log.WriteLog("scrolled tranfer status - no current file transfer");
  }
  // A transfer is reported again only once the reader has seen its window again.
  context_.globals.TransferKind = "none";
}

void StatsCommands::cmdTotalTimeIdled_Click() {
  context_.reasons.items.push_back(context_.globals.UserHandle + " has a total time of 0d 0m 0s");
}

}  // namespace drelm
