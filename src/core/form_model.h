// The program's own windows as models: what each window and control shows (captions, texts,
// list items, visibility, enabled state, window state) and the timers that drive the program.
// The program changes only these models; a host view draws them (real windows on Windows, the
// terminal in drelm-sim) and hands the user's clicks back to the handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/event_loop.h"
#include "platform/types.h"

namespace drelm {

// Ending the program. Thrown, not returned, so that every nested wait in progress (a pause of
// the start-up, a careful chat send, a timer's handler inside either) unwinds at once. It is not
// a std::exception: the steps that swallow their own errors cannot swallow the end.
struct ProgramEnded {
  int exitCode = 0;
};

// Counts how deeply event handlers are nested in one another (a timer inside a pause inside a
// click). The outermost handler catches ProgramEnded and returns to the host's loop, which
// sees EventLoop::QuitRequested; inner ones let it pass.
class EventEntry {
 public:
  void Run(const std::function<void()>& handler);
  int Depth() const { return depth_; }

 private:
  int depth_ = 0;
};

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

// A window timer: an interval and an enabled flag, ticking on the event loop while enabled.
// The tick runs Timer_Timer (nothing while it is empty) as an outermost event.
class Timer {
 public:
  Timer(EventLoop& loop, EventEntry& entry, std::string name, std::uint32_t intervalMs,
        bool enabled);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t Interval() const { return intervalMs_; }
  // Restarts the count, as setting a running timer's interval does.
  void SetInterval(std::uint32_t intervalMs);

  std::function<void()> Timer_Timer;

 private:
  void Arm();
  void Disarm();

  EventLoop& loop_;
  EventEntry& entry_;
  std::string name_;
  std::uint32_t intervalMs_;
  bool enabled_ = false;
  TimerId id_ = 0;
};

// A window of the program: caption, shown or hidden, normal or minimised, on top or not, and
// the host's real window when there is one (0 in the simulator unless a test gives one).
class Form {
 public:
  explicit Form(std::string name, std::string designCaption = {})
      : caption(std::move(designCaption)), name_(std::move(name)) {}
  virtual ~Form() = default;

  const std::string& Name() const { return name_; }
  void Show() { visible = true; }
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
