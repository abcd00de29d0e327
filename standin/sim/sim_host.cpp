#include "standin/sim/sim_host.h"

#include "platform/sim/message_sequence.h"
#include "platform/winuser_constants.h"
#include "standin/menu_tracker.h"

namespace drelm::standin {

struct SimHost::Popup {
  explicit Popup(std::vector<MenuItem> items) : tracker(std::move(items)) {}
  MenuTracker tracker;
  PopupCallbacks callbacks;
  WindowId owner = 0;
  std::vector<WindowId> levelWindows;
};

namespace {

bool IsInputMessage(std::uint32_t msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_COMMAND:
    case BM_CLICK:
      return true;
    default:
      return false;
  }
}

}  // namespace

SimHost::SimHost(sim::SimWindowSystem& windows, sim::SimEventLoop& loop, sim::SimShell& shell,
                 sim::VirtualClock& clock)
    : windows_(windows), loop_(loop), shell_(shell), clock_(clock) {}

SimHost::~SimHost() {
  *hostAlive_ = false;
  // The handlers reach into the model, which may already be gone: silence them first.
  for (WindowId window : alive_) windows_.SetHandler(window, {});
  popup_.reset();
  for (WindowId window : topLevel_) windows_.DestroyWindow(window);
  if (pid_ != 0) shell_.RemoveProcess(pid_);
}

sim::SimHandler SimHost::Wrap(MessageHandler onMessage, std::function<void()> onDestroyed) {
  return [this, onMessage = std::move(onMessage), onDestroyed = std::move(onDestroyed)](
             Hwnd window, const sim::SimMessage& m) -> std::optional<LResult> {
    if (m.msg == WM_DESTROY && !windows_.IsWindow(window)) {
      WindowGone(window);
      if (onDestroyed) onDestroyed();
      return 0;
    }
    if (!onMessage) return std::nullopt;
    return onMessage(Message{m.msg, m.wParam, m.lParam, m.text});
  };
}

void SimHost::WindowGone(WindowId window) {
  alive_.erase(window);
  topLevel_.erase(window);
  goneAt_[window] = windows_.Log().size();
}

WindowId SimHost::Create(NewWindow request) {
  std::optional<sim::SimControl> control;
  if (request.kind == WindowKind::kListBox) control = sim::SimControl::kListBox;
  if (request.kind == WindowKind::kCheckBox) control = sim::SimControl::kCheckBox;
  if (request.kind != WindowKind::kListBox && request.kind != WindowKind::kCheckBox) {
    control = sim::SimControl::kPlain;
  }
  const ProcessId pid = request.parent == 0 ? pid_ : 0;
  const WindowId window = windows_.CreateWindow(
      request.className, request.text, request.parent,
      Wrap(std::move(request.onMessage), std::move(request.onDestroyed)), pid, control);
  alive_.insert(window);
  if (request.parent == 0) topLevel_.insert(window);
  if (request.kind == WindowKind::kMdiChild) windows_.BringToTop(window);
  return window;
}

void SimHost::Destroy(WindowId window) {
  windows_.DestroyWindow(window);
}

bool SimHost::Exists(WindowId window) {
  return windows_.IsWindow(window);
}

void SimHost::SetText(WindowId window, const std::string& text) {
  windows_.SetText(window, text);
}

std::string SimHost::Text(WindowId window) {
  return windows_.Text(window);
}

void SimHost::Show(WindowId window, int showCmd) {
  windows_.ShowWindow(window, showCmd);
}

bool SimHost::Visible(WindowId window) {
  return windows_.IsWindowVisible(window);
}

void SimHost::Activate(WindowId window) {
  windows_.BringToTop(window);
}

void SimHost::SetListItems(WindowId list, const std::vector<std::string>& items) {
  if (windows_.IsWindow(list)) windows_.ListItems(list) = items;
}

std::vector<std::string> SimHost::ListItems(WindowId list) {
  if (!windows_.IsWindow(list)) return {};
  return windows_.ListItems(list);
}

int SimHost::ListSelection(WindowId list) {
  if (!windows_.IsWindow(list)) return -1;
  return static_cast<int>(
      windows_.Deliver(list, sim::SimMessage{LB_GETCURSEL, 0, 0, {}, nullptr, 0}));
}

