#include "figures_support.h"

#include <cstdio>

namespace drelm::e2e {

CpuSpent MeasureCpu(const ChildProcess& program, DWORD windowMs,
                    const std::function<void(ULONGLONG end)>& during) {
  const double cpuBefore = program.CpuMs();
  const ULONGLONG from = drelm::win32::TickCount64();
  if (during) {
    during(from + windowMs);
  } else {
    WaitFor([&] { return !program.Running(); }, windowMs);
  }
  CpuSpent spent;
  const double cpuAfter = program.CpuMs();
  if (cpuBefore >= 0 && cpuAfter >= 0) spent.cpuMs = cpuAfter - cpuBefore;
  spent.wallMs = static_cast<double>(drelm::win32::TickCount64() - from);
  return spent;
}

std::string Format(const char* format, double a, double b, double c) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

}  // namespace drelm::e2e
