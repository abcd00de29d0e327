#include "platform/sim/sim_window_system.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/winuser_constants.h"
#include "text/ansi.h"

namespace drelm::sim {

struct SimWindowSystem::Window {
  Hwnd handle = 0;
  std::string className;
  std::string text;
  Hwnd parent = 0;
  std::vector<Hwnd> children;  // z-order, top first
  bool visible = true;
  int showState = SW_SHOWNORMAL;
  bool topmost = false;
  bool destroying = false;
  ProcessId pid = 0;
  MenuHandle menu = 0;
  // Shared, so that a message holds the handler alive while it runs (it may replace itself or
  // destroy the window) without copying the handler at every message.
  std::shared_ptr<const SimHandler> handler;
  SimControl control = SimControl::kPlain;
  std::vector<std::string> items;
  int curSel = LB_ERR;
  int check = BST_UNCHECKED;
  bool buttonDown = false;
  // Where the window last stood among its siblings when a walk passed it: the next step of the
  // walk (FindWindowEx after it) starts there instead of searching the siblings again.
  std::size_t siblingHint = 0;
};

namespace {

SimControl ControlForClass(const std::string& className) {
  const std::string lower = LowerAnsi(className);
  if (lower == "listbox" || lower == "_aol_listbox") return SimControl::kListBox;
  if (lower == "_aol_checkbox" || lower == "checkbox") return SimControl::kCheckBox;
  return SimControl::kPlain;
}

}  // namespace

SimWindowSystem::SimWindowSystem() = default;
SimWindowSystem::~SimWindowSystem() = default;

SimWindowSystem::Window* SimWindowSystem::Find(Hwnd window) const {
  if (window < kFirstHandle || (window - kFirstHandle) % kHandleStep != 0) return nullptr;
  const std::size_t slot = (window - kFirstHandle) / kHandleStep;
  return slot < windows_.size() ? windows_[slot].get() : nullptr;
}

std::vector<Hwnd>& SimWindowSystem::SiblingsOf(Hwnd parent) {
  if (parent == 0) return topLevel_;
  Window* p = Find(parent);
  if (!p) throw std::logic_error("simulated window has a parent that is gone");
  return p->children;
}

bool SimWindowSystem::Matches(const Window& w, const std::optional<std::string>& className,
                              const std::optional<std::string>& caption) const {
  if (w.destroying) return false;
  if (className && !EqualsIgnoreCase(w.className, *className)) return false;
  if (caption && !EqualsIgnoreCase(w.text, *caption)) return false;
  return true;
}

Hwnd SimWindowSystem::FindWindow(const std::optional<std::string>& className,
                                 const std::optional<std::string>& caption) {
  return FindWindowEx(0, 0, className, caption);
}

Hwnd SimWindowSystem::FindWindowEx(Hwnd parent, Hwnd childAfter,
                                   const std::optional<std::string>& className,
                                   const std::optional<std::string>& caption) {
  if (parent != 0 && !Find(parent)) return 0;
  const std::vector<Hwnd>& siblings = SiblingsOf(parent);
  auto it = siblings.begin();
  if (childAfter != 0) {
    const Window* after = Find(childAfter);
    const std::size_t hint = after ? after->siblingHint : 0;
    if (hint < siblings.size() && siblings[hint] == childAfter) {
      it = siblings.begin() + static_cast<std::ptrdiff_t>(hint);
    } else {
      it = std::find(siblings.begin(), siblings.end(), childAfter);
      if (it == siblings.end()) return 0;
    }
    ++it;
  }
  for (; it != siblings.end(); ++it) {
    Window& w = *Find(*it);
    if (!Matches(w, className, caption)) continue;
    w.siblingHint = static_cast<std::size_t>(it - siblings.begin());
    return *it;
  }
  return 0;
}

std::vector<Hwnd> SimWindowSystem::Children(Hwnd parent) {
  if (parent != 0 && !Find(parent)) return {};
  return SiblingsOf(parent);
}

bool SimWindowSystem::IsWindow(Hwnd window) {
  const Window* w = Find(window);
  return w && !w->destroying;
}

Hwnd SimWindowSystem::Parent(Hwnd window) {
  const Window* w = Find(window);
  return w ? w->parent : 0;
}

std::string SimWindowSystem::ClassName(Hwnd window) {
  const Window* w = Find(window);
  return w ? w->className : std::string();
}

int SimWindowSystem::GetWindowTextLength(Hwnd window) {
  const Window* w = Find(window);
  return w ? static_cast<int>(w->text.size()) : 0;
}

std::string SimWindowSystem::GetWindowText(Hwnd window, int maxCount) {
  const Window* w = Find(window);
  if (!w || maxCount <= 0) return {};
  return w->text.substr(0, static_cast<std::size_t>(maxCount - 1));
}

bool SimWindowSystem::Hung(const Window* w) const {
  return w && hungPid_ != 0 && w->pid == hungPid_;
}

bool SimWindowSystem::Arrives(Hwnd window, const SimMessage& message, bool posted) {
  if (beforeMessage_) {
    // The hook may send messages of its own (a box coming up); those are the model's.
    auto hook = std::exchange(beforeMessage_, {});
    hook(window, message.msg);
    beforeMessage_ = std::move(hook);
  }
  const Window* w = Find(window);
  log_.push_back(MessageRecord{window, message.msg, message.wParam, message.lParam, message.text,
                               posted, w ? w->pid : 0});
  return w && !Hung(w);
}

LResult SimWindowSystem::SendMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) {
  SimMessage m{msg, wParam, lParam, {}, nullptr, 0};
  return Arrives(window, m, false) ? Dispatch(window, m) : 0;
}

