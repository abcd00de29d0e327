// End-to-end check of aol-standin.exe on real windows (run under Wine): another process finds its
// chat room with the program's own window primitives, sends a line with Enter, reads the room's
// transcript back through the script channel, meets the full-room box, picks toolbar menu items
// by accelerator and by keys, reads a list, signs on again after a disconnect and after a start
// by path, and closes the client. Every wait has a deadline.
//
//   standin_e2e.exe [path of aol-standin.exe]   (default: beside this program)
#include <functional>
#include <string>
#include <vector>

#include "aol/control_text.h"
#include "aol/pressing.h"
#include "aol/window_lookup.h"
#include "e2e_support.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_window_system.h"

namespace {

constexpr DWORD kDeadlineMs = 15000;
drelm::e2e::Checks checks;

void Check(bool ok, const std::string& what) {
  checks.Check(ok, what);
}

bool WaitFor(const std::function<bool()>& condition) {
  return drelm::e2e::WaitFor(condition, kDeadlineMs);
}

}  // namespace

int main(int argc, char** argv) {
  using drelm::Hwnd;
  drelm::win32::Win32WindowSystem windows;
  const std::string exe =
      argc > 1 ? drelm::e2e::WindowsPath(argv[1])
               : drelm::e2e::JoinPath(drelm::e2e::FolderOfThisProgram(), "aol-standin.exe");

  drelm::e2e::ChildProcess aol;
  const bool started = aol.Start(
      exe, "--script --immediate --version=6 \"--screen-name=Bob Smith\" \"--room=Lobby 12\"", "",
      true);
  Check(started, "aol-standin.exe starts: " + exe);
  if (!started) return 1;

  Check(WaitFor([&] { return drelm::FindChatRoom(windows) != 0; }),
        "FindChatRoom finds the stand-in's room");
  const Hwnd room = drelm::FindChatRoom(windows);
  Check(drelm::GetCaption(windows, room) == "Lobby 12", "the room's caption is its name");

  Check(aol.Command("say\tAnn\thi bob") == std::vector<std::string>{"ok"},
        "a member's line is scripted");
  const Hwnd input = drelm::FindChatInput(windows);
  drelm::SetControlText(windows, input, "");
  drelm::SetControlText(windows, input, "hello \xB7 world");
  windows.SendMessage(input, WM_CHAR, '\r', 0);
  const std::vector<std::string> transcript = aol.Command("transcript");
  Check(transcript == std::vector<std::string>{"ok 2", "Lobby 12\tAnn\thi bob",
                                               "Lobby 12\tBob Smith\thello \\xB7 world"},
        "the transcript holds both lines byte for byte");
  Check(drelm::GetControlText(windows, input).empty(), "Enter empties the input");
  Check(drelm::GetControlText(windows, drelm::FindChatView(windows))
                .find("Bob Smith:\thello \xB7 world") != std::string::npos,
        "the room's text shows the line");

  // A full room answers with the box; OK by posted space; the next request gets in.
  aol.Command("fill-room\tTwk\t1");
  const Hwnd toolbar = drelm::FindNthChild(
      windows, drelm::FindNthChild(windows, drelm::FindAolMainWindow(windows), "AOL Toolbar", 1),
      "_AOL_Toolbar", 1);
  const Hwnd keyword = drelm::FindNthChild(
      windows, drelm::FindNthChild(windows, toolbar, "_AOL_Combobox", 1), "Edit", 1);
  const auto goKeyword = [&](const std::string& text) {
    drelm::SetControlText(windows, keyword, text);
    windows.SendMessage(keyword, WM_CHAR, ' ', 0);
    windows.SendMessage(keyword, WM_CHAR, '\r', 0);
  };
  const auto box = [&] {
    return windows.FindWindow(std::string("#32770"), std::string("America Online"));
  };
  goKeyword("aol://2719:2-2-Twk");
  Check(WaitFor([&] { return box() != 0; }), "a full room answers with the \"America Online\" box");
  const Hwnd ok = windows.FindWindowEx(box(), 0, std::string("Button"), std::string("OK"));
  Check(ok != 0, "the box has its \"OK\" button");
  windows.PostMessage(ok, WM_KEYDOWN, VK_SPACE, 0);
  windows.PostMessage(ok, WM_KEYUP, VK_SPACE, 0);
  Check(WaitFor([&] { return box() == 0; }), "a posted space closes the box");
  Check(drelm::GetCaption(windows, drelm::FindChatRoom(windows)) == "Lobby 12",
        "the refused request leaves the room as it was");
  goKeyword("aol://2719:2-2-Twk");
  Check(WaitFor([&] { return drelm::GetCaption(windows, drelm::FindChatRoom(windows)) == "Twk"; }),
        "the next request enters the private room");

  // The first toolbar icon's menu by its accelerator.
  drelm::ClickMouse(windows, drelm::FindNthChild(windows, toolbar, "_AOL_Icon", 1));
  const auto popup = [&] { return windows.FindWindow(std::string("#32768"), std::nullopt); };
  Check(WaitFor([&] { return popup() != 0 && windows.IsWindowVisible(popup()); }),
        "the first toolbar icon opens a pop-up menu");
  windows.PostMessage(popup(), WM_CHAR, 'B', 0);
  const Hwnd mdi = drelm::FindAolMdiClient(windows);
  Check(WaitFor([&] {
          return windows.FindWindowEx(mdi, 0, std::string("AOL Child"),
                                      std::string("Mail Waiting to be Sent")) != 0;
        }),
        "the accelerator B opens the outbox");

  // The mailbox's list read across processes, as the program reads it.
  aol.Command("incoming-mail\t01/02/03\tann\tpictures \xB7 2");
  drelm::ClickMouse(windows, drelm::FindNthChild(windows, toolbar, "_AOL_Icon", 3));
  Check(WaitFor([&] { return popup() != 0 && windows.IsWindowVisible(popup()); }),
        "the third toolbar icon opens a pop-up menu");
  for (const std::uint32_t key : {VK_UP, VK_UP, VK_RIGHT, VK_RETURN}) {
    windows.PostMessage(popup(), WM_KEYDOWN, key, 0);
    windows.PostMessage(popup(), WM_KEYUP, key, 0);
    Sleep(100);
  }
  Hwnd mailbox = 0;
  Check(WaitFor([&] {
          mailbox = windows.FindWindowEx(mdi, 0, std::string("AOL Child"),
                                         std::string("Incoming/Saved Mail"));
          return mailbox != 0;
        }),
        "up, up, right and return open the mailbox");
  const Hwnd tree = drelm::FindNthChild(windows, mailbox, "_AOL_Tree", 1);
  Check(windows.SendMessage(tree, LB_GETCOUNT, 0, 0) == 1, "the mailbox lists one mail");
  Check(windows.SendBufferMessage(tree, LB_GETTEXT, 0, 64) == "01/02/03\tann\tpictures \xB7 2",
        "its line reads back byte for byte");

  // The connection drops: "Sign On" comes back and its fourth icon signs on again.
  const auto child = [&](const std::string& caption) {
    return windows.FindWindowEx(drelm::FindAolMdiClient(windows), 0, std::string("AOL Child"),
                                caption);
  };
  // As the program does, wait for the window's fourth icon: the window comes before its
  // controls.
  const auto signOn = [&] {
    Hwnd button = 0;
    WaitFor([&] {
      return (button = drelm::FindNthChild(windows, child("Sign On"), "_aol_icon", 4)) != 0;
    });
    windows.PostMessage(button, WM_LBUTTONDOWN, 0, 0);
    windows.PostMessage(button, WM_KEYUP, VK_SPACE, 0);
  };
  aol.Command("disconnect");
  Check(WaitFor([&] { return child("Welcome, Bob Smith!") == 0 && child("Sign On") != 0; }),
        "a disconnect takes the welcome away and brings \"Sign On\"");
  signOn();
  Check(WaitFor([&] { return child("Welcome, Bob Smith!") != 0; }),
        "the fourth icon signs on again");

  const std::vector<std::string> strays = aol.Command("strays");
  Check(strays == std::vector<std::string>{"ok 0"},
        "nothing stray reached the client" + (strays.size() > 1 ? ": " + strays[1] : ""));
  Check(aol.Command("exit") == std::vector<std::string>{"ok"}, "exit is answered");
  Check(aol.WaitForExit(kDeadlineMs), "the stand-in's process ends");
  Check(drelm::FindAolMainWindow(windows) == 0, "its main window is gone");
  aol.EndIfRunning();

  // Started again by its path it comes up as AOL does: the main window, then "Sign On".
  drelm::e2e::ChildProcess again;
  Check(again.Start(exe, "--immediate --version=6 \"--screen-name=Bob Smith\"", "", false),
        "started again by its path");
  Check(WaitFor([&] { return child("Sign On") != 0; }), "\"Sign On\" comes up");
  signOn();
  Check(WaitFor([&] { return child("Welcome, Bob Smith!") != 0; }), "and signs on");
  const Hwnd main = drelm::FindAolMainWindow(windows);
  char path[MAX_PATH] = {};
  DWORD pid = 0;
  GetWindowThreadProcessId(drelm::win32::ToHwnd(main), &pid);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  DWORD size = MAX_PATH;
  QueryFullProcessImageNameA(process, 0, path, &size);
  CloseHandle(process);
  Check(_stricmp(path, exe.c_str()) == 0, std::string("its main window's process is ") + path);
  windows.PostMessage(main, WM_CLOSE, 0, 0);
  Check(again.WaitForExit(kDeadlineMs), "WM_CLOSE to the main window ends it");
  again.EndIfRunning();
  return checks.Finish();
}
