// An in-memory window system with Win32 message semantics. SendMessage runs the target's handler
// at once; PostMessage queues until the event loop pumps. Children are kept in z-order: a new
// child goes below its siblings, a new top-level window goes on top, an activated child moves to
// the top. Every message sent or posted through the WindowSystem interface is logged; the
// builder calls (CreateWindow, SetText, Deliver, ...) are the model's own and are not.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/window_system.h"

namespace drelm::sim {

struct SimMessage {
  std::uint32_t msg = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  std::string text;            // what lParam points at, for text messages
  std::string* out = nullptr;  // the buffer lParam points at, for buffer messages
  std::size_t outChars = 0;    // its size in characters, terminating NUL included
};

// A window's own handling. Returning nothing hands the message to the default handling.
using SimHandler = std::function<std::optional<LResult>(Hwnd, const SimMessage&)>;

// Built-in control behaviour, chosen by class name unless given.
enum class SimControl { kPlain, kListBox, kCheckBox };

struct MessageRecord {
  Hwnd window = 0;
  std::uint32_t msg = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  std::string text;
  bool posted = false;
  ProcessId pid = 0;  // the target's process when the message was sent (0: no such window)
};

class SimWindowSystem : public WindowSystem {
 public:
  SimWindowSystem();
  ~SimWindowSystem() override;

