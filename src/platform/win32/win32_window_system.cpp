#include "platform/win32/win32_window_system.h"

#include <algorithm>
#include <cwchar>

#include "platform/item_text_answer.h"
#include "platform/win32/win32_answer_probe.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_file_version.h"
#include "platform/win32/win32_optional_functions.h"
#include "platform/win32/win32_process_image.h"
#include "platform/win32/win32_text.h"

namespace drelm::win32 {

namespace {

// No control the program reads holds more text than this; a larger answer is a broken window.
constexpr std::size_t kMaxTextChars = 16u << 20;
// A sibling list longer than this is a window tree changing under our feet.
constexpr int kMaxSiblings = 100000;

const char* OrNull(const std::optional<std::string>& text) {
  return text ? text->c_str() : nullptr;
}

// The wide sends, found only where they are real: on 98 and ME they are stubs that fail.
struct WideSends {
  using SendFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
  using SendTimeoutFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR);
  SendFn send = nullptr;
  SendTimeoutFn sendTimeout = nullptr;
  bool Present() const { return send != nullptr && sendTimeout != nullptr; }
};

const WideSends& Wide() {
  static const WideSends sends = [] {
    WideSends found;
    if (!IsWindowsNt()) return found;
    found.send = FindOptionalAs<WideSends::SendFn>(kSendMessageW);
    found.sendTimeout = FindOptionalAs<WideSends::SendTimeoutFn>(kSendMessageTimeoutW);
    return found;
  }();
  return sends;
}

// Sends within this thread directly; to anyone else only once it has shown that it answers,
// and then with a bound, so a hung target costs about kCrossProcessSendMs. False when the
// target did not answer. wide only where the wide sends are present.
bool Send(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, bool wide, LRESULT* result) {
  *result = 0;
  if (OwnedByThisThread(window)) {
    *result =
        wide ? Wide().send(window, msg, wParam, lParam) : SendMessageA(window, msg, wParam, lParam);
    return true;
  }
  if (!AnswerTimeMs(window, kCrossProcessSendMs)) return false;
  DWORD_PTR answer = 0;
  const UINT flags = SMTO_NORMAL | SMTO_ABORTIFHUNG;
  const LRESULT ok =
      wide ? Wide().sendTimeout(window, msg, wParam, lParam, flags, kCrossProcessSendMs, &answer)
           : SendMessageTimeoutA(window, msg, wParam, lParam, flags, kCrossProcessSendMs, &answer);
  if (ok) *result = static_cast<LRESULT>(answer);
  return ok != 0;
}

HWND Live(Hwnd window) {
  if (window == 0) return nullptr;
  HWND handle = ToHwnd(window);
  return ::IsWindow(handle) ? handle : nullptr;
}

// Item texts of list and combo boxes are fetched as UTF-16 where the wide sends are real: sent
// as ANSI across processes, Wine answers in UTF-16 and overflows a buffer sized for ANSI. Where
// only ANSI will do, the buffer has room for a UTF-16 answer and the answer is recognised.
// Asking for the length first keeps the buffer large enough whatever the caller guessed.
std::string SendItemTextMessage(HWND window, std::uint32_t msg, WParam index,
                                std::size_t bufferChars, bool wide, LResult* result) {
  const UINT lengthMsg = msg == LB_GETTEXT ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
  LRESULT length = 0;
  if (!Send(window, lengthMsg, index, 0, wide, &length) || length < 0 ||
      static_cast<std::size_t>(length) > kMaxTextChars) {
    if (result) *result = LB_ERR;
    return {};
  }
  const std::size_t bytes = ItemTextBufferBytes(static_cast<std::size_t>(length));
  // Zero-filled, and whole UTF-16 units, so an answer in either encoding ends inside it.
  std::wstring buffer(bytes / sizeof(wchar_t), L'\0');
  LRESULT copied = 0;
  if (!Send(window, msg, index, reinterpret_cast<LPARAM>(buffer.data()), wide, &copied) ||
      copied < 0) {
    if (result) *result = LB_ERR;
    return {};
  }
  std::string text;
  if (wide) {
    text = WideToAnsi(std::wstring_view(buffer.data(), wcsnlen(buffer.data(), buffer.size())));
  } else {
    const ItemTextAnswer answer =
        RecogniseItemText(std::string_view(reinterpret_cast<const char*>(buffer.data()), bytes),
                          static_cast<std::size_t>(length));
    text = answer.utf16 ? WideToAnsi(std::wstring(answer.wide.begin(), answer.wide.end()))
                        : answer.ansi;
  }
  if (text.size() >= bufferChars) text.resize(bufferChars - 1);
  if (result) *result = static_cast<LResult>(text.size());
  return text;
}

}  // namespace

