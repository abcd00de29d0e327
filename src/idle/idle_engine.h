// The idle engine: the session switch (start, stop, the main window's toggle and the automatic
// start of Timer4), the status scroller that Timer1 drives, and the commands of the "idle
// options" menu. Check marks are read at the moment a step acts, never cached. Every handler
// expects to run inside an outermost event (a click, a menu choice, a timer tick).
#pragma once

#include <string_view>

#include "core/wiring.h"
#include "idle/idle_clock.h"
#include "idle/idle_context.h"
#include "idle/reasons.h"

namespace drelm {

namespace idle_items {
inline constexpr std::string_view kStartIdle = "cmdStartIdle";
inline constexpr std::string_view kStopIdle = "cmdStopIdle";
inline constexpr std::string_view kRegularIdle = "cmdRegularIdle";
inline constexpr std::string_view kLinker = "cmdLinker";
inline constexpr std::string_view kAfkBot = "cmdAFKBot";
inline constexpr std::string_view kAutoIdle = "cmdAutoIdle";
inline constexpr std::string_view kMultipleReasons = "cmdMultipleReasons";
inline constexpr std::string_view kScrollAim = "mnuScrollAIm";
inline constexpr std::string_view kOneMin = "cmdOneMin";
inline constexpr std::string_view kTwoMin = "cmdTwoMin";
inline constexpr std::string_view kThreeMin = "cmdThreeMin";
inline constexpr std::string_view kCustom = "mnuCustom";
}  // namespace idle_items

// The minute of Timer4 at which an untouched program starts idling by itself.
inline constexpr int kAutoIdleMinutes = 5;
// Ticks without a signed-on name before disconnect protection restarts AOL.
inline constexpr int kReconnectTicks = 5;

class IdleEngine {
 public:
  // Gives the menu items of idling their actions and Timer1 and Timer4 their ticks.
  IdleEngine(IdleContext context, Wiring& wiring);
  IdleEngine(const IdleEngine&) = delete;
  IdleEngine& operator=(const IdleEngine&) = delete;

  // Sessions.
  void cmdStartIdle_Click();
  void cmdStopIdle_Click();
  void Label3_Click();
  void Timer4_Timer();

  // The status scroller.
  void Timer1_Timer();

  // Idle mode commands.
  void cmdRegularIdle_Click();
  void cmdLinker_Click();
  void cmdAFKBot_Click();
  void cmdOneMin_Click();
  void cmdTwoMin_Click();
  void cmdThreeMin_Click();
  void mnuCustom_Click();
  void cmdMultipleReasons_Click();
  void mnuScrollAIm_Click();
  void cmdAutoIdle_Click();
  void cmdRegReason_Click();
  void cmdAfkReason_Click();
  void cmdLinkerReason_Click();
  void cmdHyperLink_Click();
  void cmdReason_Click();

  IdleContext& Context() { return context_; }

 private:
  bool Checked(std::string_view item) const { return context_.menu.Item(item).checked; }
  MenuItem& Item(std::string_view item) { return context_.menu.Item(item); }
  void Log(std::string_view message) { context_.log.WriteLog(message); }
  void Send(std::string_view line) { context_.chat.SendChat(line); }
  void PauseSeconds(int seconds);
  void SetSessionItems(bool running);
  IdleClockLabels ClockLabels();

  // False when the tick found no one signed on (with protection on).
  bool DisconnectWatch();
  void AutoUpchatWatch();
  void PostStatus();
  void PostReasonLine();
  void PostTransferLine();

  void ChooseIdleType(std::string_view item);
  void ChooseInterval(std::string_view item);
  std::string Prompt(const std::string& message, const std::string& defaultAnswer,
                     const std::string& title);

  IdleContext context_;
  ReasonDrawer drawer_;
};

}  // namespace drelm