  // WindowSystem
  Hwnd FindWindow(const std::optional<std::string>& className,
                  const std::optional<std::string>& caption) override;
  Hwnd FindWindowEx(Hwnd parent, Hwnd childAfter, const std::optional<std::string>& className,
                    const std::optional<std::string>& caption) override;
  std::vector<Hwnd> Children(Hwnd parent) override;
  bool IsWindow(Hwnd window) override;
  Hwnd Parent(Hwnd window) override;
  std::string ClassName(Hwnd window) override;
  int GetWindowTextLength(Hwnd window) override;
  std::string GetWindowText(Hwnd window, int maxCount) override;
  LResult SendMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) override;
  LResult SendTextMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                          const std::string& text) override;
  std::string SendBufferMessage(Hwnd window, std::uint32_t msg, WParam wParam,
                                std::size_t bufferChars, LResult* result = nullptr) override;
  bool PostMessage(Hwnd window, std::uint32_t msg, WParam wParam, LParam lParam) override;
  bool ShowWindow(Hwnd window, int showCmd) override;
  bool IsWindowVisible(Hwnd window) override;
  int ShowState(Hwnd window) override;
  bool SetTopmost(Hwnd window, bool topmost) override;
  void ReleaseCapture() override { ++captureReleases_; }
  MenuHandle GetMenu(Hwnd window) override;
  int GetMenuItemCount(MenuHandle menu) override;
  MenuHandle GetSubMenu(MenuHandle menu, int position) override;
  std::uint32_t GetMenuItemID(MenuHandle menu, int position) override;
  std::string GetMenuString(MenuHandle menu, std::uint32_t id, int maxCount) override;
  ProcessId WindowProcessId(Hwnd window) override;
  std::string ProgramFileVersion(Hwnd window) override;

  // Building the model. pid 0 inherits the parent's process.
  Hwnd CreateWindow(const std::string& className, const std::string& text, Hwnd parent = 0,
                    SimHandler handler = {}, ProcessId pid = 0,
                    std::optional<SimControl> control = std::nullopt);
  void DestroyWindow(Hwnd window);
  // The next window created takes this handle if its window is gone, as Windows may hand a freed
  // handle out again; otherwise the next window gets a new handle as usual.
  void ReuseHandleNext(Hwnd destroyed) { reuseNext_ = destroyed; }
  void SetHandler(Hwnd window, SimHandler handler);
  void BringToTop(Hwnd window);  // an activated MDI child, a newly focused top-level window
  void SetText(Hwnd window, const std::string& text);
  std::string Text(Hwnd window) const;
  bool Topmost(Hwnd window) const;
  // Runs the handler and the default handling without logging (the model talking to itself).
  LResult Deliver(Hwnd window, SimMessage message);
  // The default handling alone, for handlers that add to it.
  LResult DefaultHandling(Hwnd window, const SimMessage& message);

  std::vector<std::string>& ListItems(Hwnd window);
  int CheckState(Hwnd window) const;
  void SetCheckState(Hwnd window, int state);

  MenuHandle CreateMenu();
  void AppendMenuItem(MenuHandle menu, const std::string& text, std::uint32_t id,
                      MenuHandle submenu = 0);
  void SetMenu(Hwnd window, MenuHandle menu);
  // Menus then answer as Wine answers for another process's menus: no items, no submenus, no
  // text. GetMenu still gives the handle.
  void SetMenusUnreadable(bool unreadable) { menusUnreadable_ = unreadable; }
  // Where ProgramFileVersion learns a process's file version (the simulator asks its shell).
  void SetFileVersionSource(std::function<std::string(ProcessId)> source) {
    fileVersionOf_ = std::move(source);
  }

  // A hung process: what is sent to its windows comes back 0 without reaching them, what is
  // posted to them is never delivered and their show state does not change (ShowWindowAsync
  // waits for a thread that never pumps); it is all still logged. 0: no process hangs.
  void SetHungProcess(ProcessId pid) { hungPid_ = pid; }
  // Runs before each message sent or posted through WindowSystem is logged or delivered, so a
  // test can change the desktop at that very moment (a window vanishing, a box coming up).
  void SetBeforeMessage(std::function<void(Hwnd, std::uint32_t)> hook) {
    beforeMessage_ = std::move(hook);
  }

  // Posted messages, delivered by the event loop.
  bool HasPosted() const { return !posted_.empty(); }
  bool DeliverOnePosted();

  const std::vector<MessageRecord>& Log() const { return log_; }
  std::vector<MessageRecord> LogSince(std::size_t mark) const;
  void ClearLog() { log_.clear(); }
  int CaptureReleases() const { return captureReleases_; }
  // Every ShowWindow call made through WindowSystem, in order: the window and the command. Showing
  // and hiding are no messages here, so a test of their order reads this.
  using ShowCall = std::pair<Hwnd, int>;
  const std::vector<ShowCall>& ShowCalls() const { return shows_; }
  // Called after every window is destroyed (the stand-in watches its own windows this way).
  void SetDestroyObserver(std::function<void(Hwnd)> observer) { onDestroy_ = std::move(observer); }

 private:
  struct Window;
  struct Menu {
    struct Item {
      std::string text;
      std::uint32_t id = 0;
      MenuHandle submenu = 0;
    };
    std::vector<Item> items;
  };

  Window* Find(Hwnd window) const;
  std::vector<Hwnd>& SiblingsOf(Hwnd parent);
  bool Matches(const Window& w, const std::optional<std::string>& className,
               const std::optional<std::string>& caption) const;
  LResult Dispatch(Hwnd window, const SimMessage& message);
  // Runs the before-message hook and logs the message; false when it must not be delivered
  // (no such window, or its process hangs).
  bool Arrives(Hwnd window, const SimMessage& message, bool posted);
  bool Hung(const Window* w) const;

  // Handles are handed out in steps of kHandleStep from kFirstHandle and not reused unless a test
  // asks, so a window's slot is its handle's index; the lookup every message and every walk makes
  // is then one step, however many windows are open. A destroyed window leaves an empty slot.
  static constexpr Hwnd kFirstHandle = 0x10010;
  static constexpr Hwnd kHandleStep = 4;
  std::vector<std::unique_ptr<Window>> windows_;
  std::vector<Hwnd> topLevel_;
  std::map<MenuHandle, Menu> menus_;
  std::deque<std::pair<Hwnd, SimMessage>> posted_;
  std::vector<MessageRecord> log_;
  Hwnd nextHandle_ = kFirstHandle;
  Hwnd reuseNext_ = 0;
  MenuHandle nextMenu_ = 0x20010;
  int captureReleases_ = 0;
  std::vector<ShowCall> shows_;
  bool menusUnreadable_ = false;
  std::function<std::string(ProcessId)> fileVersionOf_;
  std::function<void(Hwnd)> onDestroy_;
  std::function<void(Hwnd, std::uint32_t)> beforeMessage_;
  ProcessId hungPid_ = 0;
};

}  // namespace drelm::sim
