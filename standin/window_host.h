// The window services the stand-in AOL client is written against: create and destroy windows of
// the client's classes, keep their text, list, check and show state, deliver the messages that
// reach them to the model, run pop-up menus and message boxes the way Windows does, and delay
// actions. The simulator host and the real-window host (aol-standin.exe) implement it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"

namespace drelm::standin {

using WindowId = Hwnd;

// A message as it reached a window of the client, sent or posted by someone else.
struct Message {
  std::uint32_t msg = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  std::string text;  // the text a WM_SETTEXT carries
};

// Returning nothing lets the host's default handling run (text, list and check state, WM_CLOSE
// destroying the window). A WM_DESTROY reaches the handler only when someone sends it; the real
// end of a window is reported through onDestroyed.
using MessageHandler = std::function<std::optional<LResult>(const Message&)>;

enum class WindowKind {
  kFrame,      // the top-level main window
  kMdiClient,  // its "MDIClient"
  kMdiChild,   // an "AOL Child": created active, first among its siblings
  kTopLevel,   // other top-level windows ("_AOL_Modal")
  kControl,    // a plain child control
  kListBox,    // answers LB_* from a list the host keeps
  kCheckBox,   // answers BM_GETCHECK/BM_SETCHECK; what a click does is up to the model
};

struct NewWindow {
  std::string className;
  std::string text;
  WindowId parent = 0;
  WindowKind kind = WindowKind::kControl;
  MessageHandler onMessage;
  std::function<void()> onDestroyed;
};

// A menu item: text with "&" before its accelerator, empty text for a separator.
struct MenuItem {
  std::string text;
  std::uint32_t id = 0;
  std::vector<MenuItem> submenu;
};

struct PopupCallbacks {
  // The picked item's id, or 0 when the menu closed without a pick.
  std::function<void(std::uint32_t)> onClose;
  // An accelerator letter that matched no item of the current menu (the menu stays open).
  std::function<void(char)> onUnmatchedLetter;
};

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  virtual WindowId Create(NewWindow request) = 0;
  virtual void Destroy(WindowId window) = 0;
  virtual bool Exists(WindowId window) = 0;

  virtual void SetText(WindowId window, const std::string& text) = 0;
  virtual std::string Text(WindowId window) = 0;
  virtual void Show(WindowId window, int showCmd) = 0;
  virtual bool Visible(WindowId window) = 0;
  // An MDI child becomes the active one (first in z-order); a top-level window comes to the front.
  virtual void Activate(WindowId window) = 0;

  virtual void SetListItems(WindowId list, const std::vector<std::string>& items) = 0;
  virtual std::vector<std::string> ListItems(WindowId list) = 0;
  virtual int ListSelection(WindowId list) = 0;  // -1 when nothing is selected
  virtual void SetListSelection(WindowId list, int index) = 0;
  virtual int CheckState(WindowId box) = 0;
  virtual void SetCheckState(WindowId box, int state) = 0;

  virtual void SetMenuBar(WindowId frame, const std::vector<MenuItem>& menus) = 0;
  // Opens a "#32768" pop-up menu for owner, driven by keyboard and mouse messages as Windows
  // drives a menu opened by TrackPopupMenu. Opening one closes any other.
  virtual void OpenPopupMenu(WindowId owner, const std::vector<MenuItem>& items,
                             PopupCallbacks callbacks) = 0;
  virtual void ClosePopupMenu() = 0;
  // A standard "#32770" dialog box with the title, a static text and one "OK" "Button"; onOk runs
  // once when it is dismissed by any means.
  virtual WindowId ShowMessageBox(const std::string& title, const std::string& text,
                                  std::function<void()> onOk) = 0;

  // Runs action after delayMs on the host's event loop.
  virtual void After(std::uint32_t delayMs, std::function<void()> action) = 0;
  virtual std::uint64_t NowMs() = 0;

  // The client's process: windows created between Begin and End belong to it; End destroys the
  // windows that are left.
  virtual ProcessId BeginProcess(const std::string& exePath) = 0;
  virtual void EndProcess() = 0;
};

}  // namespace drelm::standin
