// A small borderless panel of the program drawn from its model, in the main window's colours: a
// title strip whose title label drags the window and whose "-" and "x" labels minimise and
// close it, then list boxes ("ListBox", LBS_NOTIFY) and text boxes ("Edit") as real controls and
// further labels. Every label is a "Static" child (SS_NOTIFY) whose window text is its caption,
// so automation finds it by caption and clicks it with a posted press and release (or
// WM_COMMAND STN_CLICKED). The window is created hidden with the view and follows the model on
// Refresh(): shown, hidden, minimised, on top, captions, list items and selection, text. What
// the user does is written back into the model before the handler runs: a list's selection, a
// text box's text, the window minimised or restored from the taskbar.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/form_model.h"
#include "platform/win32/win32_api.h"
#include "ui/win32/win32_view_events.h"
#include "ui/win32/win32_view_style.h"
#include "ui/win32/win32_window_proc.h"

namespace drelm::win32::view {

struct PanelControl {
  enum class Kind {
    kTitle,        // drags the window: onClick runs at the press of any mouse button
    kLink,         // a click area: onClick runs at a press and release on it
    kNote,         // text only
    kList,         // onClick runs at a double click, after the selection reached the model
    kLine,         // a one-line text box: onClick runs at Enter
    kReadOnlyText  // several lines, for reading and copying
  };
  Kind kind = Kind::kNote;
  int id = 0;
  RECT design{};                 // at 96 DPI
  const Label* label = nullptr;  // kTitle, kLink, kNote; without one the control shows fixedText
  std::string fixedText;
  ListBox* list = nullptr;  // kList
  TextBox* text = nullptr;  // kLine, kReadOnlyText
  std::function<void()> onClick;
};

class PanelFormView {
 public:
  // onClose runs for the system's close command (Alt+F4, the taskbar button's "close").
  PanelFormView(Form& form, const char* className, SIZE designClient,
                std::vector<PanelControl> controls, ViewEvents& events,
                std::function<void()> onClose);
  ~PanelFormView();
  PanelFormView(const PanelFormView&) = delete;
  PanelFormView& operator=(const PanelFormView&) = delete;

  HWND Window() const { return window_; }
  void Refresh();

 private:
  struct Shown {
    HWND control = nullptr;
    std::string caption;
    std::vector<std::string> items;
    int selected = -1;
    bool visible = true;
    bool enabled = true;
  };
  template <typename View>
  friend LRESULT CALLBACK ViewWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ChildProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnChildMessage(std::size_t index, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);

  void CreateControls();
  void Layout(UINT dpi);
  void Paint();
  void DrawLabel(const DRAWITEMSTRUCT& item);
  void RefreshControl(std::size_t index);
  void RefreshWindowState();
  std::size_t IndexOf(int id) const;
  std::string CaptionOf(const PanelControl& control) const;
  void Run(const std::function<void()>& handler);
  void SetHovered(int id);

  Form& form_;
  SIZE designClient_;
  std::vector<PanelControl> controls_;
  std::vector<Shown> shown_;
  std::vector<WNDPROC> childProcs_;
  ViewEvents& events_;
  std::function<void()> onClose_;
  HWND window_ = nullptr;
  UINT dpi_ = 96;
  Font textFont_;
  Font titleFont_;
  std::string shownCaption_;
  bool appliedVisible_ = false;
  WindowState appliedState_ = WindowState::kNormal;
  bool appliedOnTop_ = false;
  bool placed_ = false;
  int pressedId_ = 0;
  int hoveredId_ = 0;
  bool refreshing_ = false;
};

}  // namespace drelm::win32::view