void SimHost::SetListSelection(WindowId list, int index) {
  if (!windows_.IsWindow(list)) return;
  windows_.Deliver(list,
                   sim::SimMessage{LB_SETCURSEL, static_cast<WParam>(index), 0, {}, nullptr, 0});
}

int SimHost::CheckState(WindowId box) {
  return windows_.CheckState(box);
}

void SimHost::SetCheckState(WindowId box, int state) {
  windows_.SetCheckState(box, state);
}

MenuHandle SimHost::BuildMenu(const std::vector<MenuItem>& items) {
  const MenuHandle menu = windows_.CreateMenu();
  for (const MenuItem& item : items) {
    const MenuHandle submenu = item.submenu.empty() ? 0 : BuildMenu(item.submenu);
    windows_.AppendMenuItem(menu, item.text, item.id, submenu);
  }
  return menu;
}

void SimHost::SetMenuBar(WindowId frame, const std::vector<MenuItem>& menus) {
  windows_.SetMenu(frame, BuildMenu(menus));
}

void SimHost::OpenPopupMenu(WindowId owner, const std::vector<MenuItem>& items,
                            PopupCallbacks callbacks) {
  ClosePopupMenu();
  popup_ = std::make_unique<Popup>(items);
  popup_->callbacks = std::move(callbacks);
  popup_->owner = owner;
  SyncPopupWindows();
}

void SimHost::SyncPopupWindows() {
  if (!popup_) return;
  std::vector<WindowId>& levels = popup_->levelWindows;
  const auto depth = static_cast<std::size_t>(popup_->tracker.Depth());
  while (levels.size() > depth) {
    const WindowId window = levels.back();
    levels.pop_back();
    windows_.DestroyWindow(window);
  }
  while (levels.size() < depth) {
    // A menu window of its own for every open level, the deepest on top, as Windows shows them.
    const WindowId window = Create(NewWindow{"#32768", "", 0, WindowKind::kTopLevel,
                                             [this](const Message& m) { return PopupMessage(m); },
                                             [this, level = levels.size()] {
                                               if (popup_ && popup_->levelWindows.size() > level)
                                                 EndPopup(0, true);
                                             }});
    levels.push_back(window);
  }
}

void SimHost::EndPopup(std::uint32_t picked, bool notify) {
  std::unique_ptr<Popup> popup = std::move(popup_);
  if (!popup) return;
  for (auto it = popup->levelWindows.rbegin(); it != popup->levelWindows.rend(); ++it) {
    windows_.DestroyWindow(*it);
  }
  if (notify && popup->callbacks.onClose) popup->callbacks.onClose(picked);
}

void SimHost::ClosePopupMenu() {
  EndPopup(0, false);
}

std::optional<LResult> SimHost::PopupMessage(const Message& m) {
  if (!popup_) return std::nullopt;
  MenuTracker::Outcome outcome = MenuTracker::Outcome::kNothing;
  switch (m.msg) {
    case WM_KEYDOWN:
      outcome = popup_->tracker.KeyDown(static_cast<std::uint32_t>(m.wParam));
      break;
    case WM_CHAR:
      outcome = popup_->tracker.Char(static_cast<unsigned char>(m.wParam));
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_CLOSE:
      // A click that reaches the menu loop outside any item cancels the menu.
      EndPopup(0, true);
      return 0;
    default:
      return std::nullopt;
  }
  switch (outcome) {
    case MenuTracker::Outcome::kPicked:
      EndPopup(popup_->tracker.Picked(), true);
      break;
    case MenuTracker::Outcome::kClosed:
      EndPopup(0, true);
      break;
    case MenuTracker::Outcome::kUnmatchedLetter:
      if (popup_->callbacks.onUnmatchedLetter) {
        popup_->callbacks.onUnmatchedLetter(static_cast<char>(m.wParam));
      }
      break;
    case MenuTracker::Outcome::kOpenedSubmenu:
    case MenuTracker::Outcome::kClosedSubmenu:
      SyncPopupWindows();
      break;
    case MenuTracker::Outcome::kNothing:
      break;
  }
  return 0;
}

