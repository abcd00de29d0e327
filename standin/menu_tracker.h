// Keyboard navigation of an open pop-up menu as Windows' menu loop does it: VK_DOWN and VK_UP move
// the selection, skipping separators and wrapping (from no selection they go to the first or the
// last item); VK_RIGHT and VK_RETURN on an item with a submenu open it with its first item
// selected; VK_RETURN (or a WM_CHAR of Enter or space) on a plain item picks it and on no item
// closes the menu; a letter picks the first item whose accelerator it is, case-insensitively.
#pragma once

#include <cstdint>
#include <vector>

#include "standin/window_host.h"

namespace drelm::standin {

class MenuTracker {
 public:
  enum class Outcome {
    kNothing,         // the key changed nothing visible (or only the selection)
    kOpenedSubmenu,   // a new level is open
    kClosedSubmenu,   // the deepest level closed, the menu stays
    kPicked,          // the menu ended with an item picked (see Picked)
    kClosed,          // the menu ended without a pick
    kUnmatchedLetter  // a letter matched no accelerator; the menu stays
  };

  explicit MenuTracker(std::vector<MenuItem> items);

  Outcome KeyDown(std::uint32_t virtualKey);
  Outcome Char(unsigned char character);

  int Depth() const { return static_cast<int>(levels_.size()); }
  // Selected index of a level (0 = the top menu), -1 for none.
  int Selected(int level) const;
  std::uint32_t Picked() const { return picked_; }

 private:
  struct Level {
    const std::vector<MenuItem>* items;
    int selected;
  };
  void Move(int step);
  Outcome OpenSelectedSubmenu();
  Outcome Execute();

  std::vector<MenuItem> root_;
  std::vector<Level> levels_;
  std::uint32_t picked_ = 0;
};

}  // namespace drelm::standin
