// Starting and stopping an idle session: by the menu, by the main window's toggle, and by the
// automatic start after kAutoIdleMinutes ticks of Timer4.
#include <string>

#include "aol/instant_messages.h"
#include "aol/privacy.h"
#include "core/pause.h"
#include "idle/idle_engine.h"
#include "idle/status_lines.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr std::string_view kOnStartGhost = "cmdONStartGhost";
constexpr std::string_view kOnStopGhost = "cmdONStopGhost";
constexpr std::string_view kOffStopGhost = "cmdOFFStopGhost";
constexpr std::string_view kImsOffStart = "cmdIMSoffStart";
constexpr std::string_view kImsOffStop = "cmdIMSoffStop";
constexpr std::string_view kImsOnStop = "cmdIMSonAfterStop";

}  // namespace

void IdleEngine::PauseSeconds(int seconds) {
  Pause(context_.platform.clock, context_.platform.loop, seconds);
}

IdleClockLabels IdleEngine::ClockLabels() {
  return {context_.main.lblMins, context_.main.lblHours, context_.main.lblDays};
}

void IdleEngine::SetSessionItems(bool running) {
  Item(idle_items::kStartIdle).enabled = !running;
  Item(idle_items::kStopIdle).enabled = running;
}

void IdleEngine::cmdStartIdle_Click() {
  IdleMainWindow& main = context_.main;
  AolContext& aol = context_.aol.aol;
  main.Timer1.SetEnabled(true);
  if (Checked(idle_items::kAfkBot)) {
    main.Timer3.SetEnabled(true);
    main.Chat1.StartScan();
  }
  SetSessionItems(true);
  if (Checked(kOnStartGhost)) {
    GhostOn(aol);
    Log("ghosting turned on");
    PauseSeconds(1);
  }
  if (Checked(kImsOffStart)) {
    ImsOff(aol);
    Log("im's turned off");
  }
  Send(AnnouncementLine(context_.globals, kGoingIdleSuffix));
  Log("idle started");
}

void IdleEngine::cmdStopIdle_Click() {
  IdleMainWindow& main = context_.main;
  AolContext& aol = context_.aol.aol;
  const DrelmGlobals& g = context_.globals;
  main.Timer1.SetEnabled(false);
  if (Checked(idle_items::kAfkBot)) {
    main.Timer3.SetEnabled(false);
    main.Chat1.StopScan();
    if (context_.review.ShowRecordedMessages) context_.review.ShowRecordedMessages();
    Send(AnnouncementLine(g, kBackSuffix));
    PauseSeconds(0);
    const std::size_t count = context_.review.RecordedCount ? context_.review.RecordedCount() : 0;
    Send(RecordedCountLine(g, count));
  }
  SetSessionItems(false);
  ResetIdleClockLabels(ClockLabels());
  if (Checked(kOnStopGhost)) {
    GhostOn(aol);
    PauseSeconds(1);
    Log("ghosting turned on");
  }
  if (Checked(kOffStopGhost)) {
    GhostOff(aol);
    Log("ghosting turned off");
    PauseSeconds(1);
  }
  if (Checked(kImsOffStop)) {
    ImsOff(aol);
    Log("im's turned off");
  }
  if (Checked(kImsOnStop)) {
    ImsOn(aol);
    Log("im's turned on");
  }
  Send(AnnouncementLine(g, kBackSuffix));
  Log("idle stopped");
}

void IdleEngine::Label3_Click() {
  Label& toggle = context_.main.Label3;
  if (toggle.caption == "stop") {
    toggle.caption = "start";
    cmdStopIdle_Click();
  } else {
    toggle.caption = "stop";
    cmdStartIdle_Click();
  }
}

void IdleEngine::Timer4_Timer() {
  IdleMainWindow& main = context_.main;
  DrelmGlobals& g = context_.globals;
  if (!Checked(idle_items::kAutoIdle)) return;
  if (main.Timer1.Enabled() || main.Timer3.Enabled()) {
    // Once the user has idled in this run, the automatic start stays out of the way.
    g.AutoIdleCount = "0";
    main.Timer4.SetEnabled(false);
    return;
  }
  const std::int64_t count = LeadingNumber(g.AutoIdleCount) + 1;
  g.AutoIdleCount = std::to_string(count);
  if (count != kAutoIdleMinutes) return;
  Send(kAutoIdleStartedLine);
  if (Checked(idle_items::kLinker) || Checked(idle_items::kRegularIdle))
    main.Timer1.SetEnabled(true);
  if (Checked(idle_items::kAfkBot)) main.Timer3.SetEnabled(true);
  main.Label3.caption = "stop";
  SetSessionItems(true);
  g.AutoIdleCount = "0";
}

}  // namespace drelm
