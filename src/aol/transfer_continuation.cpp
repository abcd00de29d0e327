#include "aol/transfer_continuation.h"

#include <string>

#include "aol/aol_steps.h"
#include "aol/bounded_wait.h"
#include "aol/client_windows.h"
#include "aol/flash_session.h"
#include "aol/keywords.h"
#include "aol/pressing.h"
#include "aol/toolbar_menu.h"
#include "aol/window_lookup.h"
#include "core/pause.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"

namespace drelm {

namespace {

constexpr const char* kDownloadManager = "Download Manager";

std::string OutboxCaption(int version) {
  return version == 4 ? "Offline Mail" : "Mail Waiting to be Sent";
}

// The outbox through the "Mail Center" menu of AOL 4 and 5.
std::vector<std::uint32_t> OutboxKeys(int version) {
  std::vector<std::uint32_t> keys;
  if (version == 4) {
    keys = Keys(VK_DOWN, 12);
    keys.push_back(VK_RIGHT);
    keys.push_back(VK_DOWN);
  } else {
    keys = Keys(VK_DOWN, 15);
  }
  keys.push_back(VK_RETURN);
  return keys;
}

}  // namespace

void TransferContinuation::ContinueAfterReconnect() {
  Continue(Mode{"cmdContDown", "cmdContUp", 1, false});
}

void TransferContinuation::ContinueAfterFileNotFound() {
  Continue(Mode{"mnucontinueUpAfterFileNotFOundKill", "mnuContinueUpAffFnFK", 2, true});
}

void TransferContinuation::Continue(const Mode& mode) {
  // The dialog killer's timer ticks inside our pauses and may ask again; two runs driving the
  // same windows would close each other's Download Manager and press each other's boxes.
  if (running_) return;
  running_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{running_};

  dlQueued_ = ulQueued_ = false;
  if (dcp_.checked(mode.downloadsItem)) dlQueued_ = ContinueDownloads(mode);
  if (dcp_.checked(mode.uploadsItem)) ulQueued_ = ContinueUploads(mode);
  if (!dlQueued_ && !ulQueued_) return;

  dcp_.chat.SendChat("starting flash session");
  Pause(dcp_.aol.clock, dcp_.aol.loop, 1);
  const bool dl = dlQueued_;
  const bool ul = ulQueued_;
  dlQueued_ = ulQueued_ = false;
  if (!SetupFlashSession(dcp_, dl, ul)) return;
  Pause(dcp_.aol.clock, dcp_.aol.loop, 2);
  RunFlashSession(dcp_);
}

bool TransferContinuation::ContinueDownloads(const Mode& mode) {
  WindowSystem& windows = dcp_.aol.windows;
  dcp_.chat.SendChat("continuing downloads");
  Pause(dcp_.aol.clock, dcp_.aol.loop, 1);
  const Hwnd manager = OpenDownloadManager();
  if (manager == 0) return NotContinued("downloads", "no download manager");
  const Hwnd tree = FindNthChild(windows, manager, "_aol_tree", 1);
  const LResult count = windows.SendMessage(tree, LB_GETCOUNT, 0, 0);
  const bool queued = count >= mode.minimumCount;
  const auto find = [&] { return FindMdiChildCaptioned(windows, kDownloadManager); };
  if (queued && mode.afterKill) {
    const std::string why =
        PressFirstForLater(tree, FindNthChild(windows, manager, "_AOL_Icon", 4), "download later");
    if (!why.empty()) {
      CloseUntilGone(dcp_.aol, find);
      return NotContinued("downloads", why);
    }
  }
  if (!CloseUntilGone(dcp_.aol, find)) {
    return NotContinued("downloads", "the download manager would not close");
  }
  return queued;
}

bool TransferContinuation::ContinueUploads(const Mode& mode) {
  WindowSystem& windows = dcp_.aol.windows;
  dcp_.chat.SendChat("continuing uploads");
  Pause(dcp_.aol.clock, dcp_.aol.loop, 1);
  const Hwnd outbox = OpenOutbox();
  if (outbox == 0) return NotContinued("uploads", "no outbox");
  const std::string caption = OutboxCaption(AolVersionNumber(windows));
  const Hwnd tree = FindNthChild(windows, outbox, "_aol_tree", 1);
  const LResult count = windows.SendMessage(tree, LB_GETCOUNT, 0, 0);
  const bool queued = count >= mode.minimumCount;
  const auto find = [&] { return FindMdiChildCaptioned(windows, caption); };
  if (queued && mode.afterKill) {
    const std::string why =
        PressFirstForLater(tree, FindNthChild(windows, outbox, "_aol_icon", 2), "send later");
    if (!why.empty()) {
      CloseUntilGone(dcp_.aol, find);
      return NotContinued("uploads", why);
    }
  }
  if (!CloseUntilGone(dcp_.aol, find)) return NotContinued("uploads", "the outbox would not close");
  return queued;
}

bool TransferContinuation::NotContinued(const std::string& what, const std::string& why) {
  dcp_.aol.log.WriteLog(what + " not continued - " + why);
  return false;
}

std::string TransferContinuation::PressFirstForLater(Hwnd list, Hwnd icon,
                                                     const std::string& press) {
  WindowSystem& windows = dcp_.aol.windows;
  // Only the client's own box ends the presses: another program's dialog says nothing about them.
  const auto boxShows = [&] { return !AolMessageBoxes(windows).empty(); };
  for (int round = 0; round < timeouts::kLaterPressRounds && !boxShows(); ++round) {
    windows.SendMessage(list, LB_SETCURSEL, 0, 0);
    ClickMouse(windows, icon);
    PressIconSent(windows, dcp_.aol.loop, icon);
    PressIconPosted(windows, dcp_.aol.loop, icon);
    WaitFor(dcp_.aol, boxShows, timeouts::kLateBoxMs);
  }
  // Without AOL's confirmation the item may not be queued, and a session would stop on it again.
  if (!boxShows()) return press + " got no answer";
  // Each of the three presses of a round may have raised a box of its own.
  AnswerAolBoxes(dcp_.aol);
  return boxShows() ? "aol's box would not close" : "";
}

Hwnd TransferContinuation::OpenDownloadManager() {
  WindowSystem& windows = dcp_.aol.windows;
  Hwnd manager = 0;
  for (int round = 0; round < timeouts::kTransferWindowRounds; ++round) {
    GoKeyword(windows, "download manager");
    Pause(dcp_.aol.clock, dcp_.aol.loop, 1);
    const bool open = WaitFor(
        dcp_.aol,
        [&] {
          manager = FindMdiChildCaptioned(windows, kDownloadManager);
          return FindNthChild(windows, manager, "_aol_tree", 1) != 0;
        },
        timeouts::kDownloadManagerMs);
    if (open) return manager;
    if (dcp_.aol.loop.QuitRequested()) break;
  }
  return 0;
}

Hwnd TransferContinuation::OpenOutbox() {
  WindowSystem& windows = dcp_.aol.windows;
  const int version = AolVersionNumber(windows);
  const std::string caption = OutboxCaption(version);
  for (int round = 0; round < timeouts::kTransferWindowRounds; ++round) {
    const std::uint64_t start = dcp_.aol.clock.MonotonicMs();
    if (version >= 6) {
      ToolbarMenuPick(dcp_.aol, 0, 'B');
      Pause(dcp_.aol.clock, dcp_.aol.loop, 1);
    } else if (!ToolbarMenuKeys(dcp_.aol, 2, OutboxKeys(version))) {
      continue;
    }
    const std::uint64_t spent = dcp_.aol.clock.MonotonicMs() - start;
    const std::uint32_t left =
        spent >= timeouts::kOutboxMs ? 0 : static_cast<std::uint32_t>(timeouts::kOutboxMs - spent);
    Hwnd outbox = 0;
    const bool open = WaitFor(
        dcp_.aol,
        [&] {
          outbox = FindMdiChildCaptioned(windows, caption);
          return outbox != 0;
        },
        left);
    if (open) return outbox;
    if (dcp_.aol.loop.QuitRequested()) break;
  }
  return 0;
}

}  // namespace drelm
