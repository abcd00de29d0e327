// aol-standin.exe: the stand-in AOL client in real windows, for driving the real program against
// it under Wine and for demonstrations by hand.
//
//   aol-standin.exe [--version=4|5|6|7] [--screen-name=NAME] [--password=PASSWORD]
//                   [--signed-on] [--room=ROOM] [--immediate] [--script] [--member-chat]
//
// aol-standin-4.exe to aol-standin-7.exe are the same program built for one version each, which
// their version resource carries; they refuse a --version that names another.
//
// Without --signed-on or --room it starts the way AOL does: the main window, then "Sign On".
// Options also come from the AOL_STANDIN_ARGS environment variable (blank-separated, before the
// command line's), so a copy started again by its program path gets the same set-up. --script
// reads the line protocol (docs/standin.md) on stdin and answers on stdout; the end of stdin
// ends the program. Its "freeze SECONDS" (this host only) hangs the window thread that long, as a
// client stuck in a slow call would be. --member-chat opens a small window of its own beside the
// client, for demonstrations: whatever is typed there reaches the room as a line from another
// member.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "standin/script_protocol.h"
#include "standin/standin.h"
#include "standin/win32/win32_host.h"

namespace {

using drelm::standin::StandInOptions;

constexpr UINT kScriptLine = WM_APP + 10;
constexpr UINT kScriptEnd = WM_APP + 11;
// A script may hang the client's window thread for this long at most.
constexpr int kMaxFreezeSeconds = 300;

struct Setup {
  StandInOptions options;
  bool signedOn = false;
  std::string room;
  bool script = false;
  bool memberChat = false;
};

// Splits at blanks, keeping double-quoted parts together.
std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> parts;
  std::string current;
  bool quoted = false;
  bool any = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == ' ' && !quoted) {
      if (any) parts.push_back(current);
      current.clear();
      any = false;
    } else {
      current += c;
      any = true;
    }
  }
  if (any) parts.push_back(current);
  return parts;
}

void Apply(Setup& setup, const std::string& argument) {
  const auto value = [&](const char* name) -> const char* {
    const std::size_t length = std::strlen(name);
    return argument.compare(0, length, name) == 0 ? argument.c_str() + length : nullptr;
  };
  if (const char* v = value("--version=")) {
    setup.options.version = std::atoi(v);
  } else if (const char* v = value("--screen-name=")) {
    setup.options.screenName = v;
  } else if (const char* v = value("--password=")) {
    setup.options.storedPassword = false;
    setup.options.password = v;
  } else if (const char* v = value("--room=")) {
    setup.room = v;
    setup.signedOn = true;
  } else if (argument == "--signed-on") {
    setup.signedOn = true;
  } else if (argument == "--immediate") {
    setup.options.delays = drelm::standin::Delays::Immediate();
  } else if (argument == "--script") {
    setup.script = true;
  } else if (argument == "--member-chat") {
    setup.memberChat = true;
  }
}

// The seconds of a "freeze SECONDS" command, bounded; nullopt for any other command.
std::optional<int> FreezeSeconds(const std::string& line) {
  const std::vector<std::string> fields = drelm::standin::SplitCommand(line);
  if (fields.size() != 2 || fields[0] != "freeze") return std::nullopt;
  return std::clamp(std::atoi(fields[1].c_str()), 0, kMaxFreezeSeconds);
}

std::string ExePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// The script channel: a thread reads stdin and hands whole lines to the window thread. Plain
// Win32 threads: the program links no threads library.
class ScriptChannel {
 public:
  explicit ScriptChannel(DWORD threadId) : threadId_(threadId) {
    InitializeCriticalSection(&lock_);
  }
  ScriptChannel(const ScriptChannel&) = delete;
  ScriptChannel& operator=(const ScriptChannel&) = delete;
  // The reader is never joined: the process ends while it may still wait in ReadFile.

  void Start() {
    HANDLE reader = CreateThread(nullptr, 0, ReadThread, this, 0, nullptr);
    if (reader) CloseHandle(reader);
  }
  bool Next(std::string& line) {
    EnterCriticalSection(&lock_);
    const bool any = !lines_.empty();
    if (any) {
      line = std::move(lines_.front());
      lines_.pop_front();
    }
    LeaveCriticalSection(&lock_);
    return any;
  }
  static void Write(const std::vector<std::string>& reply) {
    std::string out;
    for (const std::string& line : reply) out += line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &written,
              nullptr);
    FlushFileBuffers(GetStdHandle(STD_OUTPUT_HANDLE));
  }

 private:
  static DWORD WINAPI ReadThread(void* channel) {
    static_cast<ScriptChannel*>(channel)->Read();
    return 0;
  }
  void Read() {
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    std::string pending;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      pending.append(buffer, got);
      std::size_t end;
      while ((end = pending.find('\n')) != std::string::npos) {
        EnterCriticalSection(&lock_);
        lines_.push_back(pending.substr(0, end));
        LeaveCriticalSection(&lock_);
        pending.erase(0, end + 1);
        PostThreadMessageA(threadId_, kScriptLine, 0, 0);
      }
    }
    PostThreadMessageA(threadId_, kScriptEnd, 0, 0);
  }

  DWORD threadId_;
  CRITICAL_SECTION lock_;
  std::deque<std::string> lines_;
};