LResult SimWindowSystem::SendTextMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                         const std::string& text) {
  SimMessage m{msg, wParam, 0, text, nullptr, 0};
  return Arrives(window, m, false) ? Dispatch(window, m) : 0;
}

std::string SimWindowSystem::SendBufferMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                               std::size_t bufferChars, LResult* result) {
  std::string buffer;
  SimMessage m{msg, wParam, 0, {}, &buffer, bufferChars};
  const LResult r = Arrives(window, m, false) ? Dispatch(window, m) : 0;
  if (result) *result = r;
  if (buffer.size() >= bufferChars && bufferChars > 0) buffer.resize(bufferChars - 1);
  return buffer;
}

bool SimWindowSystem::PostMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) {
  SimMessage m{msg, wParam, lParam, {}, nullptr, 0};
  if (!Arrives(window, m, true)) return Find(window) != nullptr;
  posted_.emplace_back(window, m);
  return true;
}

bool SimWindowSystem::DeliverOnePosted() {
  if (posted_.empty()) return false;
  auto [window, message] = posted_.front();
  posted_.pop_front();
  if (Find(window)) Dispatch(window, message);
  return true;
}

LResult SimWindowSystem::Dispatch(Hwnd window, const SimMessage& message) {
  Window* w = Find(window);
  if (!w) return 0;
  if (w->handler) {
    const std::shared_ptr<const SimHandler> handler = w->handler;
    if (std::optional<LResult> handled = (*handler)(window, message)) return *handled;
  }
  return DefaultHandling(window, message);
}

LResult SimWindowSystem::Deliver(Hwnd window, SimMessage message) {
  return Dispatch(window, message);
}

LResult SimWindowSystem::DefaultHandling(Hwnd window, const SimMessage& m) {
  Window* w = Find(window);
  if (!w) return 0;
  switch (m.msg) {
    case WM_SETTEXT:
      w->text = m.text;
      return 1;
    case WM_GETTEXTLENGTH:
      return static_cast<LResult>(w->text.size());
    case WM_GETTEXT: {
      if (!m.out || m.outChars == 0) return 0;
      *m.out = w->text.substr(0, m.outChars - 1);
      return static_cast<LResult>(m.out->size());
    }
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    default:
      break;
  }
  if (w->control == SimControl::kListBox) {
    auto& items = w->items;
    const auto count = static_cast<LResult>(items.size());
    const auto index = static_cast<LResult>(static_cast<std::intptr_t>(m.wParam));
    switch (m.msg) {
      case LB_ADDSTRING:
        items.push_back(m.text);
        return count;
      case LB_INSERTSTRING:
        if (index == -1 || index == count) {
          items.push_back(m.text);
          return count;
        }
        if (index < 0 || index > count) return LB_ERR;
        items.insert(items.begin() + index, m.text);
        return index;
      case LB_DELETESTRING:
        if (index < 0 || index >= count) return LB_ERR;
        items.erase(items.begin() + index);
        if (w->curSel >= count - 1) w->curSel = LB_ERR;
        return count - 1;
      case LB_RESETCONTENT:
        items.clear();
        w->curSel = LB_ERR;
        return 0;
      case LB_GETCOUNT:
        return count;
      case LB_GETTEXTLEN:
        return index >= 0 && index < count ? static_cast<LResult>(items[index].size()) : LB_ERR;
      case LB_GETTEXT:
        if (index < 0 || index >= count) return LB_ERR;
        if (m.out) *m.out = items[index];
        return static_cast<LResult>(items[index].size());
      case LB_SETCURSEL:
        if (index < 0 || index >= count) {
          w->curSel = LB_ERR;
          return index == -1 ? 0 : LB_ERR;
        }
        w->curSel = static_cast<int>(index);
        return index;
      case LB_GETCURSEL:
        return w->curSel;
      default:
        break;
    }
  }
  if (w->control == SimControl::kCheckBox) {
    switch (m.msg) {
      case BM_GETCHECK:
        return w->check;
      case BM_SETCHECK:
        w->check = static_cast<int>(m.wParam);
        return 0;
      case BM_CLICK:
        w->check = w->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        return 0;
      case WM_LBUTTONDOWN:
        w->buttonDown = true;
        return 0;
      case WM_LBUTTONUP:
        if (w->buttonDown) w->check = w->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        w->buttonDown = false;
        return 0;
      default:
        break;
    }
  }
  return 0;
}