ItemTextWay ItemTextWayOfThisWindows() {
  return Wide().Present() ? ItemTextWay::kWide : ItemTextWay::kAnsi;
}

Hwnd Win32WindowSystem::FindWindow(const std::optional<std::string>& className,
                                   const std::optional<std::string>& caption) {
  return FromHwnd(FindWindowA(OrNull(className), OrNull(caption)));
}

Hwnd Win32WindowSystem::FindWindowEx(Hwnd parent, Hwnd childAfter,
                                     const std::optional<std::string>& className,
                                     const std::optional<std::string>& caption) {
  HWND parentHandle = nullptr;
  if (parent != 0) {
    parentHandle = Live(parent);
    if (!parentHandle) return 0;
  }
  return FromHwnd(FindWindowExA(parentHandle, childAfter ? ToHwnd(childAfter) : nullptr,
                                OrNull(className), OrNull(caption)));
}

std::vector<Hwnd> Win32WindowSystem::Children(Hwnd parent) {
  HWND child = nullptr;
  if (parent == 0) {
    child = GetTopWindow(nullptr);
  } else if (HWND handle = Live(parent)) {
    child = GetWindow(handle, GW_CHILD);
  }
  std::vector<Hwnd> children;
  for (int i = 0; child && i < kMaxSiblings; ++i) {
    children.push_back(FromHwnd(child));
    child = GetWindow(child, GW_HWNDNEXT);
  }
  return children;
}

bool Win32WindowSystem::IsWindow(Hwnd window) {
  return Live(window) != nullptr;
}

Hwnd Win32WindowSystem::Parent(Hwnd window) {
  HWND handle = Live(window);
  if (!handle) return 0;
  HWND parent = GetAncestor(handle, GA_PARENT);
  return parent == GetDesktopWindow() ? 0 : FromHwnd(parent);
}

std::string Win32WindowSystem::ClassName(Hwnd window) {
  HWND handle = Live(window);
  if (!handle) return {};
  char name[257] = {};
  const int length = GetClassNameA(handle, name, static_cast<int>(sizeof name));
  return std::string(name, static_cast<std::size_t>(std::max(length, 0)));
}

int Win32WindowSystem::GetWindowTextLength(Hwnd window) {
  HWND handle = Live(window);
  return handle ? GetWindowTextLengthA(handle) : 0;
}

std::string Win32WindowSystem::GetWindowText(Hwnd window, int maxCount) {
  HWND handle = Live(window);
  if (!handle || maxCount <= 0) return {};
  const std::size_t size = std::min(static_cast<std::size_t>(maxCount), kMaxTextChars);
  std::string buffer(size, '\0');
  const int copied = GetWindowTextA(handle, buffer.data(), static_cast<int>(size));
  buffer.resize(
      std::clamp<std::size_t>(static_cast<std::size_t>(std::max(copied, 0)), 0, size - 1));
  return buffer;
}

LResult Win32WindowSystem::SendMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                       LParam lParam) {
  HWND handle = Live(window);
  if (!handle) return 0;
  LRESULT result = 0;
  Send(handle, msg, wParam, lParam, false, &result);
  return result;
}

LResult Win32WindowSystem::SendTextMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                           const std::string& text) {
  HWND handle = Live(window);
  if (!handle) return 0;
  LRESULT result = 0;
  Send(handle, msg, wParam, reinterpret_cast<LPARAM>(text.c_str()), false, &result);
  return result;
}

