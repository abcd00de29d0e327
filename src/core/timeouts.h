// Every bound on a wait and every poll interval of the program, in one place. Where the original
// design waits without end, the bound here is one that a working AOL client meets with room to
// spare; on expiry the operation logs what it gave up and returns. The backends below core keep
// their own two bounds beside their code: kCrossProcessSendMs (win32_window_system.h) and the
// settings file lock (file_registry.h).
#pragma once

#include <cstdint>

namespace drelm::timeouts {

// The careful chat send. A line set into the chat input must show there within
// kChatLineShowsMs or the attempt starts over; once Enter is sent it must leave the input within
// kChatLineLeavesMs or the send is pressed once more; the text the user had typed must be back
// within kChatRestoreShowsMs or it is set once more. The send gives up after
// kChatSendMaxAttempts whole attempts, or at once when the chat room is gone.
inline constexpr int kChatSendMaxAttempts = 20;
inline constexpr std::uint32_t kChatLineShowsMs = 500;
inline constexpr std::uint32_t kChatLineLeavesMs = 100;
inline constexpr std::uint32_t kChatRestoreShowsMs = 400;
// Clearing what the user typed: an input that keeps refusing is given up on after this many tries.
inline constexpr int kChatInputClearTries = 50;
// How often the careful send looks at the input again while it waits.
inline constexpr std::uint32_t kChatSendPollMs = 10;

// How often the chat scanner looks at the chat room while scanning: a chat line reaches the away
// recorder within about twice this.
inline constexpr std::uint32_t kChatScanIntervalMs = 1000;

// Waits for the AOL client's windows look again this often: the client is another process, so
// its windows change without an event in our queue.
inline constexpr std::uint32_t kAolPollMs = 50;
// A window AOL opens for a keyword (the IM window, the Buddy List) may need a round trip to the
// service; a window AOL shows on a press (privacy preferences, its box of confirmation, the
// privacy window going away) comes at once.
inline constexpr std::uint32_t kKeywordWindowMs = 10000;
inline constexpr std::uint32_t kAolWindowMs = 5000;
// After Send, the IM window closes (sent) or the "America Online" box comes (refused).
inline constexpr std::uint32_t kImSendAnswerMs = 15000;
// A toolbar icon is clicked again when its menu has not shown after kToolbarMenuReclickMs; the
// pick is given up after kToolbarMenuMs.
inline constexpr std::uint32_t kToolbarMenuReclickMs = 2000;
inline constexpr std::uint32_t kToolbarMenuMs = 10000;
// A room request (room buster, room runner): AOL answers with the room or with its message box
// after asking the service, which over a slow line takes seconds.
inline constexpr std::uint32_t kRoomAnswerMs = 30000;
// While the auto-download-later run walks the mail reader, the AOL client's own standard dialogs
// are answered, one a tick at this interval. The walk does not wait for them, so the answering
// goes on after it: until none has come for kLaterDialogsQuietMs (a press of the walk brings its
// dialog well within that), and at most kLaterDialogsMs after the walk.
inline constexpr std::uint32_t kDialogPresserMs = 250;
inline constexpr std::uint32_t kLaterDialogsQuietMs = 3000;
inline constexpr std::uint32_t kLaterDialogsMs = 30000;

// Disconnect protection. Closing the client: rounds of hide, WM_DESTROY and WM_CLOSE, a second
// apart, before the client counts as one that will not close.
inline constexpr int kAolCloseRounds = 5;
// Starting the recorded program file: at most kAolStarts starts; a start that shows no main
// window within kAolRestartMs is tried again, one whose main window came gets kAolStartMs in
// all to show "Sign On".
inline constexpr int kAolStarts = 3;
inline constexpr std::uint32_t kAolRestartMs = 5000;
inline constexpr std::uint32_t kAolStartMs = 30000;
// While it waits for "Sign On", the started client's main window is maximised this often.
inline constexpr std::uint32_t kSignOnMaximiseMs = 2000;
// Signing on: "Sign On" ready (password box and four buttons), the button pressed again every
// kSignOnPressMs while not signed on, and the whole sign-on given up after kSignOnMs (a dial-up
// connection with retries takes a minute or two).
inline constexpr std::uint32_t kSignOnWindowMs = 30000;
inline constexpr std::uint32_t kSignOnPressMs = 2000;
inline constexpr std::uint32_t kSignOnMs = 180000;
// The private room asked for after a sign-on.
inline constexpr std::uint32_t kRoomEntryMs = 15000;
// Continuing transfers: the Download Manager is asked for again by keyword after
// kDownloadManagerMs, the outbox by its menu after kOutboxMs (the popup menu of that round must
// show within kOutboxMs too), each at most kTransferWindowRounds times.
inline constexpr std::uint32_t kDownloadManagerMs = 5000;
inline constexpr std::uint32_t kOutboxMs = 3000;
inline constexpr int kTransferWindowRounds = 3;
// The first item pressed for later at most kLaterPressRounds times until AOL's box comes; boxes
// answered at most kBoxAnswerRounds times, and one more box is waited for kLateBoxMs after the
// last, since every press of the round may bring one.
inline constexpr int kLaterPressRounds = 5;
inline constexpr int kBoxAnswerRounds = 20;
inline constexpr std::uint32_t kLateBoxMs = 1000;
// A window closed by WM_CLOSE is asked again after kAolWindowCloseMs, at most this many times.
inline constexpr std::uint32_t kAolWindowCloseMs = 1000;
inline constexpr int kAolWindowCloseRounds = 5;
// The flash session: "Automatic AOL" and its check boxes, each box clicked at most
// kCheckBoxClicks times, "Run Automatic AOL Now" pressed for at most kRunNowPresses seconds,
// and Begin pressed for kBeginPressMs until the session's status window shows.
inline constexpr std::uint32_t kAutomaticAolMs = 10000;
inline constexpr int kCheckBoxClicks = 5;
inline constexpr int kRunNowPresses = 10;
inline constexpr std::uint32_t kBeginPressMs = 5000;
// After protection gave up, further calls wait this long before another try, so one
// message says why instead of one every five seconds.
inline constexpr std::uint32_t kRestoreRetryMs = 300000;
// A toolbar pop-up menu opened by a click, before its keys are posted.
inline constexpr std::uint32_t kToolbarPopupMs = 3000;

}  // namespace drelm::timeouts
