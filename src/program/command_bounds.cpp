#include "program/command_bounds.h"

#include "core/timeouts.h"

namespace drelm {

namespace {

using namespace timeouts;

// A pause of whole seconds may last half a second more (core/pause.h).
constexpr std::uint32_t PauseMs(std::uint32_t seconds) {
  return seconds * 1000 + 500;
}

// One chat line the careful way (AOL 4 and 5): every attempt waits for the line to show in the
// input; the last one also for it to leave and for the user's own text to come back.
constexpr std::uint32_t kLineMs = kChatSendMaxAttempts * kChatLineShowsMs + kChatLineLeavesMs +
                                  kChatRestoreShowsMs + 2 * kChatSendPollMs;
// Ghost on or off: the Buddy List by keyword, privacy preferences, their saving, AOL's answer.
constexpr std::uint32_t kPrivacyMs = kKeywordWindowMs + 3 * kAolWindowMs;
// An IM (IMs on or off, the away bot's answer): its window by keyword, then AOL's answer.
constexpr std::uint32_t kImMs = kKeywordWindowMs + kImSendAnswerMs;
// A window of AOL's closed until it is gone; AOL's boxes answered one by one.
constexpr std::uint32_t kCloseMs = kAolWindowCloseRounds * kAolWindowCloseMs;
constexpr std::uint32_t kBoxesMs = kBoxAnswerRounds * (kLateBoxMs + kAolWindowCloseMs) + kLateBoxMs;
// A toolbar menu picked by clicking its icon again until the menu shows.
constexpr std::uint32_t kToolbarPickMs = kToolbarMenuMs + kToolbarMenuReclickMs;
constexpr std::uint32_t kLaterMs = kLaterPressRounds * kLateBoxMs + kBoxesMs + kCloseMs;
constexpr std::uint32_t kContinueDownloadsMs =
    kLineMs + PauseMs(1) + kTransferWindowRounds * (PauseMs(1) + kDownloadManagerMs) + kLaterMs;
constexpr std::uint32_t kContinueUploadsMs =
    kLineMs + PauseMs(1) +
    kTransferWindowRounds * (kToolbarPickMs + PauseMs(1) + kToolbarPopupMs + kOutboxMs) + kLaterMs;
constexpr std::uint32_t kFlashSessionMs =
    kToolbarPickMs + PauseMs(1) + kToolbarPopupMs + kAutomaticAolMs +
    5 * kCheckBoxClicks * PauseMs(0) + kCloseMs + kRunNowPresses * PauseMs(1) + PauseMs(2) +
    kToolbarPopupMs + kCloseMs + kAutomaticAolMs + kBeginPressMs + PauseMs(1);
// Transfers continued after a reconnect or a killed "File not found.", with their flash session.
constexpr std::uint32_t kContinueMs =
    kContinueDownloadsMs + kContinueUploadsMs + kLineMs + PauseMs(1) + kFlashSessionMs;
// Disconnect protection: closing the client, starting it again, signing on, the private room,
// the line that says so and the transfers continued.
constexpr std::uint32_t kCloseAolMs = kAolCloseRounds * 2 * PauseMs(1) + kAolWindowCloseMs;
constexpr std::uint32_t kSignOnAllMs =
    2 * kSignOnWindowMs + PauseMs(1) + kSignOnMs + kSignOnPressMs + PauseMs(1);
constexpr std::uint32_t kRestoreMs = kCloseAolMs + kAolStarts * kAolStartMs + PauseMs(1) +
                                     kSignOnAllMs + PauseMs(10) + kRoomEntryMs + PauseMs(1) +
                                     kLineMs + PauseMs(1) + kContinueMs;
// The status lines of an idle tick: time, reason after a pause, away, link, a transfer after a
// pause; and the automatic upchat's line.
constexpr std::uint32_t kStatusLinesMs = 6 * kLineMs + PauseMs(1) + PauseMs(0);

// clang-format off
constexpr CommandBound kBounds[] = {
  {"cmdAdvertise", PauseMs(1) + kLineMs, "the advertising line, a pause, the site's line"},
  {"cmdBragStats", 2 * (PauseMs(1) + kLineMs), "the advertising line, then two lines after pauses"},
  {"cmdHandle", kLineMs, "the preview line, or the line about a reserved handle"},
  {"cmdLeftAscii", kLineMs, "the preview line"},
  {"cmdRightAscii", kLineMs, "the preview line"},
  {"cmdAsciiFont", kLineMs, "the preview line"},
  {"cmdMainFont", kLineMs, "the preview line"},
  {"cmdAsciiColor", kLineMs, "the preview line"},
  {"cmdMainColor", kLineMs, "the preview line"},
  {"cmdStartIdle", kPrivacyMs + PauseMs(1) + kImMs + kLineMs,
   "ghost on and a pause, IMs off, the going-idle line"},
  {"cmdStopIdle", 2 * kLineMs + PauseMs(0) + 2 * (kPrivacyMs + PauseMs(1)) + 2 * kImMs + kLineMs,
   "the away bot's two lines, ghost on and off with pauses, IMs off and on, the back line"},
  {"cmdScrollTransfer", PauseMs(0) + 3 * (kLineMs + PauseMs(1)), "three transfer lines after pauses"},
  {"cmdClearStats", kLineMs, "the line that says so"},
  {"cmdIMSon", kImMs, "an IM to $IM_ON"},
  {"cmdIMSoff", kImMs, "an IM to $IM_OFF"},
  {"cmdGhostOn", kPrivacyMs, "privacy preferences through the Buddy List"},
  {"cmdGhostOff", kPrivacyMs, "privacy preferences through the Buddy List"},
  {"cmdExit", 2 * PauseMs(1) + kLineMs, "the advertising line and the unload line, each and a pause"},
  {"cmdStartDL", 2 * PauseMs(1) + kToolbarPopupMs + 2 * (kLineMs + PauseMs(1)),
   "the mail menu, two pauses, then the walk's start and end lines with pauses"},
  {"tick Timer1", kRestoreMs + kStatusLinesMs,
   "disconnect protection when the client went, then the status lines"},
  {"tick Timer2", kContinueMs, "transfers continued after a killed \"File not found.\""},
  {"tick Timer3", kImMs + PauseMs(0), "the away bot's answer to an IM"},
  {"tick Timer4", kLineMs, "the automatic idle start's line"},
  {"tick Chat1.scan", kLineMs, "the away bot's line for a recorded message"},
};
// clang-format on

}  // namespace

std::span<const CommandBound> CommandBounds() {
  return kBounds;
}

std::uint32_t CommandBoundMs(std::string_view name) {
  for (const CommandBound& bound : kBounds) {
    if (bound.name == name) return bound.boundMs;
  }
  return 0;
}

}  // namespace drelm
