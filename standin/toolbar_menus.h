// The toolbar of each version: its icons and the pop-up menus some of them open. The menus are
// laid out so that the outbox, Automatic AOL, running Automatic AOL and the incoming mailbox sit
// exactly where the keyboard sequences for that version lead, and other items (which the
// stand-in has nothing behind) fill the rest.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "standin/window_host.h"

namespace drelm::standin {

enum class MenuTarget : std::uint32_t {
  kNone = 0,
  kOutbox = 1,
  kIncomingMail = 2,
  kAutomaticAol = 3,
  kRunAutomaticAol = 4,
};

struct ToolbarIcon {
  std::string label;
  std::vector<MenuItem> menu;  // empty: the icon opens no menu
};

std::vector<ToolbarIcon> ToolbarLayout(int version);
// What an item id stands for; ids of filler items are kNone.
MenuTarget TargetOf(std::uint32_t itemId);
// The text of the item with this id anywhere in the menu, without its "&".
std::string ItemLabel(const std::vector<MenuItem>& menu, std::uint32_t itemId);

}  // namespace drelm::standin
