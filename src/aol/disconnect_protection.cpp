#include "aol/disconnect_protection.h"

#include <algorithm>

#include "aol/bounded_wait.h"
#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/keywords.h"
#include "aol/process_path.h"
#include "aol/window_lookup.h"
#include "core/pause.h"
#include "core/settings_catalogue.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"
#include "text/ansi.h"

namespace drelm {

namespace {

std::string WithoutBlanks(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

}  // namespace

void MaximizeWindow(WindowSystem& windows, Hwnd window) {
  windows.ShowWindow(window, SW_MAXIMIZE);
}

DisconnectProtection::DisconnectProtection(DcpContext context)
    : dcp_(std::move(context)), continuation_(dcp_) {}

bool DisconnectProtection::GiveUp(const std::string& why) {
  gaveUp_ = true;
  gaveUpAtMs_ = dcp_.aol.clock.MonotonicMs();
  dcp_.aol.log.WriteLog("disconnect protect aol gave up - " + why);
  return false;
}

bool DisconnectProtection::RestoreAol(int useSetPassword) {
  if (restoring_) return false;
  if (gaveUp_ && dcp_.aol.clock.MonotonicMs() - gaveUpAtMs_ < timeouts::kRestoreRetryMs) {
    return false;
  }
  restoring_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{restoring_};

  AolContext& aol = dcp_.aol;
  // Checked before the client is closed: a client we cannot start again is better left open.
  const std::string path = dcp_.settings.Read(setting::kLastAolPath);
  if (!IsFullProgramPath(path)) return GiveUp("no aol program file recorded");
  if (!CloseAol()) return GiveUp("aol would not close");

  const Start start = StartAol(path);
  if (start == Start::kNoStart) return GiveUp("aol would not start from " + path);
  if (start == Start::kNoSignOn) return GiveUp("aol showed no sign on window");
  MaximizeWindow(aol.windows, FindAolMainWindow(aol.windows));
  MaximizeWindow(aol.windows, FindAolMainWindow(aol.windows));
  Pause(aol.clock, aol.loop, 1);

  if (start == Start::kSignOnShown) {
    const bool signedOn = useSetPassword == 1 ? SignOnWithPassword() : SignOnStored();
    if (!signedOn) return GiveUp("sign on not reached");
  }
  Pause(aol.clock, aol.loop, 10);
  ReenterPrivateRoom();
  Pause(aol.clock, aol.loop, 1);
  dcp_.chat.SendChat("auto dcp restored aol " + AolVersion(aol.windows));
  Pause(aol.clock, aol.loop, 1);
  gaveUp_ = false;
  ContinueAfterReconnect();
  return true;
}

bool DisconnectProtection::CloseAol() {
  AolContext& aol = dcp_.aol;
  WindowSystem& windows = aol.windows;
  for (int round = 0; round < timeouts::kAolCloseRounds; ++round) {
    if (FindAolMainWindow(windows) == 0) return true;
    windows.ShowWindow(FindAolMainWindow(windows), SW_HIDE);
    Pause(aol.clock, aol.loop, 1);
    windows.SendMessage(FindAolMainWindow(windows), WM_DESTROY, 0, 0);
    Pause(aol.clock, aol.loop, 1);
    windows.PostMessage(FindAolMainWindow(windows), WM_CLOSE, 0, 0);
    if (aol.loop.QuitRequested()) return false;
  }
  return WaitFor(
      aol, [&] { return FindAolMainWindow(windows) == 0; }, timeouts::kAolWindowCloseMs);
}

DisconnectProtection::Start DisconnectProtection::StartAol(const std::string& path) {
  AolContext& aol = dcp_.aol;
  WindowSystem& windows = aol.windows;
  const auto ready = [&] { return SignOnWindow() != 0 || SignedOn(); };
  bool mainWindowCame = false;
  for (int start = 0; start < timeouts::kAolStarts; ++start) {
    const bool started = dcp_.shell.StartExecutable(path, SW_SHOWMINIMIZED);
    // A start that brings no main window soon died on the way; it is tried again.
    bool up = WaitFor(
        aol, [&] { return ready() || (started && FindAolMainWindow(windows) != 0); },
        timeouts::kAolRestartMs);
    if (aol.loop.QuitRequested()) return Start::kNoStart;
    if (!up || FindAolMainWindow(windows) == 0) continue;
    mainWindowCame = true;
    if (AwaitSignOnMaximised(ready)) return SignedOn() ? Start::kSignedOn : Start::kSignOnShown;
    break;
  }
  return mainWindowCame ? Start::kNoSignOn : Start::kNoStart;
}

bool DisconnectProtection::AwaitSignOnMaximised(const std::function<bool()>& ready) {
  AolContext& aol = dcp_.aol;
  const std::uint64_t deadline =
      aol.clock.MonotonicMs() + (timeouts::kAolStartMs - timeouts::kAolRestartMs);
  while (!ready()) {
    const std::uint64_t now = aol.clock.MonotonicMs();
    if (now >= deadline || aol.loop.QuitRequested()) return false;
    // The client is started minimised; maximised at every round, it comes into the user's
    // sight while it signs on, even when it minimised itself again.
    MaximizeWindow(aol.windows, FindAolMainWindow(aol.windows));
    WaitFor(aol, ready,
            static_cast<std::uint32_t>(
                std::min<std::uint64_t>(timeouts::kSignOnMaximiseMs, deadline - now)));
  }
  return true;
}

Hwnd DisconnectProtection::SignOnWindow() {
  return FindMdiChildCaptioned(dcp_.aol.windows, "Sign On");
}

bool DisconnectProtection::SignedOn() {
  return !CurrentScreenName(dcp_.aol.windows).empty();
}

bool DisconnectProtection::SignOnStored() {
  WindowSystem& windows = dcp_.aol.windows;
  const bool ready = WaitFor(
      dcp_.aol,
      [&] { return SignedOn() || FindNthChild(windows, SignOnWindow(), "_aol_icon", 4) != 0; },
      timeouts::kSignOnWindowMs);
  return ready && PressUntilSignedOn({});
}

bool DisconnectProtection::SignOnWithPassword() {
  WindowSystem& windows = dcp_.aol.windows;
  // Read for the sign-on window alone; it goes nowhere else, the log included.
  const std::string password = dcp_.password.Read();
  const auto passwordBox = [&] { return FindNthChild(windows, SignOnWindow(), "_AOL_EDIT", 1); };
  if (!WaitFor(
          dcp_.aol, [&] { return SignedOn() || passwordBox() != 0; }, timeouts::kSignOnWindowMs)) {
    return false;
  }
  if (SignedOn()) return true;
  SetControlText(windows, passwordBox(), password);
  Pause(dcp_.aol.clock, dcp_.aol.loop, 1);
  const bool ready = WaitFor(
      dcp_.aol,
      [&] { return SignedOn() || FindNthChild(windows, SignOnWindow(), "_aol_icon", 4) != 0; },
      timeouts::kSignOnWindowMs);
  // AOL empties the box after a refused sign-on, so every press fills it in again.
  return ready && PressUntilSignedOn([&] { SetControlText(windows, passwordBox(), password); });
}

bool DisconnectProtection::PressUntilSignedOn(const std::function<void()>& beforePress) {
  AolContext& aol = dcp_.aol;
  WindowSystem& windows = aol.windows;
  const std::uint64_t start = aol.clock.MonotonicMs();
  std::uint64_t lastPress = start;
  while (!SignedOn()) {
    const std::uint64_t now = aol.clock.MonotonicMs();
    if (now - start >= timeouts::kSignOnMs || aol.loop.QuitRequested()) return false;
    if (now - lastPress >= timeouts::kSignOnPressMs) {
      const Hwnd button = FindNthChild(windows, SignOnWindow(), "_aol_icon", 4);
      if (button != 0) {
        if (beforePress) beforePress();
        windows.SendMessage(button, WM_LBUTTONDOWN, 0, 0);
        if (AolVersionNumber(windows) < 6) {
          windows.SendMessage(button, WM_LBUTTONUP, 0, 0);
        } else {
          windows.SendMessage(button, WM_KEYUP, VK_SPACE, 0);
        }
      }
      lastPress = now;
    }
    Pause(aol.clock, aol.loop, 1);
  }
  return true;
}

void DisconnectProtection::ReenterPrivateRoom() {
  const std::string room = dcp_.settings.Read(setting::kPrToEnter);
  const std::string wanted = LowerAnsi(WithoutBlanks(room));
  if (!dcp_.checked("mnuEnterpr") || wanted.empty()) return;
  WindowSystem& windows = dcp_.aol.windows;
  EnterPrivateRoom(windows, room);
  // The restored line goes to the room it announces; a room that does not come is no reason to
  // leave the transfers interrupted.
  WaitFor(
      dcp_.aol,
      [&] {
        return LowerAnsi(WithoutBlanks(GetCaption(windows, FindChatRoom(windows)))) == wanted;
      },
      timeouts::kRoomEntryMs);
}

}  // namespace drelm
