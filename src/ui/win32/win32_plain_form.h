// A small framed window of the program drawn from its model: labels as "Static" controls and
// buttons as "Button" controls, each with its caption as window text, laid out in design pixels
// (96 DPI) and scaled to the monitor. The window is created the first time its model is shown,
// hidden when the model is hidden, and never destroyed before the view is. Closing it by its
// frame runs onClose; a button runs its onClick; both as outermost events of the program.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/form_model.h"
#include "platform/win32/win32_api.h"
#include "ui/win32/win32_view_events.h"
#include "ui/win32/win32_view_style.h"
#include "ui/win32/win32_window_proc.h"

namespace drelm::win32::view {

struct PlainControl {
  // A wrapped label shows its caption's blank-padded pieces on lines of their own.
  enum class Kind { kLabel, kWrappedLabel, kButton, kRule, kIcon };
  Kind kind = Kind::kLabel;
  const Label* label = nullptr;    // kLabel, kWrappedLabel
  const Button* button = nullptr;  // kButton
  RECT design{};                   // at 96 DPI
  std::string face = "Tahoma";
  int points = 8;
  bool bold = false;
  std::function<void()> onClick;  // buttons
  int id = 0;
};

class PlainFormView {
 public:
  PlainFormView(Form& form, const char* className, SIZE designClient,
                std::vector<PlainControl> controls, ViewEvents& events,
                std::function<void()> onClose);
  ~PlainFormView();
  PlainFormView(const PlainFormView&) = delete;
  PlainFormView& operator=(const PlainFormView&) = delete;

  void Refresh();
  HWND Window() const { return window_; }

 private:
  struct Shown {
    HWND control = nullptr;
    std::string caption;
    std::unique_ptr<Font> font;
  };
  template <typename View>
  friend LRESULT CALLBACK ViewWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void Create();
  void Layout(UINT dpi);
  void DrawWrapped(const DRAWITEMSTRUCT& item);
  const std::string* CaptionOf(const PlainControl& control) const;

  Form& form_;
  const char* className_;
  SIZE designClient_;
  std::vector<PlainControl> controls_;
  std::vector<Shown> shown_;
  ViewEvents& events_;
  std::function<void()> onClose_;
  HWND window_ = nullptr;
  std::string shownCaption_;
};

}  // namespace drelm::win32::view
