// The handle command, "clear stats" and "set pw" on real windows beside the stand-in AOL client,
// sent by their documented command ids as automation would: the real input box proposes the
// stored handle and takes a new one, the real Yes/No box clears the statistics, and the password
// typed into the real input box is kept sealed for the user, with no plain copy left.
#include "e2e_scenarios.h"
#include "platform/win32/win32_data_protection.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

constexpr const char* kPromptTitle = "drelm idle by quoSt n' vrin";
constexpr WPARAM kCmdHandle = 1013;
constexpr WPARAM kCmdClearStats = 1130;
constexpr WPARAM kCmdSetPw = 1072;
constexpr const char* kPasswordTitle = "drelm idle quoSt n' vrin";
constexpr const char* kPassword = "open sesame";
// A handle with a byte above 0x7F, which the real input box must hand over as typed.
constexpr const char* kHandle =
    "B\xB7"
    "b";

// The default style around a text, as the room receives it.
std::string Styled(const std::string& text) {
  return "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
         "d\x9B <font face=\"arial narrow\"><font color=##999999>" +
         text + " <font color=##336699><font face=\"arial narrow\">\x8B" + "d\x9B";
}

}  // namespace

int StyleStatsScenario(const E2eSetup& setup) {
  Checks checks;
  checks.Check(
      ClearStoredSettings() && StoreReturningUser("true") && WriteStored("stats", "mb", "12") &&
          WriteStored("aolpw", "password", "old secret"),
      "a returning user's settings are stored, with a password kept plain by an earlier version");
  const std::string exe = PrepareProgramFolder(setup, "style-stats");
  ChildProcess aol;
  ChildProcess program;
  if (!checks.Check(!exe.empty() && StartStandInInRoom(setup, aol, 6) &&
                        program.Start(exe, {}, exe.substr(0, exe.find_last_of('\\')), false),
                    "drelm-idle.exe starts beside the stand-in AOL client in its room")) {
    return checks.Finish();
  }
  const DWORD id = program.Id();
  std::vector<std::string> lines;
  const auto linesCome = [&](std::size_t count) {
    return WaitFor([&] { return (lines = LinesFromUser(aol)).size() == count; }, kWindowDeadlineMs);
  };
  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs) &&
                   linesCome(3),
               "the start-up runs to its end and posts its three lines");
  const HWND options = FindOptionsWindow(id);
  HWND box = nullptr;
  // A box exists, hidden, before its dialog procedure has filled it in; it is shown after.
  const auto boxShown = [&](const char* title) {
    return WaitFor(
        [&] {
          box = FindProgramWindow(id, "#32770", title);
          return box != nullptr && IsWindowVisible(box);
        },
        kWindowDeadlineMs);
  };

  PostMessageA(options, WM_COMMAND, kCmdHandle, 0);
  checks.Check(boxShown(kPromptTitle) &&
                   InputBoxTexts(box).find("enter your handle below") != std::string::npos,
               "the handle command asks in an input box titled \"drelm idle by quoSt n' vrin\"");
  checks.Detail("box texts: " + Visible(InputBoxTexts(box)));
  checks.Check(ControlText(FindWindowExA(box, nullptr, "Edit", nullptr)) == "user",
               "it proposes the stored handle");
  checks.Check(
      AnswerInputBox(box, kHandle) &&
          WaitFor([] { return StoredText("settings", "handle") == kHandle; }, kWindowDeadlineMs),
      "\"" + Visible(kHandle) + "\" typed and OK clicked becomes settings/handle, byte for byte");
  checks.Check(
      linesCome(4) && lines[3] == Styled(std::string("handle set to: <font color=##336699>") +
                                         kHandle + "<font color=##999999>"),
      "the room sees the preview line, byte for byte");
  checks.Detail(lines.empty() ? "no lines" : Visible(lines.back()));

  PostMessageA(options, WM_COMMAND, kCmdClearStats, 0);
  checks.Check(boxShown(kPromptTitle) &&
                   InputBoxTexts(box).find("are you sure you want to clear your stats?") !=
                       std::string::npos &&
                   GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDOK),
               "clear stats asks in a message box with Yes and No");
  checks.Detail("box texts: " + Visible(InputBoxTexts(box)));
  Click(GetDlgItem(box, IDYES));
  checks.Check(WaitFor([] { return StoredText("stats", "mb") == "0"; }, kWindowDeadlineMs) &&
                   StoredText("stats", "loads") == "0",
               "Yes zeroes the statistics");
  checks.Check(linesCome(5) && lines[4] == Styled("stats sucessfully cleared"),
               "the room is told \"stats sucessfully cleared\"");
  checks.Detail(lines.empty() ? "no lines" : Visible(lines.back()));

  PostMessageA(options, WM_COMMAND, kCmdSetPw, 0);
  checks.Check(
      boxShown(kPasswordTitle) &&
          InputBoxTexts(box).find("enter the password you wish to use") != std::string::npos &&
          AnswerInputBox(box, kPassword) &&
          WaitFor([] { return StoredText("settings", "dcpaolstyle") == "set"; }, kWindowDeadlineMs),
      "set pw asks for the password and takes it");
  const std::optional<StoredValue> sealed = ReadStored("aolpw", "protected password");
  checks.Check(sealed && sealed->type == REG_BINARY &&
                   sealed->data.find(kPassword) == std::string::npos &&
                   win32::Win32DataProtection().Unprotect(sealed->data) == kPassword &&
                   !ReadStored("aolpw", "password"),
               "the password is kept sealed for the user and the plain one is gone");

  Click(FindLabel(FindMainWindow(id), "x"));
  checks.Check(
      program.WaitForExit(kExitDeadlineMs) && program.ExitCode() == std::optional<DWORD>(0),
      "clicking \"x\" ends the program with exit code 0");
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return checks.Finish();
}

}  // namespace drelm::e2e
