// The style and statistics commands on real windows beside the stand-in AOL client: the handle
// command's input box proposes the stored handle and takes a new one, which is stored and
// previewed in the room; "clear stats" asks in a real Yes/No message box, keeps everything on No
// and zeroes the counters on Yes. Commands reach the program as an automation script sends them,
// by command id to the hidden options window.
#include "core/files.h"
#include "e2e_scenarios.h"
#include "options/menu_tree.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

constexpr const char* kPromptTitle = "drelm idle by quoSt n' vrin";

// The default style around a text, as the room receives it.
// clang-format off
constexpr const char* kStyledBefore =
    "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B" "d\x9B "
    "<font face=\"arial narrow\"><font color=##999999>";
constexpr const char* kStyledAfter =
    " <font color=##336699><font face=\"arial narrow\">\x8B" "d\x9B";
// clang-format on

UINT CommandId(std::string_view itemName) {
  std::vector<const MenuItem*> pending;
  const std::vector<MenuItem> tree = BuildOptionsMenuTree();
  for (const MenuItem& item : tree) pending.push_back(&item);
  while (!pending.empty()) {
    const MenuItem* item = pending.back();
    pending.pop_back();
    if (item->name == itemName) return item->commandId;
    for (const MenuItem& child : item->children) pending.push_back(&child);
  }
  return 0;
}

void RunCommand(HWND options, std::string_view itemName) {
  PostMessageA(options, WM_COMMAND, CommandId(itemName), 0);
}

HWND FindPrompt(DWORD processId) {
  return FindProgramWindow(processId, "#32770", kPromptTitle);
}

// Clicks the message box's button with that id (message box buttons carry their answer as id).
bool AnswerMessageBox(HWND box, int buttonId) {
  const HWND button = box ? GetDlgItem(box, buttonId) : nullptr;
  if (!button) return false;
  Click(button);
  return true;
}

}  // namespace

int StyleStatsScenario(const E2eSetup& setup) {
  Checks checks;
  checks.Check(ClearStoredSettings() && StoreReturningUser("true") &&
                   WriteStored("stats", "mb", "12") && WriteStored("idler", "hours", "3"),
               "a returning user's settings are stored");
  const std::string exe = PrepareProgramFolder(setup, "style-stats");
  if (!checks.Check(!exe.empty(), "a fresh program folder holds drelm-idle.exe")) {
    return checks.Finish();
  }
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  ChildProcess aol;
  if (!checks.Check(StartStandInInRoom(setup, aol, 6),
                    "the stand-in AOL client is signed on in its room")) {
    return checks.Finish();
  }
  ChildProcess program;
  if (!checks.Check(program.Start(exe, {}, folder, false), "drelm-idle.exe starts")) {
    return checks.Finish();
  }
  const DWORD id = program.Id();
  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs) &&
                   WaitFor([&] { return LinesFromUser(aol).size() == 3; }, kWindowDeadlineMs),
               "the start-up runs to its end and posts its three lines");
  const HWND options = FindOptionsWindow(id);

  // The handle, through the real input box.
  RunCommand(options, "cmdHandle");
  HWND box = nullptr;
  checks.Check(
      WaitFor([&] { return (box = FindPrompt(id)) != nullptr; }, kWindowDeadlineMs),
      "the handle command asks in an input box titled \"" + std::string(kPromptTitle) + "\"");
  checks.Check(InputBoxTexts(box).find("enter your handle below") != std::string::npos,
               "the box says \"enter your handle below\"");
  checks.Detail("box texts: " + Visible(InputBoxTexts(box)));
  const HWND edit = box ? FindWindowExA(box, nullptr, "Edit", nullptr) : nullptr;
  checks.Check(ControlText(edit) == "user", "it proposes the stored handle");
  checks.Detail("proposed: " + Visible(ControlText(edit)));
  checks.Check(AnswerInputBox(box, "Bob"), "\"Bob\" is typed into the box and OK is clicked");
  checks.Check(WaitFor([] { return StoredText("settings", "handle") == "Bob"; }, kWindowDeadlineMs),
               "settings/handle becomes \"Bob\"");
  std::vector<std::string> lines;
  const std::string preview = std::string(kStyledBefore) +
                              "handle set to: <font color=##336699>Bob<font color=##999999>" +
                              kStyledAfter;
  checks.Check(
      WaitFor([&] { return (lines = LinesFromUser(aol)).size() == 4; }, kWindowDeadlineMs) &&
          lines[3] == preview,
      "the room sees the preview line, byte for byte");
  if (lines.size() > 3) checks.Detail("got " + Visible(lines[3]));

  // Clear stats, answered No, then Yes, in the real message box.
  for (const int answer : {IDNO, IDYES}) {
    const std::string said = answer == IDYES ? "Yes" : "No";
    RunCommand(options, "cmdClearStats");
    checks.Check(WaitFor([&] { return (box = FindPrompt(id)) != nullptr; }, kWindowDeadlineMs),
                 "clear stats asks in a message box (to be answered " + said + ")");
    checks.Check(InputBoxTexts(box).find("are you sure you want to clear your stats?") !=
                         std::string::npos &&
                     GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDOK),
                 "it asks whether to clear the stats, with Yes and No");
    checks.Detail("box texts: " + Visible(InputBoxTexts(box)));
    checks.Check(AnswerMessageBox(box, answer) &&
                     WaitFor([&] { return FindPrompt(id) == nullptr; }, kWindowDeadlineMs),
                 said + " is clicked and the box closes");
    if (answer == IDNO) {
      // The No path is over when the box is gone; nothing was written.
      checks.Check(StoredText("stats", "loads") == "1" && StoredText("stats", "mb") == "12" &&
                       StoredText("idler", "hours") == "3",
                   "No keeps every statistic");
    }
  }
  checks.Check(WaitFor(
                   [] {
                     return StoredText("stats", "loads") == "0" &&
                            StoredText("stats", "mb") == "0" && StoredText("idler", "hours") == "0";
                   },
                   kWindowDeadlineMs),
               "Yes zeroes loads, megabytes and the idle time");
  const std::string cleared =
      std::string(kStyledBefore) + "stats sucessfully cleared" + kStyledAfter;
  checks.Check(
      WaitFor([&] { return (lines = LinesFromUser(aol)).size() == 5; }, kWindowDeadlineMs) &&
          lines[4] == cleared,
      "the room is told \"stats sucessfully cleared\"");
  checks.Detail(lines.empty() ? "" : "last: " + Visible(lines.back()));

  Click(FindLabel(FindMainWindow(id), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  checks.Check(program.ExitCode() == std::optional<DWORD>(0), "with exit code 0");
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return checks.Finish();
}

}  // namespace drelm::e2e
