#include "platform/win32/win32_answer_probe.h"

#include <algorithm>
#include <map>

#include "platform/win32/win32_tick.h"

namespace drelm::win32 {

namespace {

// Probes not answered yet, by token: the window and the thread they went to. Only the
// user-interface thread probes, so plain statics will do (thread-local ones would link the
// threads support that the oldest Windows lack).
struct Unanswered {
  HWND window = nullptr;
  DWORD thread = 0;
};
std::map<ULONG_PTR, Unanswered> unanswered;
ULONG_PTR issuedProbe = 0;
// The completion arrives as a sent-message wake-up; should a system deliver it without one,
// the wait still looks again this often.
constexpr DWORD kProbeRecheckMs = 100;

void CALLBACK ProbeAnswered(HWND, UINT, ULONG_PTR token, LRESULT) {
  unanswered.erase(token);
}

// Runs completions that came meanwhile, and messages other threads send us; posted messages and
// input stay queued.
void TakeSentMessages() {
  MSG msg{};
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// A thread answers its probes in order, so while an earlier one is unanswered a new one cannot
// be answered first: no new probe waits for that thread. A probe whose window is gone, or now
// belongs to another thread, no longer counts: its thread may have ended and its id gone to
// another.
bool StillOwesAnAnswer(DWORD thread) {
  std::erase_if(unanswered, [](const auto& probe) {
    return GetWindowThreadProcessId(probe.second.window, nullptr) != probe.second.thread;
  });
  return std::any_of(unanswered.begin(), unanswered.end(),
                     [&](const auto& probe) { return probe.second.thread == thread; });
}

}  // namespace

std::optional<std::uint64_t> AnswerTimeMs(HWND window, std::uint32_t timeoutMs) {
  TakeSentMessages();
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (thread == 0 || StillOwesAnAnswer(thread)) return std::nullopt;
  const ULONGLONG sent = TickCount64();
  const ULONG_PTR token = ++issuedProbe;
  // Noted first: a window of this thread answers inside the call.
  unanswered[token] = {window, thread};
  if (!SendMessageCallbackA(window, WM_NULL, 0, 0, ProbeAnswered, token)) {
    unanswered.erase(token);
    return std::nullopt;
  }
  const ULONGLONG deadline = sent + timeoutMs;
  for (;;) {
    TakeSentMessages();
    const ULONGLONG now = TickCount64();
    if (!unanswered.contains(token)) return now - sent;
    if (now >= deadline) return std::nullopt;
    MsgWaitForMultipleObjectsEx(
        0, nullptr, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kProbeRecheckMs)),
        QS_SENDMESSAGE, 0);
  }
}

}  // namespace drelm::win32
