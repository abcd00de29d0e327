// What the away recorder's review windows and the reasons window reach: the window system for
// dragging and keeping on top, the main window they hand back to, and the click sound.
#pragma once

#include <functional>

#include "core/form_model.h"
#include "platform/window_system.h"

namespace drelm {

struct ReviewWindowsContext {
  WindowSystem& windows;
  Form& frmMain;
  std::function<void()> click;
};

// The title every one of these windows shows on its title label.
inline constexpr const char* kReviewWindowTitle = "drelm idle by quoSt n' vrin";

}  // namespace drelm