WindowId SimHost::ShowMessageBox(const std::string& title, const std::string& text,
                                 std::function<void()> onOk) {
  struct Box {
    WindowId dialog = 0;
    bool done = false;
    bool buttonArmed = false;
    std::function<void()> onOk;
  };
  auto box = std::make_shared<Box>();
  box->onOk = std::move(onOk);
  auto dismiss = [this, box] {
    if (box->done) return;
    box->done = true;
    windows_.DestroyWindow(box->dialog);
    if (box->onOk) box->onOk();
  };
  box->dialog = Create(NewWindow{
      "#32770", title, 0, WindowKind::kTopLevel,
      [dismiss](const Message& m) -> std::optional<LResult> {
        const bool command =
            m.msg == WM_COMMAND && ((m.wParam & 0xFFFF) == IDOK || (m.wParam & 0xFFFF) == IDCANCEL);
        const bool dialogKey =
            m.msg == WM_KEYDOWN && (m.wParam == VK_RETURN || m.wParam == VK_ESCAPE);
        if (command || dialogKey || m.msg == WM_CLOSE) {
          dismiss();
          return 0;
        }
        return std::nullopt;
      },
      [box] { box->done = true; }});
  Create(NewWindow{"Static", text, box->dialog, WindowKind::kControl, {}, {}});
  // A push button: pressed by a button-down or a space key-down, clicked when the button or the
  // space key comes up while pressed, or by BM_CLICK.
  Create(NewWindow{"Button",
                   "OK",
                   box->dialog,
                   WindowKind::kControl,
                   [box, dismiss](const Message& m) -> std::optional<LResult> {
                     switch (m.msg) {
                       case WM_LBUTTONDOWN:
                         box->buttonArmed = true;
                         return 0;
                       case WM_KEYDOWN:
                         if (m.wParam == VK_SPACE) box->buttonArmed = true;
                         return 0;
                       case WM_KEYUP:
                         if (m.wParam != VK_SPACE) return 0;
                         [[fallthrough]];
                       case WM_LBUTTONUP:
                         if (box->buttonArmed) {
                           box->buttonArmed = false;
                           dismiss();
                         }
                         return 0;
                       case BM_CLICK:
                         dismiss();
                         return 0;
                       default:
                         return std::nullopt;
                     }
                   },
                   {}});
  return box->dialog;
}

void SimHost::After(std::uint32_t delayMs, std::function<void()> action) {
  loop_.ScheduleOnce(delayMs, [alive = hostAlive_, action = std::move(action)] {
    if (*alive) action();
  });
}

std::uint64_t SimHost::NowMs() {
  return clock_.MonotonicMs();
}

ProcessId SimHost::BeginProcess(const std::string& exePath) {
  pid_ = shell_.AddProcess(exePath);
  return pid_;
}

void SimHost::EndProcess() {
  EndPopup(0, false);
  const std::set<WindowId> remaining = topLevel_;
  for (WindowId window : remaining) windows_.DestroyWindow(window);
  if (pid_ != 0) shell_.RemoveProcess(pid_);
  pid_ = 0;
}

std::vector<std::string> SimHost::InputToMissingWindows() const {
  // The rest of a press that closed its own window (the usual posted click followed by a posted
  // button-down and key-up) still reaches the window's handle; it is no fault. A message counts
  // as such a rest when the window ended right after a message to it and nothing but messages to
  // it came since.
  constexpr std::size_t kPressRest = 4;
  std::vector<std::string> found;
  const std::vector<sim::MessageRecord>& log = windows_.Log();
  for (std::size_t i = 0; i < log.size(); ++i) {
    const sim::MessageRecord& record = log[i];
    if (!IsInputMessage(record.msg)) continue;
    if (record.window == 0) {
      found.push_back(sim::DescribeMessage(record));
      continue;
    }
    auto gone = goneAt_.find(record.window);
    if (gone == goneAt_.end() || gone->second > i) continue;
    const std::size_t end = gone->second;
    bool rest = end > 0 && log[end - 1].window == record.window && i - end < kPressRest;
    for (std::size_t j = end; rest && j < i; ++j) rest = log[j].window == record.window;
    if (!rest) found.push_back(sim::DescribeMessage(record));
  }
  return found;
}

}  // namespace drelm::standin
