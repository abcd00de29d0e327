#include "standin/win32/win32_host.h"

#include <algorithm>

#include "platform/win32/win32_tick.h"
#include "text/ansi.h"

namespace drelm::standin {

namespace {

using win32::FromHwnd;
using win32::ToHwnd;

constexpr const char* kControlClass = "DrelmStandInHost";
constexpr UINT kRunAction = WM_APP + 1;
constexpr UINT kOpenPopup = WM_APP + 2;
constexpr int kToolbarHeight = 40;

Win32Host* g_host = nullptr;

bool IsSystemClass(const std::string& lower) {
  return lower == "edit" || lower == "static" || lower == "button" || lower == "listbox" ||
         lower == "mdiclient" || lower == "#32770";
}

// A dialog template in memory: the title, one static with the text and one "OK" push button.
std::vector<WORD> BoxTemplate(const std::string& title, const std::string& text) {
  std::vector<WORD> words;
  const auto dword = [&](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  const auto string = [&](const std::string& ansi) {
    const int length =
        MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
    for (wchar_t c : wide) words.push_back(static_cast<WORD>(c));
    words.push_back(0);
  };
  const auto align = [&] {
    if (words.size() % 2 != 0) words.push_back(0);
  };
  dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE);
  dword(0);
  words.push_back(2);  // items
  words.push_back(0);
  words.push_back(0);
  words.push_back(200);
  words.push_back(70);
  words.push_back(0);  // no menu
  words.push_back(0);  // the standard dialog class
  string(title);
  align();
  dword(WS_CHILD | WS_VISIBLE | SS_LEFT);
  dword(0);
  for (WORD v : {WORD{10}, WORD{10}, WORD{180}, WORD{30}, WORD{0xFFFF}}) words.push_back(v);
  words.push_back(0xFFFF);
  words.push_back(0x0082);  // static
  string(text);
  words.push_back(0);
  align();
  dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
  dword(0);
  for (WORD v : {WORD{75}, WORD{48}, WORD{50}, WORD{14}, WORD{IDOK}}) words.push_back(v);
  words.push_back(0xFFFF);
  words.push_back(0x0080);  // button
  string("OK");
  words.push_back(0);
  return words;
}

HMENU BuildMenu(const std::vector<MenuItem>& items, bool bar) {
  HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
  for (const MenuItem& item : items) {
    if (item.text.empty()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item.submenu.empty()) {
      AppendMenuA(menu, MF_POPUP | MF_STRING,
                  reinterpret_cast<UINT_PTR>(BuildMenu(item.submenu, false)), item.text.c_str());
    } else {
      AppendMenuA(menu, MF_STRING, item.id, item.text.c_str());
    }
  }
  return menu;
}

}  // namespace

struct Win32Host::Entry {
  MessageHandler onMessage;
  std::function<void()> onDestroyed;
  WNDPROC baseProc = nullptr;
  WindowKind kind = WindowKind::kControl;
  bool painted = false;  // a class of the client's own that the host draws
  // Where the next child goes when this window gets children.
  int nextY = 4;
  int nextX = 4;
  int iconRowY = -1;
  bool horizontal = false;
};

struct Win32Host::Box {
  HWND dialog = nullptr;
  bool done = false;
  std::function<void()> onOk;
};

class Win32Host::HostCall {
 public:
  explicit HostCall(Win32Host& host) : host_(host) { ++host_.hostCalls_; }
  ~HostCall() { --host_.hostCalls_; }

