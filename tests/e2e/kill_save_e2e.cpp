// A kill during a list save, in the floor build, which replaces a file the way 98 and ME must
// (no one-step replace): the reasons list of one entry gets a second, and the program is stopped
// dead at one step of the save. The next start must find the old list or the new one, whole,
// with no complete copy left waiting to take its place.
#include "core/files.h"
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

// floor_kill_switch.cpp's exit code.
constexpr DWORD kKilledAtStepExitCode = 9;
constexpr int kTypedReasonId = 451;
constexpr int kReasonListId = 450;
constexpr const char* kOldList = "at lunch\r\n";
constexpr const char* kNewList = "at lunch\r\nback soon\r\n";

struct KillCase {
  const char* step;
  bool newListSurvives;
};

// Before the new list is marked complete the old one stands; from then on the new one wins.
constexpr KillCase kCases[] = {
    {"write temp", false},
    {"mark complete", false},
    {"remove old file", true},
    {"rename complete file", true},
};

HWND ReasonsWindow(DWORD id) {
  return FindProgramWindow(id, "DrelmIdleReasons", "drelm idle reasons");
}

void KillDuringSave(const E2eSetup& setup, int index, const KillCase& c, Checks& checks) {
  const std::string step = c.step;
  const std::string exe = PrepareProgramFolder(setup, "kill-save-" + std::to_string(index));
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  const std::string list = JoinPath(folder, std::string(kReasonsFileName));
  if (!checks.Check(!exe.empty() && ClearStoredSettings() && StoreReturningUser("false") &&
                        WriteWholeFile(list, kOldList),
                    step + ": a returning user with a reasons list of one entry")) {
    return;
  }

  SetEnvironmentVariableA("DRELM_FLOOR_KILL_AT_STEP", c.step);
  ChildProcess killed;
  const bool started = killed.Start(exe, {}, folder, false);
  SetEnvironmentVariableA("DRELM_FLOOR_KILL_AT_STEP", nullptr);
  if (!checks.Check(started && WaitFor([] { return StoredText("stats", "loads") == "1"; },
                                       kStartUpDeadlineMs),
                    step + ": the program starts")) {
    return;
  }
  RunCommand(FindOptionsWindow(killed.Id()), "cmdReason");
  HWND reasons = nullptr;
  checks.Check(WaitFor(
                   [&] {
                     reasons = ReasonsWindow(killed.Id());
                     return reasons && IsWindowVisible(reasons);
                   },
                   kWindowDeadlineMs),
               step + ": \"reason\" opens the reasons window");
  const HWND typed = GetDlgItem(reasons, kTypedReasonId);
  SendMessageA(typed, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("back soon"));
  PostMessageA(typed, WM_CHAR, VK_RETURN, 0);
  checks.Check(killed.WaitForExit(kExitDeadlineMs) &&
                   killed.ExitCode() == std::optional<DWORD>(kKilledAtStepExitCode),
               step + ": adding a reason saves the list, and the save is killed at that step");

  ChildProcess next;
  if (!checks.Check(
          next.Start(exe, {}, folder, false) &&
              WaitFor([] { return StoredText("stats", "loads") == "2"; }, kStartUpDeadlineMs),
          step + ": the program starts again")) {
    return;
  }
  const std::string expected = c.newListSurvives ? kNewList : kOldList;
  const std::string found = ReadWholeFile(list).value_or("(no list)");
  checks.Check(found == expected, step + ": the next start finds the " +
                                      (c.newListSurvives ? "new" : "old") + " list, whole");
  checks.Detail("drelm-reasons.tmp: " + Visible(found));
  const HWND reasonList = GetDlgItem(ReasonsWindow(next.Id()), kReasonListId);
  const LRESULT count = SendMessageA(reasonList, LB_GETCOUNT, 0, 0);
  checks.Check(count == (c.newListSurvives ? 2 : 1) && ListItem(reasonList, 0) == "at lunch" &&
                   (!c.newListSurvives || ListItem(reasonList, 1) == "back soon"),
               step + ": and shows it in the reasons window");
  checks.Check(!FileExists(list + ".complete"), step + ": no complete copy is left waiting");

  Click(FindLabel(FindMainWindow(next.Id()), "x"));
  checks.Check(next.WaitForExit(kExitDeadlineMs), step + ": the program ends by its \"x\"");
}

}  // namespace

int KillSaveScenario(const E2eSetup& setup) {
  Checks checks;
  if (!checks.Check(setup.floor, "the program is the floor build, which can stop at a step")) {
    return checks.Finish();
  }
  int index = 0;
  for (const KillCase& c : kCases) KillDuringSave(setup, ++index, c, checks);
  return checks.Finish();
}

}  // namespace drelm::e2e
