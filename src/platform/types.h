// Basic values that cross the seam: window and menu handles, message parameters.
// Handles are 32-bit; 0 means "none" in both hosts, and every operation on 0 is a no-op.
#pragma once

#include <cstdint>

namespace drelm {

using Hwnd = std::uint32_t;
using MenuHandle = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;
using ProcessId = std::uint32_t;

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

}  // namespace drelm
