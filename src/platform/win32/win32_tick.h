// Milliseconds since Windows started, 64 bits wide on every Windows we run on: GetTickCount64
// where it exists (Vista on), else GetTickCount with its wraps counted. Any thread may ask.
#pragma once

#include <cstdint>

namespace drelm::win32 {

std::uint64_t TickCount64();

}  // namespace drelm::win32