 private:
  Win32Host& host_;
};

Win32Host::Win32Host(HINSTANCE instance) : instance_(instance) {
  g_host = this;
  WNDCLASSEXA control{};
  control.cbSize = sizeof control;
  control.lpfnWndProc = ControlProc;
  control.hInstance = instance_;
  control.lpszClassName = kControlClass;
  RegisterClassExA(&control);
  control_ = CreateWindowExA(0, kControlClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             instance_, nullptr);
}

Win32Host::~Win32Host() {
  for (auto& [window, entry] : windows_) entry->onDestroyed = nullptr;
  const std::set<HWND> topLevel = topLevel_;
  for (HWND window : topLevel) DestroyWindow(window);
  DestroyWindow(control_);
  g_host = nullptr;
}

std::string Win32Host::ClassFor(const NewWindow& request) {
  const std::string lower = LowerAnsi(request.className);
  if (request.kind == WindowKind::kMdiClient) return "MDICLIENT";
  if (IsSystemClass(lower)) return request.className;
  if (auto it = registered_.find(lower); it != registered_.end()) return it->second;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (request.kind == WindowKind::kListBox || request.kind == WindowKind::kCheckBox) {
    // A list box or button under the client's class name: the system's own behaviour for the
    // messages the model leaves alone.
    GetClassInfoExA(nullptr, request.kind == WindowKind::kListBox ? "LISTBOX" : "BUTTON", &wc);
  } else {
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpfnWndProc = nullptr;
  }
  WNDPROC base = wc.lpfnWndProc;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance_;
  wc.lpszClassName = request.className.c_str();
  wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  RegisterClassExA(&wc);
  registered_[lower] = request.className;
  if (base) baseProcs_[lower] = base;
  return request.className;
}

WindowId Win32Host::Create(NewWindow request) {
  HostCall call(*this);
  const std::string lower = LowerAnsi(request.className);
  const std::string className = ClassFor(request);
  auto entry = std::make_unique<Entry>();
  entry->onMessage = std::move(request.onMessage);
  entry->onDestroyed = std::move(request.onDestroyed);
  entry->kind = request.kind;
  if (auto base = baseProcs_.find(lower); base != baseProcs_.end()) entry->baseProc = base->second;
  entry->painted = request.kind == WindowKind::kControl && !IsSystemClass(lower);
  entry->horizontal = lower == "_aol_toolbar";
  const bool system = IsSystemClass(lower) || request.kind == WindowKind::kMdiClient;
  HWND parent = ToHwnd(request.parent);
  HWND window = nullptr;
  pending_ = system ? nullptr : entry.get();
  adopted_ = false;
  switch (request.kind) {
    case WindowKind::kFrame:
      window = CreateWindowExA(0, className.c_str(), request.text.c_str(),
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, CW_USEDEFAULT,
                               CW_USEDEFAULT, 820, 640, nullptr, nullptr, instance_, nullptr);
      break;
    case WindowKind::kMdiClient: {
      CLIENTCREATESTRUCT ccs{};
      ccs.idFirstChild = 50000;
      RECT rect{};
      GetClientRect(parent, &rect);
      window = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", "",
                               WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0,
                               kToolbarHeight, rect.right, rect.bottom - kToolbarHeight, parent,
                               nullptr, instance_, &ccs);
      mdiClient_ = window;
      break;
    }
    case WindowKind::kMdiChild:
      window = CreateMDIWindowA(className.c_str(), request.text.c_str(), WS_VISIBLE, CW_USEDEFAULT,
                                CW_USEDEFAULT, 420, 440, parent, instance_, 0);
      break;
    case WindowKind::kTopLevel:
      window = CreateWindowExA(0, className.c_str(), request.text.c_str(),
                               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CW_USEDEFAULT,
                               CW_USEDEFAULT, 360, 200, nullptr, nullptr, instance_, nullptr);
      break;
    default: {
      // Controls flow down their parent, icons in a row, all in one row on the toolbar.
      Entry* host = nullptr;
      if (auto it = windows_.find(parent); it != windows_.end()) host = it->second.get();
      RECT rect{};
      GetClientRect(parent, &rect);
      const bool icon = lower == "_aol_icon";
      int x = 4;
      int y = 4;
      int width = std::max<int>(40, rect.right - 8);
      int height = lower == "richcntl" ? 80 : 24;
      if (lower == "aol toolbar" || lower == "_aol_toolbar") {
        x = 0;
        y = 0;
        width = 2000;
        height = kToolbarHeight;
      } else if (host && (host->horizontal || icon)) {
        if (!host->horizontal && host->iconRowY < 0) {
          host->iconRowY = host->nextY;
          host->nextY += 34;
        }
        width = icon ? 30 : 200;
        height = icon ? 30 : 24;
        x = host->nextX;
        y = host->horizontal ? 4 : host->iconRowY;
        host->nextX += width + 4;
      } else if (host) {
        y = host->nextY;
        host->nextY += height + 4;
      }
      DWORD style = WS_CHILD | WS_VISIBLE;
      if (lower == "edit") style |= WS_BORDER | ES_AUTOHSCROLL;
      if (request.kind == WindowKind::kCheckBox) style |= BS_CHECKBOX;
      if (request.kind == WindowKind::kListBox) style |= WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
      if (request.kind == WindowKind::kListBox) height = 80;
      window = CreateWindowExA(0, className.c_str(), request.text.c_str(), style, x, y, width,
                               height, parent, nullptr, instance_, nullptr);
      if (host && !host->horizontal && !icon && request.kind == WindowKind::kListBox) {
        host->nextY += 56;
      }
      break;
    }
  }
  pending_ = nullptr;
  if (adopted_) {
    // The window procedure took the entry over at the window's first message.
    (void)entry.release();
    adopted_ = false;
    if (!window) return 0;
    if (request.kind == WindowKind::kFrame || request.kind == WindowKind::kTopLevel) {
      topLevel_.insert(window);
    }
    return FromHwnd(window);
  }
  if (!window) return 0;
  if (system) {
    // The system's class with the model in front of it.
    entry->baseProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
  }
  windows_[window] = std::move(entry);
  if (request.kind == WindowKind::kFrame || request.kind == WindowKind::kTopLevel) {
    topLevel_.insert(window);
  }
  return FromHwnd(window);
}

