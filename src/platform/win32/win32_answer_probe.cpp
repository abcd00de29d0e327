#include "platform/win32/win32_answer_probe.h"

#include <algorithm>

namespace drelm::win32 {

namespace {

thread_local ULONG_PTR answeredProbe = 0;
thread_local ULONG_PTR issuedProbe = 0;
// The completion arrives as a sent-message wake-up; should a system deliver it without one,
// the wait still looks again this often.
constexpr DWORD kProbeRecheckMs = 100;

void CALLBACK ProbeAnswered(HWND, UINT, ULONG_PTR token, LRESULT) {
  // The receiver answers in order, so a later token covers every earlier one.
  if (token > answeredProbe) answeredProbe = token;
}

}  // namespace

std::optional<std::uint64_t> AnswerTimeMs(HWND window, std::uint32_t timeoutMs) {
  const ULONG_PTR token = ++issuedProbe;
  const ULONGLONG sent = GetTickCount64();
  if (!SendMessageCallbackA(window, WM_NULL, 0, 0, ProbeAnswered, token)) return std::nullopt;
  const ULONGLONG deadline = sent + timeoutMs;
  MSG msg{};
  for (;;) {
    // Runs the completion callback, and messages other threads send us.
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    const ULONGLONG now = GetTickCount64();
    if (answeredProbe >= token) return now - sent;
    if (now >= deadline) return std::nullopt;
    MsgWaitForMultipleObjectsEx(
        0, nullptr, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kProbeRecheckMs)),
        QS_SENDMESSAGE, 0);
  }
}

}  // namespace drelm::win32
