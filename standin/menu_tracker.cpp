#include "standin/menu_tracker.h"

#include "platform/winuser_constants.h"
#include "text/ansi.h"

namespace drelm::standin {

namespace {

bool IsSeparator(const MenuItem& item) {
  return item.text.empty();
}

// The character after the first "&" that is not doubled, 0 when there is none.
char AcceleratorOf(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return text[i + 1];
  }
  return 0;
}

}  // namespace

MenuTracker::MenuTracker(std::vector<MenuItem> items) : root_(std::move(items)) {
  levels_.push_back(Level{&root_, -1});
}

int MenuTracker::Selected(int level) const {
  if (level < 0 || level >= Depth()) return -1;
  return levels_[level].selected;
}

void MenuTracker::Move(int step) {
  Level& level = levels_.back();
  const auto& items = *level.items;
  const int count = static_cast<int>(items.size());
  if (count == 0) return;
  if (level.selected >= 0) {
    if (count == 1) return;
    for (int i = level.selected + step; i >= 0 && i < count; i += step) {
      if (!IsSeparator(items[i])) {
        level.selected = i;
        return;
      }
    }
  }
  // From no selection, or past either end: start again from the first or the last item.
  for (int i = step > 0 ? 0 : count - 1; i >= 0 && i < count; i += step) {
    if (!IsSeparator(items[i])) {
      level.selected = i;
      return;
    }
  }
}

MenuTracker::Outcome MenuTracker::OpenSelectedSubmenu() {
  const Level& level = levels_.back();
  if (level.selected < 0) return Outcome::kNothing;
  const MenuItem& item = (*level.items)[level.selected];
  if (item.submenu.empty()) return Outcome::kNothing;
  levels_.push_back(Level{&item.submenu, -1});
  Move(1);  // a submenu opened from the keyboard shows its first item selected
  return Outcome::kOpenedSubmenu;
}

MenuTracker::Outcome MenuTracker::Execute() {
  const Level& level = levels_.back();
  if (level.selected < 0) {
    levels_.clear();
    return Outcome::kClosed;
  }
  const MenuItem& item = (*level.items)[level.selected];
  if (!item.submenu.empty()) return OpenSelectedSubmenu();
  picked_ = item.id;
  levels_.clear();
  return Outcome::kPicked;
}

MenuTracker::Outcome MenuTracker::KeyDown(std::uint32_t virtualKey) {
  if (levels_.empty()) return Outcome::kNothing;
  switch (virtualKey) {
    case VK_DOWN:
      Move(1);
      return Outcome::kNothing;
    case VK_UP:
      Move(-1);
      return Outcome::kNothing;
    case VK_RIGHT:
      return OpenSelectedSubmenu();
    case VK_LEFT:
      if (Depth() == 1) return Outcome::kNothing;
      levels_.pop_back();
      return Outcome::kClosedSubmenu;
    case VK_ESCAPE:
      if (Depth() == 1) {
        levels_.clear();
        return Outcome::kClosed;
      }
      levels_.pop_back();
      return Outcome::kClosedSubmenu;
    case VK_RETURN:
    case VK_SPACE:
      // The menu loop translates these into WM_CHAR Enter and space.
      return Char(static_cast<unsigned char>(virtualKey));
    default:
      return Outcome::kNothing;
  }
}

MenuTracker::Outcome MenuTracker::Char(unsigned char character) {
  if (levels_.empty()) return Outcome::kNothing;
  if (character == '\r' || character == ' ') return Execute();
  if (character < 32) return Outcome::kNothing;
  Level& level = levels_.back();
  const auto& items = *level.items;
  const char wanted = LowerAnsiChar(static_cast<char>(character));
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const char accelerator = AcceleratorOf(items[i].text);
    if (accelerator != 0 && LowerAnsiChar(accelerator) == wanted) {
      level.selected = i;
      return Execute();
    }
  }
  return Outcome::kUnmatchedLetter;
}

}  // namespace drelm::standin