bool Win32Host::Dying(HWND window) const {
  for (HWND w = window; w != nullptr; w = GetParent(w)) {
    if (dying_.contains(w)) return true;
  }
  return false;
}

void Win32Host::Destroy(WindowId id) {
  HWND window = ToHwnd(id);
  if (!IsWindow(window)) return;
  HostCall call(*this);
  dying_.insert(window);
  auto it = windows_.find(window);
  if (it != windows_.end() && it->second->kind == WindowKind::kMdiChild && mdiClient_) {
    SendMessageA(mdiClient_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
  } else {
    DestroyWindow(window);
  }
}

bool Win32Host::Exists(WindowId window) {
  return IsWindow(ToHwnd(window)) != FALSE;
}

void Win32Host::SetText(WindowId id, const std::string& text) {
  HWND window = ToHwnd(id);
  if (!IsWindow(window)) return;
  HostCall call(*this);
  SetWindowTextA(window, text.c_str());
  InvalidateRect(window, nullptr, TRUE);
}

std::string Win32Host::Text(WindowId id) {
  HWND window = ToHwnd(id);
  if (!IsWindow(window)) return {};
  HostCall call(*this);
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

void Win32Host::Show(WindowId window, int showCmd) {
  HostCall call(*this);
  ShowWindow(ToHwnd(window), showCmd);
}

bool Win32Host::Visible(WindowId window) {
  return IsWindowVisible(ToHwnd(window)) != FALSE;
}

void Win32Host::Activate(WindowId id) {
  HWND window = ToHwnd(id);
  HostCall call(*this);
  auto it = windows_.find(window);
  if (it != windows_.end() && it->second->kind == WindowKind::kMdiChild && mdiClient_) {
    SendMessageA(mdiClient_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
  } else {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
}

void Win32Host::SetListItems(WindowId id, const std::vector<std::string>& items) {
  HWND list = ToHwnd(id);
  if (!IsWindow(list)) return;
  HostCall call(*this);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  if (selected >= 0 && selected < static_cast<LRESULT>(items.size())) {
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  }
}

std::vector<std::string> Win32Host::ListItems(WindowId id) {
  HWND list = ToHwnd(id);
  std::vector<std::string> items;
  if (!IsWindow(list)) return items;
  HostCall call(*this);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::string item(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
    items.push_back(item);
  }
  return items;
}

int Win32Host::ListSelection(WindowId list) {
  if (!IsWindow(ToHwnd(list))) return -1;
  HostCall call(*this);
  return static_cast<int>(SendMessageA(ToHwnd(list), LB_GETCURSEL, 0, 0));
}

void Win32Host::SetListSelection(WindowId list, int index) {
  HostCall call(*this);
  SendMessageA(ToHwnd(list), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32Host::CheckState(WindowId box) {
  HostCall call(*this);
  return static_cast<int>(SendMessageA(ToHwnd(box), BM_GETCHECK, 0, 0));
}

void Win32Host::SetCheckState(WindowId box, int state) {
  HostCall call(*this);
  SendMessageA(ToHwnd(box), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void Win32Host::SetMenuBar(WindowId frame, const std::vector<MenuItem>& menus) {
  HostCall call(*this);
  SetMenu(ToHwnd(frame), BuildMenu(menus, true));
  DrawMenuBar(ToHwnd(frame));
}

void Win32Host::OpenPopupMenu(WindowId, const std::vector<MenuItem>& items,
                              PopupCallbacks callbacks) {
  pendingPopup_ = std::make_unique<PendingPopup>(PendingPopup{items, std::move(callbacks)});
  if (popupOpen_) EndMenu();
  // TrackPopupMenu runs its own loop: start it from a message of our own, not inside the caller.
  PostMessageA(control_, kOpenPopup, 0, 0);
}

void Win32Host::ClosePopupMenu() {
  pendingPopup_.reset();
  if (popupOpen_) {
    openCallbacks_ = PopupCallbacks{};
    EndMenu();
  }
}

void Win32Host::RunPopup() {
  if (!pendingPopup_ || popupOpen_) return;
  std::unique_ptr<PendingPopup> popup = std::move(pendingPopup_);
  HMENU menu = BuildMenu(popup->items, false);
  HWND owner = control_;
  for (HWND window : topLevel_) {
    if (windows_.contains(window) && windows_[window]->kind == WindowKind::kFrame) owner = window;
  }
  RECT rect{};
  GetWindowRect(owner, &rect);
  openCallbacks_ = std::move(popup->callbacks);
  popupOpen_ = true;
  SetForegroundWindow(owner);
  const UINT picked = static_cast<UINT>(
      TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                       rect.left + 20, rect.top + 60 + kToolbarHeight, owner, nullptr));
  popupOpen_ = false;
  DestroyMenu(menu);
  PopupCallbacks callbacks = std::move(openCallbacks_);
  openCallbacks_ = PopupCallbacks{};
  if (callbacks.onClose) callbacks.onClose(picked);
  if (pendingPopup_) PostMessageA(control_, kOpenPopup, 0, 0);
}

WindowId Win32Host::ShowMessageBox(const std::string& title, const std::string& text,
                                   std::function<void()> onOk) {
  HostCall call(*this);
  const int id = nextBox_++;
  auto box = std::make_unique<Box>();
  box->onOk = std::move(onOk);
  Box* raw = box.get();
  boxes_[id] = std::move(box);
  const std::vector<WORD> dialog = BoxTemplate(title, text);
  raw->dialog = CreateDialogIndirectParamA(
      instance_, reinterpret_cast<LPCDLGTEMPLATEA>(dialog.data()), nullptr, BoxProc, id);
  if (!raw->dialog) {
    boxes_.erase(id);
    return 0;
  }
  topLevel_.insert(raw->dialog);
  return FromHwnd(raw->dialog);
}

void Win32Host::DismissBox(int id) {
  auto it = boxes_.find(id);
  if (it == boxes_.end() || it->second->done) return;
  it->second->done = true;
  std::function<void()> onOk = std::move(it->second->onOk);
  {
    HostCall call(*this);
    DestroyWindow(it->second->dialog);
  }
  boxes_.erase(id);
  if (onOk) onOk();
}

INT_PTR CALLBACK Win32Host::BoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        if (g_host) g_host->DismissBox(static_cast<int>(GetWindowLongPtrA(dialog, GWLP_USERDATA)));
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      if (g_host) g_host->DismissBox(static_cast<int>(GetWindowLongPtrA(dialog, GWLP_USERDATA)));
      return TRUE;
    case WM_NCDESTROY:
      if (g_host) {
        g_host->topLevel_.erase(dialog);
        auto it = g_host->boxes_.find(static_cast<int>(GetWindowLongPtrA(dialog, GWLP_USERDATA)));
        // Gone with the process: nobody pressed OK.
        if (it != g_host->boxes_.end() && !it->second->done) g_host->boxes_.erase(it);
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void Win32Host::After(std::uint32_t delayMs, std::function<void()> action) {
  const UINT_PTR id = nextAction_++;
  actions_[id] = std::move(action);
  if (delayMs == 0) {
    PostMessageA(control_, kRunAction, id, 0);
  } else {
    SetTimer(control_, id, delayMs, nullptr);
  }
}

std::uint64_t Win32Host::NowMs() {
  return drelm::win32::TickCount64();
}

ProcessId Win32Host::BeginProcess(const std::string&) {
  return GetCurrentProcessId();
}

void Win32Host::EndProcess() {
  ClosePopupMenu();
  const std::set<HWND> topLevel = topLevel_;
  for (HWND window : topLevel) {
    if (!IsWindow(window)) continue;
    HostCall call(*this);
    dying_.insert(window);
    DestroyWindow(window);
  }
  topLevel_.clear();
  if (onProcessEnd_) onProcessEnd_();
}

LRESULT CALLBACK Win32Host::ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  Win32Host* host = g_host;
  if (host) {
    if (msg == WM_TIMER || msg == kRunAction) {
      if (msg == WM_TIMER) KillTimer(window, wParam);
      auto it = host->actions_.find(static_cast<UINT_PTR>(wParam));
      if (it != host->actions_.end()) {
        std::function<void()> action = std::move(it->second);
        host->actions_.erase(it);
        action();
      }
      return 0;
    }
    if (msg == kOpenPopup) {
      host->RunPopup();
      return 0;
    }
    if (msg == WM_MENUCHAR && host->popupOpen_) {
      if (host->openCallbacks_.onUnmatchedLetter) {
        host->openCallbacks_.onUnmatchedLetter(static_cast<char>(LOWORD(wParam)));
      }
      return MAKELRESULT(0, MNC_IGNORE);
    }
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT CALLBACK Win32Host::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!g_host) return DefWindowProcA(window, msg, wParam, lParam);
  return g_host->Dispatch(window, msg, wParam, lParam);
}

LRESULT Win32Host::Default(HWND window, const Entry* entry, UINT msg, WPARAM wParam,
                           LPARAM lParam) {
  if (entry && entry->baseProc)
    return CallWindowProcA(entry->baseProc, window, msg, wParam, lParam);
  const WindowKind kind = entry ? entry->kind : WindowKind::kControl;
  if (kind == WindowKind::kFrame) return DefFrameProcA(window, mdiClient_, msg, wParam, lParam);
  if (kind == WindowKind::kMdiChild) return DefMDIChildProcA(window, msg, wParam, lParam);
  return DefWindowProcA(window, msg, wParam, lParam);
}

void Win32Host::Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT rect{};
  GetClientRect(window, &rect);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  const std::string lower = LowerAnsi(className);
  if (lower == "_aol_icon") {
    DrawEdge(dc, &rect, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  } else {
    FillRect(dc, &rect, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    const std::string text = Text(FromHwnd(window));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  }
  EndPaint(window, &paint);
}

LRESULT Win32Host::Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto it = windows_.find(window);
  if (it == windows_.end() && pending_) {
    it = windows_.emplace(window, nullptr).first;
    it->second.reset(pending_);
    pending_ = nullptr;
    adopted_ = true;  // the entry lives in the map now; Create must not free it
  }
  Entry* entry = it == windows_.end() ? nullptr : it->second.get();
  if (!entry) return Default(window, nullptr, msg, wParam, lParam);
  // What the default handling needs, kept apart: the model may destroy the window.
  Entry fallback;
  fallback.baseProc = entry->baseProc;
  fallback.kind = entry->kind;

  if (msg == WM_NCDESTROY) {
    std::function<void()> onDestroyed = std::move(entry->onDestroyed);
    const LRESULT result = Default(window, &fallback, msg, wParam, lParam);
    windows_.erase(window);
    topLevel_.erase(window);
    dying_.erase(window);
    if (mdiClient_ == window) mdiClient_ = nullptr;
    if (onDestroyed) onDestroyed();
    return result;
  }
  if (msg == WM_MENUCHAR && popupOpen_) {
    if (openCallbacks_.onUnmatchedLetter) {
      openCallbacks_.onUnmatchedLetter(static_cast<char>(LOWORD(wParam)));
    }
    return MAKELRESULT(0, MNC_IGNORE);
  }
  if (entry->kind == WindowKind::kFrame && msg == WM_SIZE && mdiClient_) {
    MoveWindow(mdiClient_, 0, kToolbarHeight, LOWORD(lParam),
               std::max(0, HIWORD(lParam) - kToolbarHeight), TRUE);
    return 0;
  }
  if (entry->painted && msg == WM_PAINT) {
    Paint(window);
    return 0;
  }
  if (entry->painted && msg == WM_LBUTTONDOWN) SetFocus(window);
  const bool fromOutside = hostCalls_ == 0 && !(msg == WM_DESTROY && Dying(window));
  if (fromOutside && entry->onMessage && msg != WM_NCCREATE && msg != WM_CREATE) {
    Message message{msg, wParam, lParam, {}};
    if (msg == WM_SETTEXT && lParam != 0) message.text = reinterpret_cast<const char*>(lParam);
    MessageHandler handler = entry->onMessage;
    if (std::optional<LResult> handled = handler(message)) return *handled;
  }
  const LRESULT result = Default(window, &fallback, msg, wParam, lParam);
  if (msg == WM_SETTEXT) InvalidateRect(window, nullptr, TRUE);
  return result;
}

}  // namespace drelm::standin
