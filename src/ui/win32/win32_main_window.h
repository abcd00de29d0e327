// The main window as a real window: a small borderless panel of class "DrelmIdleMain", caption
// "drelm idle". Every label of the model is a "Static" child (SS_NOTIFY) whose window text is its
// caption and whose control id is fixed below, so screen readers and automation see it. A left
// button press and release on a label (or WM_COMMAND with STN_CLICKED and its id) runs the
// label's click handler; any button pressed on the title drags the window. Refresh() brings the
// window and its labels in line with the model; the user minimising or restoring the window is
// written back to the model.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/form_model.h"
#include "platform/win32/win32_api.h"
#include "ui/win32/win32_view_events.h"
#include "ui/win32/win32_view_style.h"
#include "ui/win32/win32_window_proc.h"

namespace drelm {
class FrmMain;
}  // namespace drelm

namespace drelm::win32::view {

inline constexpr const char* kMainWindowClass = "DrelmIdleMain";

// Control ids of the labels, stable across versions.
inline constexpr int kLblStatusId = 201;
inline constexpr int kLabel5Id = 202;       // "x": exit
inline constexpr int kLabel4Id = 203;       // "-": to the system tray
inline constexpr int kLabel3Id = 204;       // "start"
inline constexpr int kLblMinimizeId = 205;  // no caption: minimise to the taskbar
inline constexpr int kLblExitId = 206;      // no caption: exit
inline constexpr int kLblDragMeId = 207;    // "drelm idle": drag the window
inline constexpr int kLblMinsId = 208;
inline constexpr int kLblHoursId = 209;
inline constexpr int kLblDaysId = 210;
inline constexpr int kLblMenuId = 211;  // "menu"

// A window property of the main window: milliseconds from the process's creation to the moment
// the window was first shown, or kShownAfterUnknown where the system keeps no creation time
// (98 and ME). For measuring the start; users never see it.
inline constexpr const char* kShownAfterMsProperty = "DrelmIdleShownAfterMs";
inline constexpr std::uintptr_t kShownAfterUnknown = 0xFFFFFFFFu;

class MainWindowView {
 public:
  // endProgram ends the program at once; the system's close command (Alt+F4, the taskbar
  // button's "close") runs it instead of the exit sequence.
  MainWindowView(FrmMain& form, ViewEvents& events, std::function<void()> endProgram);
  ~MainWindowView();
  MainWindowView(const MainWindowView&) = delete;
  MainWindowView& operator=(const MainWindowView&) = delete;

  HWND Window() const { return window_; }
  void Refresh();

 private:
  enum class Role { kText, kClock, kTitle, kLink, kMinimizeGlyph, kExitGlyph };
  struct LabelView {
    Label FrmMain::*member;
    int id;
    Role role;
    RECT design;  // at 96 DPI
    void (FrmMain::*onClick)();
    HWND control = nullptr;
    std::string shownCaption{};
    bool shownVisible = true;
    bool shownEnabled = true;
  };
  static constexpr std::size_t kLabelCount = 11;

  template <typename View>
  friend LRESULT CALLBACK ViewWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK LabelProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnLabelMessage(LabelView& label, UINT msg, WPARAM wParam, LPARAM lParam);

  void CreateLabels();
  void Layout(UINT dpi);
  void Paint();
  void DrawLabel(const DRAWITEMSTRUCT& item);
  void RefreshWindowState();
  void NoteFirstShown();
  void SetHovered(int id);
  LabelView* FindLabel(int id);
  static bool Clickable(const LabelView& label);
  void Click(LabelView& label);
  void PressTitle();

  FrmMain& form_;
  ViewEvents& events_;
  std::function<void()> endProgram_;
  HWND window_ = nullptr;
  std::array<LabelView, kLabelCount> labels_;
  UINT dpi_ = 96;
  Font textFont_;
  Font titleFont_;
  std::string shownCaption_;
  // What the window was last told to be (it is created hidden and normal).
  bool appliedVisible_ = false;
  WindowState appliedState_ = WindowState::kNormal;
  int pressedId_ = 0;
  int hoveredId_ = 0;
  bool firstShown_ = false;
  bool refreshing_ = false;
};

}  // namespace drelm::win32::view
