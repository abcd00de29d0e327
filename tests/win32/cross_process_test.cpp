// The AOL client is another process. This suite starts a second copy of this test program as a
// window host holding an AOL-like tree, and drives it from here: lookups, long texts, list items
// (where Wine's ANSI marshalling breaks), the program file and window states must cross the
// process boundary intact. Chat lines set into the client's input box, and a client that stops
// answering, are the end-to-end tests' (drelm_e2e_* byte for byte; drelm_e2e_figures, hung).
#include <gtest/gtest.h>

#include <cstdlib>

#include "aol/control_text.h"
#include "aol/window_lookup.h"
#include "mirrored_desktop.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_process_image.h"
#include "platform/win32/win32_tick.h"
#include "text/ansi.h"

namespace drelm::contract {
namespace {

constexpr const char* kHostVariable = "DRELM_WINDOW_HOST";
constexpr const char* kProbeClass = "_AOL_Modal";
constexpr std::uint64_t kHostStartMs = 15000;
constexpr std::uint64_t kHostLifeMs = 60000;

// Long, so that a read sized by a fixed buffer would cut it.
const std::string kViewText =
    "hello from the host \x8B"
    "d"
    "\x9B" +
    std::string(5000, 'x');
const std::vector<std::string> kItems = {"bob", "\xB7 middle dot \xB7", "", "caf\xE9 \x80"};

std::string ProbeCaption(const std::string& frameCaption) {
  return "probe " + frameCaption;
}

// The host side: only does anything when started by HostProcess below.
TEST(CrossProcessHost, ServesAnAolTreeWhenStartedAsHost) {
  const char* caption = std::getenv(kHostVariable);
  if (!caption || !*caption) GTEST_SKIP() << "runs only as the window host of CrossProcess";
  MirroredDesktop desktop;
  const int frame = desktop.Add("AOL Frame25", caption);
  desktop.SetMenuBar(frame, {{"&Help", {"&What's New In AOL 6.0"}}});
  const int mdi = desktop.Add("MDIClient", "", frame);
  const int status = desktop.Add("AOL Child", "Status", mdi);
  const int room = desktop.Add("AOL Child", "Lobby 12", mdi);
  desktop.Add("RICHCNTL", kViewText, room);
  desktop.Add("RICHCNTL", "", room);
  const int list = desktop.Add("_AOL_Listbox", "", room);
  desktop.Add("_AOL_Icon", "", room);
  desktop.Add("_AOL_Static", "", room);
  for (const std::string& item : kItems) {
    desktop.real.SendTextMessage(desktop.Real(list), LB_ADDSTRING, 0, item);
  }
  // Shown, so that hiding the status window from outside can be seen to take effect.
  for (const int shown : {frame, mdi, status}) {
    ShowWindow(win32::ToHwnd(desktop.Real(shown)), SW_SHOWNOACTIVATE);
  }
  // Last, because the driving side takes the probe as the sign that the host is ready.
  desktop.Add(kProbeClass, ProbeCaption(caption));

  const std::uint64_t end = drelm::win32::TickCount64() + kHostLifeMs;
  while (IsWindow(win32::ToHwnd(desktop.Real(frame))) && drelm::win32::TickCount64() < end) {
    MsgWaitForMultipleObjectsEx(0, nullptr, 100, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

bool WaitFor(const std::function<bool()>& condition, std::uint64_t timeoutMs) {
  const std::uint64_t deadline = drelm::win32::TickCount64() + timeoutMs;
  while (!condition()) {
    if (drelm::win32::TickCount64() >= deadline) return false;
    Sleep(20);
  }
  return true;
}

// A second copy of this program serving the tree; closed and waited for when it goes.
class HostProcess {
 public:
  HostProcess() {
    caption_ = UniqueName("drelm host");
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string commandLine = std::string("\"") + exe +
                              "\" --gtest_filter=CrossProcessHost.ServesAnAolTreeWhenStartedAsHost";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    SetEnvironmentVariableA(kHostVariable, caption_.c_str());
    const BOOL started = CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &startup, &process_);
    SetEnvironmentVariableA(kHostVariable, nullptr);
    if (!started) return;
    // The probe is the host's last window: once it is there, the whole tree is.
    const std::string probe = ProbeCaption(caption_);
    WaitFor([&] { return (probe_ = FindWindowA(kProbeClass, probe.c_str())) != nullptr; },
            kHostStartMs);
    frame_ = FindWindowA("AOL Frame25", caption_.c_str());
  }
  ~HostProcess() {
    if (!process_.hProcess) return;
    if (frame_) PostMessageA(frame_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) {
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  HostProcess(const HostProcess&) = delete;
  HostProcess& operator=(const HostProcess&) = delete;

  bool Ready() const { return frame_ && probe_; }
  Hwnd Frame() const { return win32::FromHwnd(frame_); }
  HWND Probe() const { return probe_; }
  ProcessId Pid() const { return process_.dwProcessId; }

 private:
  std::string caption_;
  PROCESS_INFORMATION process_{};
  HWND frame_ = nullptr;
  HWND probe_ = nullptr;
};

TEST(CrossProcess, LookupsTextsListItemsAndTheProgramFileReachTheOtherProcess) {
  HostProcess host;
  ASSERT_TRUE(host.Ready());
  win32::Win32WindowSystem windows;
  EXPECT_EQ(FindAolMainWindow(windows), host.Frame());
  const Hwnd room = FindChatRoom(windows);
  ASSERT_NE(room, 0u);
  EXPECT_EQ(GetCaption(windows, room), "Lobby 12");
  EXPECT_EQ(windows.WindowProcessId(room), host.Pid());
  EXPECT_EQ(GetCaption(windows, FindAolStatusWindow(windows)), "Status");

  EXPECT_EQ(GetControlText(windows, FindChatView(windows)), kViewText);

  const Hwnd list = windows.FindWindowEx(room, 0, std::string("_aol_listbox"), std::nullopt);
  ASSERT_EQ(windows.SendMessage(list, LB_GETCOUNT, 0, 0), static_cast<LResult>(kItems.size()));
  // Asked for in ANSI too, as on 98 and ME: Wine answers that in UTF-16 across processes.
  win32::Win32WindowSystem ansi(win32::ItemTextWay::kAnsi);
  for (std::size_t i = 0; i < kItems.size(); ++i) {
    const LResult length = windows.SendMessage(list, LB_GETTEXTLEN, i, 0);
    const std::size_t chars = static_cast<std::size_t>(length) + 1;
    EXPECT_EQ(windows.SendBufferMessage(list, LB_GETTEXT, i, chars), kItems[i]);
    EXPECT_EQ(ansi.SendBufferMessage(list, LB_GETTEXT, i, chars), kItems[i]) << "asked in ANSI";
  }

  // Every way some Windows has of naming the other process's program file; the process entry
  // holds only the file name on the NT line.
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  const std::string path = exe;
  const std::string name = path.substr(path.find_last_of('\\') + 1);
  using Way = ImagePathWay;
  const std::pair<Way, std::string> kWays[] = {{Way::kImageNameQuery, path},
                                               {Way::kModuleFileNameEx, path},
                                               {Way::kFirstModule, path},
                                               {Way::kProcessEntry, name}};
  for (const auto& [way, expected] : kWays) {
    const std::string read = win32::ReadImagePath(way, host.Pid());
    EXPECT_TRUE(EqualsIgnoreCase(read, expected)) << static_cast<int>(way) << ": " << read;
  }
}

TEST(CrossProcess, ShowingAndHidingAnotherProcessesWindowTakesEffect) {
  HostProcess host;
  ASSERT_TRUE(host.Ready());
  win32::Win32WindowSystem windows;
  const Hwnd status = FindAolStatusWindow(windows);
  ASSERT_NE(status, 0u);
  ASSERT_TRUE(windows.IsWindowVisible(status));
  EXPECT_TRUE(windows.ShowWindow(status, SW_HIDE)) << "answers the visibility before the call";
  EXPECT_TRUE(WaitFor([&] { return !windows.IsWindowVisible(status); }, 3000));
  EXPECT_EQ(FindAolStatusWindow(windows), status) << "a hidden window is still found";
  EXPECT_FALSE(windows.ShowWindow(status, SW_SHOW));
  EXPECT_TRUE(WaitFor([&] { return windows.IsWindowVisible(status); }, 3000));
  windows.ShowWindow(host.Frame(), SW_SHOWMINIMIZED);
  EXPECT_TRUE(WaitFor([&] { return windows.ShowState(host.Frame()) == SW_SHOWMINIMIZED; }, 3000));
}

}  // namespace
}  // namespace drelm::contract
