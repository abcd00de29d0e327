#include "aol/instant_messages.h"

#include <algorithm>
#include <vector>

#include "aol/bounded_wait.h"
#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/keywords.h"
#include "aol/window_lookup.h"
#include "core/timeouts.h"
#include "platform/winuser_constants.h"
#include "text/ansi.h"

namespace drelm {

namespace {

const std::string kSendWindow = "Send Instant Message";
constexpr std::size_t kFromLength = 5;  // "from:"

bool IsIncomingCaption(const std::string& caption) {
  const std::string lower = LowerAnsi(caption);
  return lower.find("instant message") != std::string::npos &&
         lower.find("from:") != std::string::npos;
}

std::vector<Hwnd> SendWindows(WindowSystem& windows) {
  std::vector<Hwnd> found;
  const Hwnd mdi = FindAolMdiClient(windows);
  for (Hwnd child = windows.FindWindowEx(mdi, 0, std::string("AOL Child"), kSendWindow);
       mdi != 0 && child != 0;
       child = windows.FindWindowEx(mdi, child, std::string("AOL Child"), kSendWindow)) {
    found.push_back(child);
  }
  return found;
}

bool Contains(const std::vector<Hwnd>& list, Hwnd window) {
  return std::find(list.begin(), list.end(), window) != list.end();
}

}  // namespace

void SendIm(AolContext& aol, const std::string& recipient, const std::string& message) {
  WindowSystem& windows = aol.windows;
  // An IM window closed between finding its sender and answering leaves no one to answer.
  if (recipient.empty()) return;
  if (FindAolMainWindow(windows) == 0) return;

  // A "Send Instant Message" window already open is the user's own (or one left by an earlier
  // send): writing into it would send our text to its recipient, so only a new one will do.
  const std::vector<Hwnd> before = SendWindows(windows);
  GoKeyword(windows, "aol://9293:" + recipient);

  Hwnd win = 0, text = 0, send = 0;
  const bool opened = WaitFor(
      aol,
      [&] {
        win = 0;
        for (Hwnd candidate : SendWindows(windows)) {
          if (!Contains(before, candidate)) {
            win = candidate;
            break;
          }
        }
        text = FindNthChild(windows, win, "RICHCNTL", 1);
        send = FindNthChild(windows, win, "_AOL_Icon", 9);
        return win != 0 && text != 0 && send != 0;
      },
      timeouts::kKeywordWindowMs);
  if (!opened) {
    if (!aol.loop.QuitRequested()) {
      aol.log.WriteLog("im to " + recipient + " not sent - no instant message window");
    }
    return;
  }

  SetControlText(windows, text, message);
  const std::vector<Hwnd> boxesBefore = AolMessageBoxes(windows);
  windows.SendMessage(send, WM_LBUTTONDOWN, 0, 0);
  windows.SendMessage(send, WM_LBUTTONUP, 0, 0);

  Hwnd box = 0;
  const bool answered = WaitFor(
      aol,
      [&] {
        box = 0;
        for (Hwnd candidate : AolMessageBoxes(windows)) {
          if (!Contains(boxesBefore, candidate)) {
            box = candidate;
            break;
          }
        }
        return box != 0 || !windows.IsWindow(win);
      },
      timeouts::kImSendAnswerMs);
  if (!answered) {
    if (!aol.loop.QuitRequested()) {
      aol.log.WriteLog("im to " + recipient + " - no answer from aol");
    }
    return;
  }
  if (box == 0) return;  // the window closed: the IM went out

  // Refused: confirm the box, then drop the unsent window.
  const Hwnd button = FindNthChild(windows, box, "Button", 1);
  windows.PostMessage(button, WM_KEYDOWN, VK_SPACE, 0);
  windows.PostMessage(button, WM_KEYUP, VK_SPACE, 0);
  windows.PostMessage(win, WM_CLOSE, 0, 0);
}

void ImsOff(AolContext& aol) {
  SendIm(aol, "$IM_OFF", "drelm idle");
}

void ImsOn(AolContext& aol) {
  SendIm(aol, "$IM_ON", "drelm idle");
}

Hwnd FindIncomingIm(WindowSystem& windows) {
  return FindMdiChild(windows, IsIncomingCaption);
}

std::string IncomingImSender(WindowSystem& windows) {
  return ImSenderOfCaption(GetCaption(windows, FindIncomingIm(windows)));
}

std::string IncomingImText(WindowSystem& windows, Hwnd im) {
  return GetControlText(windows, FindNthChild(windows, im, "RICHCNTL", 1));
}

std::string ImSenderOfCaption(const std::string& caption) {
  const std::string lower = LowerAnsi(caption);
  const std::size_t from = lower.find("from:");
  // The name starts after "from:" and the blank that follows it.
  if (from == std::string::npos || from + kFromLength + 1 > lower.size()) return {};
  return lower.substr(from + kFromLength + 1);
}

}  // namespace drelm