// A window of the stand-in's own (not one of the client's classes, so nothing that looks for AOL
// windows finds it): a member's name, a line, and "Say" to put it into the current room.
class MemberChatWindow {
 public:
  MemberChatWindow(HINSTANCE instance, drelm::standin::StandIn& aol) : aol_(aol) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClass;
    RegisterClassExA(&wc);
    window_ = CreateWindowExA(0, kClass, "Stand-in: chat as another member",
                              WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 840, 20, 380, 110, nullptr,
                              nullptr, instance, this);
    CreateWindowExA(0, "STATIC", "member", WS_CHILD | WS_VISIBLE, 8, 10, 60, 20, window_, nullptr,
                    instance, nullptr);
    name_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "BuddyZed",
                            WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 70, 8, 140, 22, window_,
                            nullptr, instance, nullptr);
    text_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 8,
                            40, 290, 22, window_, nullptr, instance, nullptr);
    CreateWindowExA(0, "BUTTON", "Say", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 304, 40, 56, 22,
                    window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance,
                    nullptr);
  }

  // Enter in the line's box says it, as the client's own chat input does.
  bool Translate(const MSG& msg) {
    if (msg.hwnd != text_ || msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
    SayLine();
    return true;
  }

 private:
  static constexpr const char* kClass = "AolStandInMemberChat";

  static std::string TextOf(HWND control) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    return text;
  }

  void SayLine() {
    const std::string member = TextOf(name_);
    const std::string line = TextOf(text_);
    if (member.empty() || line.empty()) return;
    aol_.Say(member, line);
    SetWindowTextA(text_, "");
  }

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MemberChatWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND && LOWORD(wParam) == IDOK) {
      self->SayLine();
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  drelm::standin::StandIn& aol_;
  HWND window_ = nullptr;
  HWND name_ = nullptr;
  HWND text_ = nullptr;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCmd) {
  Setup setup;
#ifdef DRELM_STANDIN_VERSION
  setup.options.version = DRELM_STANDIN_VERSION;
#endif
  char environment[4096] = {};
  if (GetEnvironmentVariableA("AOL_STANDIN_ARGS", environment, sizeof environment) > 0) {
    for (const std::string& argument : SplitArguments(environment)) Apply(setup, argument);
  }
  for (const std::string& argument : SplitArguments(GetCommandLineA())) Apply(setup, argument);
  setup.options.exePath = ExePath();
#ifdef DRELM_STANDIN_VERSION
  if (setup.options.version != DRELM_STANDIN_VERSION) {
    std::fprintf(stderr, "aol-standin-%d.exe plays AOL %d only; --version=%d names another\n",
                 DRELM_STANDIN_VERSION, DRELM_STANDIN_VERSION, setup.options.version);
    return 2;
  }
#endif

  drelm::standin::Win32Host host(instance);
  drelm::standin::StandIn aol(host, setup.options);
  host.OnProcessEnd([] { PostQuitMessage(0); });
  drelm::standin::ScriptProtocol protocol(aol);
  ScriptChannel channel(GetCurrentThreadId());

  // Make sure the thread has a message queue before the reader posts to it.
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  if (setup.script) channel.Start();

  if (setup.signedOn) {
    aol.StartSignedOn(setup.room);
  } else {
    aol.Launch(showCmd);
  }
  std::unique_ptr<MemberChatWindow> memberChat;
  if (setup.memberChat) memberChat = std::make_unique<MemberChatWindow>(instance, aol);

  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.hwnd == nullptr && msg.message == kScriptLine) {
      std::string line;
      while (channel.Next(line)) {
        if (const std::optional<int> seconds = FreezeSeconds(line)) {
          // Answered first, so the script knows the freeze has begun.
          ScriptChannel::Write({"ok"});
          Sleep(static_cast<DWORD>(*seconds) * 1000);
          continue;
        }
        ScriptChannel::Write(protocol.Handle(line));
      }
      continue;
    }
    if (msg.hwnd == nullptr && msg.message == kScriptEnd) {
      if (aol.Running()) aol.Exit();
      break;
    }
    if (memberChat && memberChat->Translate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  // The stdin reader may still be blocked in ReadFile: end without waiting for it.
  ExitProcess(0);
}
