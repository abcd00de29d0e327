// The program's own windows as models: what each window and control shows (captions, texts,
// list items, visibility, enabled state, window state).
// The program changes only these models; a host view draws them (real windows on Windows, the
// terminal in drelm-sim) and hands the user's clicks back to the handlers.
#pragma once

#include <string>
#include <vector>

#include "platform/types.h"

namespace drelm {

enum class WindowState { kNormal, kMinimized };

struct Label {
  Label() = default;
  Label(std::string labelName, std::string labelCaption, std::string labelFont = {})
      : name(std::move(labelName)), caption(std::move(labelCaption)), font(std::move(labelFont)) {}

  std::string name;
  std::string caption;
  std::string font;
  bool visible = true;
  bool enabled = true;
};

struct Button {
  Button() = default;
  Button(std::string buttonName, std::string buttonCaption)
      : name(std::move(buttonName)), caption(std::move(buttonCaption)) {}

  std::string name;
  std::string caption;
  bool visible = true;
  bool enabled = true;
};

struct TextBox {
  std::string name;
  std::string text;
  bool visible = true;
  bool enabled = true;
};

struct ListBox {
  std::string name;
  std::vector<std::string> items;
  int selected = -1;
  bool visible = true;
};

// Pictures and lines only decorate; they are kept so a view can draw the window as designed.
struct Decoration {
  std::string name;
};

// A window of the program: caption, shown or hidden, normal or minimised, on top or not, and
// the host's real window when there is one (0 in the simulator unless a test gives one).
class Form {
 public:
  explicit Form(std::string name, std::string designCaption = {})
      : caption(std::move(designCaption)), name_(std::move(name)) {}
  virtual ~Form() = default;

  const std::string& Name() const { return name_; }
  // Showing a window loads it first, as VB does at a form's first use.
  void Show() {
    loaded = true;
    visible = true;
  }
  void Hide() { visible = false; }

  std::string caption;
  bool visible = false;
  WindowState state = WindowState::kNormal;
  bool onTop = false;
  std::string icon;  // the name of the icon resource the window shows
  // Loaded: the window exists (VB loads a form at its first use and unloads it when closed).
  bool loaded = false;
  Hwnd window = 0;

 private:
  std::string name_;
};

}  // namespace drelm
