// What the measuring scenarios share: the CPU a program spends over a stretch of wall time, and
// figures formatted into report lines.
#pragma once

#include <functional>
#include <string>

#include "e2e_support.h"

namespace drelm::e2e {

struct CpuSpent {
  double cpuMs = -1;  // user plus kernel time of the program over the window
  double wallMs = 0;
  double Percent() const { return wallMs > 0 ? 100.0 * cpuMs / wallMs : 0; }
};

// The program's CPU over windowMs of wall time, while during runs; during gets the window's end
// (the 64-bit tick) and must return by then. Without during the driver just waits, ending the
// window early only when the program ends.
CpuSpent MeasureCpu(const ChildProcess& program, DWORD windowMs,
                    const std::function<void(ULONGLONG end)>& during = {});

// printf-style text of up to three numbers.
std::string Format(const char* format, double a, double b = 0, double c = 0);

}  // namespace drelm::e2e