bool SimWindowSystem::ShowWindow(Hwnd window, int showCmd) {
  shows_.emplace_back(window, showCmd);
  Window* w = Find(window);
  if (!w) return false;
  const bool wasVisible = w->visible;
  if (Hung(w)) return wasVisible;
  switch (showCmd) {
    case SW_HIDE:
      w->visible = false;
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      w->visible = true;
      w->showState = SW_SHOWMINIMIZED;
      break;
    case SW_SHOWMAXIMIZED:
      w->visible = true;
      w->showState = SW_SHOWMAXIMIZED;
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      w->visible = true;
      w->showState = SW_SHOWNORMAL;
      break;
    default:  // SW_SHOW, SW_SHOWNA, SW_SHOWNOACTIVATE keep the state
      w->visible = true;
      break;
  }
  return wasVisible;
}

bool SimWindowSystem::IsWindowVisible(Hwnd window) {
  for (const Window* w = Find(window); w; w = Find(w->parent)) {
    if (!w->visible) return false;
    if (w->parent == 0) return true;
  }
  return false;
}

int SimWindowSystem::ShowState(Hwnd window) {
  const Window* w = Find(window);
  return w ? w->showState : 0;
}

bool SimWindowSystem::SetTopmost(Hwnd window, bool topmost) {
  Window* w = Find(window);
  if (!w) return false;
  w->topmost = topmost;
  return true;
}

bool SimWindowSystem::Topmost(Hwnd window) const {
  const Window* w = Find(window);
  return w && w->topmost;
}

MenuHandle SimWindowSystem::GetMenu(Hwnd window) {
  const Window* w = Find(window);
  return w ? w->menu : 0;
}

int SimWindowSystem::GetMenuItemCount(MenuHandle menu) {
  if (menusUnreadable_) return -1;
  auto it = menus_.find(menu);
  return it == menus_.end() ? -1 : static_cast<int>(it->second.items.size());
}

MenuHandle SimWindowSystem::GetSubMenu(MenuHandle menu, int position) {
  if (menusUnreadable_) return 0;
  auto it = menus_.find(menu);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.items.size())) {
    return 0;
  }
  return it->second.items[position].submenu;
}

std::uint32_t SimWindowSystem::GetMenuItemID(MenuHandle menu, int position) {
  if (menusUnreadable_) return 0xFFFFFFFFu;
  auto it = menus_.find(menu);
  if (it == menus_.end() || position < 0 || position >= static_cast<int>(it->second.items.size())) {
    return 0xFFFFFFFFu;
  }
  const Menu::Item& item = it->second.items[position];
  return item.submenu ? 0xFFFFFFFFu : item.id;
}

std::string SimWindowSystem::GetMenuString(MenuHandle menu, std::uint32_t id, int maxCount) {
  if (menusUnreadable_) return {};
  auto it = menus_.find(menu);
  if (it == menus_.end() || maxCount <= 0) return {};
  for (const Menu::Item& item : it->second.items) {
    if (!item.submenu && item.id == id) return item.text.substr(0, maxCount - 1);
  }
  // By command, Windows also looks inside the submenus.
  for (const Menu::Item& item : it->second.items) {
    if (item.submenu) {
      std::string found = GetMenuString(item.submenu, id, maxCount);
      if (!found.empty()) return found;
    }
  }
  return {};
}

std::string SimWindowSystem::ProgramFileVersion(Hwnd window) {
  const ProcessId pid = WindowProcessId(window);
  return pid != 0 && fileVersionOf_ ? fileVersionOf_(pid) : std::string();
}

