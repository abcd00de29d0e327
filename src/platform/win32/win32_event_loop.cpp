#include "platform/win32/win32_event_loop.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_optional_functions.h"
#include "platform/win32/win32_tick.h"

namespace drelm::win32 {

namespace {

constexpr const char* kSinkClass = "drelm idle event sink";
// A handler that keeps posting to itself would hold a pump forever; after this many messages
// the pump returns and lets its caller look at the time and the quit flag.
constexpr int kMaxMessagesPerPump = 10000;
// A pump hands control back once its handlers have taken this long. A handler that waits (a
// tick sending chat lines) lets further ticks fall due; delivering those in the same pump, and
// theirs after them, would keep the wait around the pump from ever seeing its deadline.
constexpr std::uint64_t kPumpSliceMs = 250;

LRESULT CALLBACK SinkProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto* loop = reinterpret_cast<Win32EventLoop*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (loop) {
      // An exception must not unwind through user32's frames; it resumes in our pump.
      try {
        loop->OnTimer(static_cast<TimerId>(wParam));
      } catch (...) {
        loop->OnHandlerException(std::current_exception());
      }
    }
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

void RegisterSinkClass() {
  WNDCLASSEXA cls{};
  cls.cbSize = sizeof cls;
  cls.lpfnWndProc = SinkProc;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.lpszClassName = kSinkClass;
  // A second loop in the same process finds the class already there.
  RegisterClassExA(&cls);
}

}  // namespace

Win32EventLoop::Win32EventLoop() : waitFlags_(MWMO_INPUTAVAILABLE) {
  RegisterSinkClass();
  // 98 and ME have no message-only windows; there the sink is a top-level window never shown.
  HWND sink = CreateWindowExA(0, kSinkClass, "", 0, 0, 0, 0, 0,
                              HasMessageOnlyWindows() ? HWND_MESSAGE : nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  if (!sink) throw std::runtime_error("cannot create the event loop's message window");
  SetWindowLongPtrA(sink, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  sink_ = FromHwnd(sink);
}

Win32EventLoop::~Win32EventLoop() {
  HWND sink = ToHwnd(sink_);
  for (const auto& [id, timer] : timers_) KillTimer(sink, id);
  SetWindowLongPtrA(sink, GWLP_USERDATA, 0);
  DestroyWindow(sink);
}

void Win32EventLoop::RethrowPending() {
  if (pendingError_) std::rethrow_exception(std::exchange(pendingError_, nullptr));
}

int Win32EventLoop::Pump() {
  RethrowPending();
  int delivered = 0;
  const std::uint64_t start = TickCount64();
  MSG msg{};
  while (!quit_ && delivered < kMaxMessagesPerPump &&
         PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      RequestQuit(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    ++delivered;
    RethrowPending();
    if (TickCount64() - start >= kPumpSliceMs) break;
  }
  return delivered;
}

void Win32EventLoop::PumpPending() {
  Pump();
}

void Win32EventLoop::WaitForEvents(std::uint64_t deadlineMs) {
  if (quit_ || Pump() > 0 || quit_) return;
  const std::uint64_t now = TickCount64();
  if (deadlineMs <= now) return;
  const std::uint64_t remaining = deadlineMs - now;
  const DWORD timeout =
      remaining >= INFINITE
          ? (deadlineMs == std::numeric_limits<std::uint64_t>::max() ? INFINITE : INFINITE - 1)
          : static_cast<DWORD>(remaining);
  // MWMO_INPUTAVAILABLE: input that arrived before the wait and was only peeked at still wakes.
  // A system that refuses the flag would fail every wait at once and turn the loop into a spin,
  // so it is dropped after the first refusal.
  DWORD woke = MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, waitFlags_);
  if (woke == WAIT_FAILED && waitFlags_ != 0) {
    waitFlags_ = 0;
    woke = MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, waitFlags_);
  }
  if (woke == WAIT_OBJECT_0) Pump();
}

TimerId Win32EventLoop::AddTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
  const TimerId id = nextTimer_++;
  if (SetTimer(ToHwnd(sink_), id, intervalMs == 0 ? 1 : intervalMs, nullptr) == 0) {
    throw std::runtime_error("SetTimer refused a timer");
  }
  timers_.emplace(id, Timer{std::move(onTick), false});
  return id;
}

void Win32EventLoop::RemoveTimer(TimerId id) {
  if (timers_.erase(id) != 0) KillTimer(ToHwnd(sink_), id);
}

void Win32EventLoop::OnTimer(TimerId id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  if (it->second.running) {
    ++skippedTicks_;
    return;
  }
  it->second.running = true;
  // A copy: the handler may remove its own timer, or add others, while it runs.
  const std::function<void()> onTick = it->second.onTick;
  struct Done {
    Win32EventLoop* loop;
    TimerId id;
    ~Done() {
      auto again = loop->timers_.find(id);
      if (again != loop->timers_.end()) again->second.running = false;
    }
  } done{this, id};
  onTick();
}

void Win32EventLoop::RequestQuit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

}  // namespace drelm::win32
