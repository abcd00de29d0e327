// How long each menu command and each timer tick may keep the program busy, in virtual
// milliseconds, whatever the AOL client does meanwhile (absent, hung, closing its windows,
// showing boxes). Each bound is built from the named waits in core/timeouts.h that the command
// can pass through one after another; a command or tick without a row never waits. The prompts
// a command shows (input boxes, message boxes) are the user's time and are not counted.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace drelm {

struct CommandBound {
  std::string_view name;  // the menu item's name, or "tick " and the timer's name
  std::uint32_t boundMs;
  std::string_view why;
};

std::span<const CommandBound> CommandBounds();
// The bound of one command or tick: its row's, 0 for one without a row.
std::uint32_t CommandBoundMs(std::string_view name);

}  // namespace drelm
