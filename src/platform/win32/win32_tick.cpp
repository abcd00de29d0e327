#include "platform/win32/win32_tick.h"

#include "platform/tick_extender.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_optional_functions.h"

namespace drelm::win32 {

namespace {

// The extender keeps the last reading, so readings from several threads take turns.
class ExtendedTick {
 public:
  ExtendedTick() { InitializeCriticalSection(&lock_); }
  ExtendedTick(const ExtendedTick&) = delete;
  ExtendedTick& operator=(const ExtendedTick&) = delete;

  std::uint64_t Read() {
    EnterCriticalSection(&lock_);
    const std::uint64_t ms = extender_.Extend(GetTickCount());
    LeaveCriticalSection(&lock_);
    return ms;
  }

 private:
  CRITICAL_SECTION lock_;
  TickExtender extender_;
};

}  // namespace

std::uint64_t TickCount64() {
  using TickCount64Fn = ULONGLONG(WINAPI*)();
  static const auto tickCount64 = FindOptionalAs<TickCount64Fn>(kGetTickCount64);
  if (tickCount64) return tickCount64();
  // Lives as long as the process: a reading during the exit must still work.
  static ExtendedTick* const extended = new ExtendedTick;
  return extended->Read();
}

}  // namespace drelm::win32