ProcessId SimWindowSystem::WindowProcessId(Hwnd window) {
  const Window* w = Find(window);
  return w ? w->pid : 0;
}

Hwnd SimWindowSystem::CreateWindow(const std::string& className, const std::string& text,
                                   Hwnd parent, SimHandler handler, ProcessId pid,
                                   std::optional<SimControl> control) {
  Window* p = nullptr;
  if (parent != 0) {
    p = Find(parent);
    if (!p) throw std::logic_error("CreateWindow under a window that does not exist");
  }
  auto w = std::make_unique<Window>();
  const Hwnd reuse = std::exchange(reuseNext_, 0);
  const bool reused = reuse >= kFirstHandle && (reuse - kFirstHandle) % kHandleStep == 0 &&
                      reuse < nextHandle_ && Find(reuse) == nullptr;
  w->handle = reused ? reuse : nextHandle_;
  if (!reused) nextHandle_ += kHandleStep;
  w->className = className;
  w->text = text;
  w->parent = parent;
  w->pid = pid != 0 ? pid : (p ? p->pid : 0);
  if (handler) w->handler = std::make_shared<const SimHandler>(std::move(handler));
  w->control = control.value_or(ControlForClass(className));
  const Hwnd handle = w->handle;
  if (reused) {
    windows_[(handle - kFirstHandle) / kHandleStep] = std::move(w);
  } else {
    windows_.push_back(std::move(w));
  }
  if (parent == 0) {
    topLevel_.insert(topLevel_.begin(), handle);
  } else {
    p->children.push_back(handle);
  }
  return handle;
}

void SimWindowSystem::DestroyWindow(Hwnd window) {
  Window* w = Find(window);
  if (!w || w->destroying) return;
  w->destroying = true;
  Dispatch(window, SimMessage{WM_DESTROY, 0, 0, {}, nullptr, 0});
  const std::vector<Hwnd> children = Find(window)->children;
  for (Hwnd child : children) DestroyWindow(child);
  w = Find(window);
  std::vector<Hwnd>& siblings =
      w->parent == 0 || Find(w->parent) ? SiblingsOf(w->parent) : topLevel_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
  std::erase_if(posted_, [window](const auto& p) { return p.first == window; });
  windows_[(window - kFirstHandle) / kHandleStep].reset();
  if (onDestroy_) onDestroy_(window);
}

void SimWindowSystem::SetHandler(Hwnd window, SimHandler handler) {
  if (Window* w = Find(window)) {
    w->handler = handler ? std::make_shared<const SimHandler>(std::move(handler)) : nullptr;
  }
}

void SimWindowSystem::BringToTop(Hwnd window) {
  Window* w = Find(window);
  if (!w) return;
  std::vector<Hwnd>& siblings = SiblingsOf(w->parent);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
  siblings.insert(siblings.begin(), window);
}

void SimWindowSystem::SetText(Hwnd window, const std::string& text) {
  if (Window* w = Find(window)) w->text = text;
}

std::string SimWindowSystem::Text(Hwnd window) const {
  const Window* w = Find(window);
  return w ? w->text : std::string();
}

std::vector<std::string>& SimWindowSystem::ListItems(Hwnd window) {
  Window* w = Find(window);
  if (!w) throw std::logic_error("ListItems of a window that does not exist");
  return w->items;
}

int SimWindowSystem::CheckState(Hwnd window) const {
  const Window* w = Find(window);
  return w ? w->check : BST_UNCHECKED;
}

void SimWindowSystem::SetCheckState(Hwnd window, int state) {
  if (Window* w = Find(window)) w->check = state;
}

MenuHandle SimWindowSystem::CreateMenu() {
  const MenuHandle handle = nextMenu_;
  nextMenu_ += 4;
  menus_.emplace(handle, Menu{});
  return handle;
}

void SimWindowSystem::AppendMenuItem(MenuHandle menu, const std::string& text, std::uint32_t id,
                                     MenuHandle submenu) {
  auto it = menus_.find(menu);
  if (it == menus_.end()) throw std::logic_error("AppendMenuItem on a menu that does not exist");
  it->second.items.push_back(Menu::Item{text, id, submenu});
}

void SimWindowSystem::SetMenu(Hwnd window, MenuHandle menu) {
  if (Window* w = Find(window)) w->menu = menu;
}

std::vector<MessageRecord> SimWindowSystem::LogSince(std::size_t mark) const {
  if (mark >= log_.size()) return {};
  return {log_.begin() + static_cast<std::ptrdiff_t>(mark), log_.end()};
}

}  // namespace drelm::sim
