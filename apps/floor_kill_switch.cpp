// drelm-idle-floor.exe only: stops the program dead, as a kill would, just before the step of a
// durable file write that the environment variable DRELM_FLOOR_KILL_AT_STEP names ("mark
// complete", "remove old file"...), so the end-to-end tests can see what the next start finds.
// drelm-idle.exe has no such switch.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/write_steps.h"

namespace {

// The exit code of a program stopped here; the tests expect it.
constexpr UINT kKilledAtStepExitCode = 9;

std::string& StepToDieAt() {
  static std::string step;
  return step;
}

void DieAtTheNamedStep(std::string_view step) {
  if (step == StepToDieAt()) TerminateProcess(GetCurrentProcess(), kKilledAtStepExitCode);
}

const bool armed = [] {
  char step[128] = {};
  const DWORD length = GetEnvironmentVariableA("DRELM_FLOOR_KILL_AT_STEP", step, sizeof step);
  if (length == 0 || length >= sizeof step) return false;
  StepToDieAt().assign(step, length);
  drelm::writeStepHook = DieAtTheNamedStep;
  return true;
}();

}  // namespace
