// The stand-in's windows as real Win32 windows, so that another process drives them with the
// same messages it would send to the AOL client. Each class of the client is registered under
// its own name ("_AOL_Listbox" and "_AOL_Tree" behave as list boxes, "_AOL_Checkbox" as a check
// box); "Edit", "Static", "Button" and "MDIClient" are the system's own. Pop-up menus are real
// TrackPopupMenu menus, message boxes real "#32770" dialogs, delays are timers on the calling
// thread. One host per process.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/win32_api.h"
#include "standin/window_host.h"

namespace drelm::standin {

class Win32Host : public WindowHost {
 public:
  explicit Win32Host(HINSTANCE instance);
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

  WindowId Create(NewWindow request) override;
  void Destroy(WindowId window) override;
  bool Exists(WindowId window) override;
  void SetText(WindowId window, const std::string& text) override;
  std::string Text(WindowId window) override;
  void Show(WindowId window, int showCmd) override;
  bool Visible(WindowId window) override;
  void Activate(WindowId window) override;
  void SetListItems(WindowId list, const std::vector<std::string>& items) override;
  std::vector<std::string> ListItems(WindowId list) override;
  int ListSelection(WindowId list) override;
  void SetListSelection(WindowId list, int index) override;
  int CheckState(WindowId box) override;
  void SetCheckState(WindowId box, int state) override;
  void SetMenuBar(WindowId frame, const std::vector<MenuItem>& menus) override;
  void OpenPopupMenu(WindowId owner, const std::vector<MenuItem>& items,
                     PopupCallbacks callbacks) override;
  void ClosePopupMenu() override;
  WindowId ShowMessageBox(const std::string& title, const std::string& text,
                          std::function<void()> onOk) override;
  void After(std::uint32_t delayMs, std::function<void()> action) override;
  std::uint64_t NowMs() override;
  ProcessId BeginProcess(const std::string& exePath) override;
  void EndProcess() override;

  // Runs when the client's process ends (the program quits then).
  void OnProcessEnd(std::function<void()> action) { onProcessEnd_ = std::move(action); }

 private:
  struct Entry;
  struct Box;
  class HostCall;

  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK BoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

  LRESULT Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(HWND window, const Entry* entry, UINT msg, WPARAM wParam, LPARAM lParam);
  std::string ClassFor(const NewWindow& request);
  bool Dying(HWND window) const;
  void Paint(HWND window);
  void RunPopup();
  void DismissBox(int id);

  HINSTANCE instance_;
  HWND control_ = nullptr;  // hidden: timers, delayed actions, pop-up menu owner
  HWND mdiClient_ = nullptr;
  std::map<HWND, std::unique_ptr<Entry>> windows_;
  std::set<HWND> topLevel_;
  std::set<HWND> dying_;
  std::map<std::string, std::string> registered_;  // lower-cased class -> registered name
  std::map<std::string, WNDPROC> baseProcs_;       // of the list box and button look-alikes
  Entry* pending_ = nullptr;  // the entry of the window being created, until its first message
  bool adopted_ = false;
  std::map<UINT_PTR, std::function<void()>> actions_;
  UINT_PTR nextAction_ = 1;
  int hostCalls_ = 0;
  std::map<int, std::unique_ptr<Box>> boxes_;
  int nextBox_ = 1;
  struct PendingPopup {
    std::vector<MenuItem> items;
    PopupCallbacks callbacks;
  };
  std::unique_ptr<PendingPopup> pendingPopup_;
  bool popupOpen_ = false;
  PopupCallbacks openCallbacks_;
  int nextControlY_ = 0;
  std::function<void()> onProcessEnd_;
};

}  // namespace drelm::standin
