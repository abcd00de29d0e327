// The main window's second timer on real windows beside the stand-in AOL client: it closes the
// client's "File not found." notice and logs it, and it presses the client's "America Online"
// message box only once "message to long to complex" is switched on.
#include "core/files.h"
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

constexpr DWORD kTimer2Ms = 1600;
// A tick may come late under Wine, and the client closes a pressed window after its own delay.
constexpr DWORD kTickMarginMs = 1500;
constexpr const char* kBoxText = "Your message is too long or too complex.";

bool LogMentions(const std::string& logPath, const std::string& entry) {
  return ReadWholeFile(logPath).value_or("").find(entry) != std::string::npos;
}

}  // namespace

int KillersScenario(const E2eSetup& setup) {
  Checks checks;
  // The transfers' continuation after a kill drives other windows of the client; off, so that
  // the kill alone is judged.
  checks.Check(ClearStoredSettings() && StoreReturningUser("true") &&
                   WriteStored("settings", "killtltc", "off") &&
                   WriteStored("settings", "contulafterfilenotfound", "off") &&
                   WriteStored("settings", "contdlafterfilenotfound", "off"),
               "a returning user's settings are stored, the message-box kill off");
  ChildProcess aol, program;
  const std::string exe = StartBesideStandIn(setup, "killers", 6, aol, program);
  if (!checks.Check(!exe.empty() && StartUpEnded(aol),
                    "drelm-idle.exe starts beside the stand-in AOL client and ends its start-up")) {
    return checks.Finish();
  }
  const std::string logPath =
      JoinPath(exe.substr(0, exe.find_last_of('\\')), std::string(kLogFileName));

  // The notice exists once the stand-in has answered.
  checks.Check(aol.Command("file-not-found") == std::vector<std::string>{"ok"},
               "the client shows its \"File not found.\" notice");
  const ULONGLONG shown = drelm::win32::TickCount64();
  const bool closed = WaitFor(
      [&] {
        return FindWindowA("_AOL_Modal", "File Transfer") == nullptr &&
               StandInRows(aol, "presses").find("File Transfer\tOK") != std::string::npos;
      },
      2 * kTimer2Ms + kTickMarginMs);
  checks.Check(closed, "the second timer presses the notice's OK within two ticks");
  checks.Detail("closed after " + std::to_string(drelm::win32::TickCount64() - shown) +
                " ms; presses: " + StandInRows(aol, "presses"));
  checks.Check(WaitFor([&] { return LogMentions(logPath, "killed file not found"); }, kPollMs * 4),
               "log.txt gets \"killed file not found\"");
  checks.Detail("log.txt: " + Visible(ReadWholeFile(logPath).value_or("(no log.txt)")));

  checks.Check(aol.Command(std::string("box\t") + kBoxText) == std::vector<std::string>{"ok"} &&
                   WaitFor([] { return FindWindowA("#32770", "America Online") != nullptr; },
                           kWindowDeadlineMs),
               "the client shows its \"America Online\" message box");
  checks.Check(
      !WaitFor([&] { return !StandInStateIs(aol, "boxes-dismissed", "0"); }, 3 * kTimer2Ms) &&
          FindWindowA("#32770", "America Online") != nullptr,
      "with the message-box kill off the box stays for three ticks");
  RunCommand(FindOptionsWindow(program.Id()), "cmdMessageTLTC");
  const ULONGLONG switched = drelm::win32::TickCount64();
  checks.Check(WaitFor([&] { return StandInStateIs(aol, "boxes-dismissed", "1"); },
                       2 * kTimer2Ms + kTickMarginMs),
               "switched on, the second timer presses the box's OK within two ticks");
  checks.Detail("pressed after " + std::to_string(drelm::win32::TickCount64() - switched) + " ms");
  checks.Check(StoredText("settings", "killtltc") == "on" &&
                   LogMentions(logPath, "kill message to long to complex"),
               "the switch is stored and logged");

  checks.Check(StandInRows(aol, "strays").empty(), "the client saw no input it did not expect");
  checks.Detail("strays: " + StandInRows(aol, "strays"));
  checks.Check(EndByX(program, aol), "clicking \"x\" ends the program");
  return checks.Finish();
}

}  // namespace drelm::e2e
