// The program's life: starting by its program path, the main window with its menu bar, MDI client
// and toolbar, closing (WM_CLOSE, or WM_DESTROY sent from outside, ends the process), and the
// connection dropping.
#include <cstdio>

#include "platform/winuser_constants.h"
#include "standin/client.h"
#include "standin/sign_on.h"
#include "standin/toolbar.h"

namespace drelm::standin {

namespace {

std::vector<MenuItem> MenuBar(int version) {
  const std::string whatsNew = "&What's New In AOL " + std::to_string(version) + ".0";
  return {
      {"&File",
       0,
       {{"&New", 1001, {}}, {"&Open...", 1002, {}}, {"&Save", 1003, {}}, {}, {"E&xit", 1004, {}}}},
      {"&Edit",
       0,
       {{"&Undo", 1011, {}}, {"Cu&t", 1012, {}}, {"&Copy", 1013, {}}, {"&Paste", 1014, {}}}},
      {"&Window",
       0,
       {{"&Cascade", 1021, {}}, {"&Tile", 1022, {}}, {"C&lose All Windows", 1023, {}}}},
      {"Sign &Off", 0, {{"Sign &Off", 1031, {}}, {"&Switch Screen Name", 1032, {}}}},
      {"&Help",
       0,
       {{"&Offline Help", 1041, {}}, {whatsNew, 1042, {}}, {"&About America Online", 1043, {}}}},
  };
}

bool IsInput(std::uint32_t msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_COMMAND:
      return true;
    default:
      return false;
  }
}

}  // namespace

void AolClient::Launch(int showCmd) {
  seen_.launches.push_back(showCmd);
  if (running_ || starting_) {
    // One client at a time: a second start only brings the running one forward.
    ++seen_.launchesWhileRunning;
    if (frame_ != 0) host_.Activate(frame_);
    return;
  }
  starting_ = true;
  host_.BeginProcess(options_.ExePath());
  if (failStartsLeft_ > 0) {
    --failStartsLeft_;
    ++seen_.failedStarts;
    Later(Delay().frameMs, [this] {
      starting_ = false;
      host_.EndProcess();
    });
    return;
  }
  Later(Delay().frameMs, [this, showCmd] {
    starting_ = false;
    running_ = true;
    BuildFrame(showCmd);
    Later(Delay().signOnWindowMs, [this] { signOn_->Show(); });
  });
}

void AolClient::StartSignedOn() {
  if (running_ || starting_) return;
  host_.BeginProcess(options_.ExePath());
  running_ = true;
  BuildFrame(SW_SHOWNORMAL);
  signOn_->SignOnNow();
}

void AolClient::BuildFrame(int showCmd) {
  closing_ = false;
  frame_ = host_.Create(NewWindow{"AOL Frame25", "America Online", 0, WindowKind::kFrame,
                                  [this](const Message& m) { return FrameMessage(m); },
                                  [this] {
                                    frame_ = 0;
                                    if (running_) CloseRequested();
                                  }});
  if (showCmd != SW_SHOWNORMAL && showCmd != SW_SHOW) host_.Show(frame_, showCmd);
  host_.SetMenuBar(frame_, MenuBar(options_.version));
  toolbar_->Build(frame_);
  mdi_ = host_.Create(NewWindow{"MDIClient", "", frame_, WindowKind::kMdiClient, {}, {}});
}

std::optional<LResult> AolClient::FrameMessage(const Message& m) {
  if (m.msg == WM_CLOSE || m.msg == WM_DESTROY) {
    CloseRequested();
    return 0;
  }
  // Escape abandons what the client is busy with; the stand-in is never busy, so it only counts.
  // A real message loop turns the key-down into a WM_CHAR as well.
  if (m.wParam == VK_ESCAPE && (m.msg == WM_KEYDOWN || m.msg == WM_KEYUP || m.msg == WM_CHAR)) {
    if (m.msg == WM_KEYUP) ++Seen().escapes;
    return 0;
  }
  if (IsInput(m.msg)) {
    char number[16];
    std::snprintf(number, sizeof number, "0x%04X", static_cast<unsigned>(m.msg));
    Stray(std::string("input message ") + number + " (wParam " + std::to_string(m.wParam) +
          ") to the main window");
  }
  return std::nullopt;
}

void AolClient::CloseRequested() {
  if (closing_) return;
  closing_ = true;
  Later(Delay().exitMs, [this] { Exit(); });
}

void AolClient::Exit() {
  if (!running_ && !starting_) return;
  running_ = false;
  starting_ = false;
  closing_ = false;
  ++generation_;
  signOn_->ProcessEnded();
  toolbar_->ProcessEnded();
  host_.EndProcess();
  frame_ = mdi_ = 0;
  online_.clear();
  ++seen_.exits;
}

void AolClient::Disconnect() {
  if (!SignedOn()) {
    Stray("the connection dropped while signed off");
    return;
  }
  ++seen_.disconnects;
  const std::set<WindowId> online = online_;
  for (WindowId window : online) host_.Destroy(window);
  signOn_->Dropped();
}

void AolClient::DisconnectAndClose() {
  if (!SignedOn()) {
    Stray("the connection dropped while signed off");
    return;
  }
  ++seen_.disconnects;
  Exit();
}

}  // namespace drelm::standin
