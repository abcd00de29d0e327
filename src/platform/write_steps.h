// The steps of a durable file write (create the temporary file, write it, flush it, rename it
// over the file, ...) are announced here, just before each is taken, so a test can stop the
// writer dead at any one of them the way a kill or a power cut would. The program leaves the
// hook empty: a step costs one test of a pointer.
#pragma once

#include <string_view>

namespace drelm {

using WriteStepHook = void (*)(std::string_view step);

// Set only by tests, and only around the write they watch.
inline WriteStepHook writeStepHook = nullptr;

inline void WriteStep(std::string_view step) {
  if (writeStepHook != nullptr) writeStepHook(step);
}

}  // namespace drelm
