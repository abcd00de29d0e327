#include "aol/upchat.h"

#include "aol/transfer_reader.h"
#include "aol/window_lookup.h"
#include "platform/winuser_constants.h"

namespace drelm {

namespace {

void PumpTimes(EventLoop& loop, int times) {
  for (int i = 0; i < times; ++i) loop.PumpPending();
}

}  // namespace

void UpchatOn(AolContext& aol) {
  WindowSystem& windows = aol.windows;
  const Hwnd modal = FindUploadModal(windows);
  // Hidden first, then minimised: the client redraws between the steps, so each gets its turn.
  windows.ShowWindow(modal, SW_HIDE);
  PumpTimes(aol.loop, 7);
  windows.ShowWindow(modal, SW_MINIMIZE);
  PumpTimes(aol.loop, 4);
  windows.ShowWindow(FindAolMainWindow(windows), SW_SHOW);
  PumpTimes(aol.loop, 4);
  windows.ShowWindow(FindAolMainWindow(windows), SW_SHOWMAXIMIZED);
}

void UpchatOff(WindowSystem& windows) {
  windows.ShowWindow(FindUploadModal(windows), SW_RESTORE);
}

}  // namespace drelm