std::string Win32WindowSystem::SendBufferMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                                 std::size_t bufferChars, LResult* result) {
  if (result) *result = 0;
  HWND handle = Live(window);
  if (!handle || bufferChars == 0) return {};
  bufferChars = std::min(bufferChars, kMaxTextChars);
  if (msg == LB_GETTEXT || msg == CB_GETLBTEXT) {
    const bool wide = itemTexts_ == ItemTextWay::kWide && Wide().Present();
    return SendItemTextMessage(handle, msg, wParam, bufferChars, wide, result);
  }
  std::string buffer(bufferChars, '\0');
  LRESULT answer = 0;
  Send(handle, msg, wParam, reinterpret_cast<LPARAM>(buffer.data()), false, &answer);
  if (result) *result = answer;
  buffer.resize(std::min(strnlen(buffer.data(), bufferChars), bufferChars - 1));
  return buffer;
}

bool Win32WindowSystem::PostMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) {
  HWND handle = Live(window);
  return handle && PostMessageA(handle, msg, wParam, lParam) != 0;
}

bool Win32WindowSystem::ShowWindow(Hwnd window, int showCmd) {
  HWND handle = Live(window);
  if (!handle) return false;
  if (OwnedByThisThread(handle)) return ::ShowWindow(handle, showCmd) != 0;
  const bool wasVisible = ::IsWindowVisible(handle) != 0;
  ShowWindowAsync(handle, showCmd);
  return wasVisible;
}

bool Win32WindowSystem::IsWindowVisible(Hwnd window) {
  HWND handle = Live(window);
  return handle && ::IsWindowVisible(handle) != 0;
}

int Win32WindowSystem::ShowState(Hwnd window) {
  HWND handle = Live(window);
  if (!handle) return 0;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(handle, &placement)) return 0;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_SHOWMAXIMIZED:
      return static_cast<int>(placement.showCmd);
    default:
      return SW_SHOWNORMAL;
  }
}

bool Win32WindowSystem::SetTopmost(Hwnd window, bool topmost) {
  HWND handle = Live(window);
  return handle && SetWindowPos(handle, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                                SWP_NOSIZE | SWP_NOMOVE) != 0;
}

void Win32WindowSystem::ReleaseCapture() {
  ::ReleaseCapture();
}

MenuHandle Win32WindowSystem::GetMenu(Hwnd window) {
  HWND handle = Live(window);
  return handle ? FromHmenu(::GetMenu(handle)) : 0;
}

int Win32WindowSystem::GetMenuItemCount(MenuHandle menu) {
  return menu ? ::GetMenuItemCount(ToHmenu(menu)) : -1;
}

MenuHandle Win32WindowSystem::GetSubMenu(MenuHandle menu, int position) {
  return menu ? FromHmenu(::GetSubMenu(ToHmenu(menu), position)) : 0;
}

std::uint32_t Win32WindowSystem::GetMenuItemID(MenuHandle menu, int position) {
  return menu ? ::GetMenuItemID(ToHmenu(menu), position) : 0xFFFFFFFFu;
}

std::string Win32WindowSystem::GetMenuString(MenuHandle menu, std::uint32_t id, int maxCount) {
  if (!menu || maxCount <= 0) return {};
  const std::size_t size = std::min(static_cast<std::size_t>(maxCount), kMaxTextChars);
  std::string buffer(size, '\0');
  const int copied =
      GetMenuStringA(ToHmenu(menu), id, buffer.data(), static_cast<int>(size), MF_BYCOMMAND);
  buffer.resize(std::min(static_cast<std::size_t>(std::max(copied, 0)), size - 1));
  return buffer;
}

std::string Win32WindowSystem::ProgramFileVersion(Hwnd window) {
  const ProcessId pid = WindowProcessId(window);
  return pid == 0 ? std::string() : FileVersionOf(ProcessImagePath(pid));
}

ProcessId Win32WindowSystem::WindowProcessId(Hwnd window) {
  HWND handle = Live(window);
  if (!handle) return 0;
  DWORD pid = 0;
  GetWindowThreadProcessId(handle, &pid);
  return pid;
}

}  // namespace drelm::win32
