// AOL's "_AOL_Icon" buttons: a button-down arms the button, and a following button-up or space
// key-up makes it act. A key-down of the space bar does not arm it, and an up without a down does
// nothing. Some buttons act on one release only; the other one is then recorded as stray input.
#pragma once

#include <functional>
#include <string>

#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

enum class IconRelease {
  kEither,    // WM_LBUTTONUP or WM_KEYUP VK_SPACE
  kButtonUp,  // WM_LBUTTONUP only
  kSpaceUp,   // WM_KEYUP VK_SPACE only
};

// The handler of an icon in window parent; each press that acts is recorded under label.
MessageHandler IconHandler(AolClient& client, WindowId parent, std::string label,
                           IconRelease release, std::function<void()> action);

}  // namespace drelm::standin
