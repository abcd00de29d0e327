// A kill during a list save, in the floor build, which replaces a file the way 98 and ME must
// (no one-step replace): the reasons list of one entry gets a second, and the program is stopped
// dead at one step of the save. The next start must find the old list or the new one, whole,
// with no complete copy left waiting to take its place.
#include <cstdio>

#include "core/files.h"
#include "scenario.h"

namespace drelm::e2e {

namespace {

// floor_kill_switch.cpp's exit code.
constexpr DWORD kKilledAtStepExitCode = 9;
constexpr const char* kOldList = "at lunch\r\n";
constexpr const char* kNewList = "at lunch\r\nback soon\r\n";

// Before the new list is marked complete the old one stands; from then on the new one wins.
constexpr struct {
  const char* step;
  bool newListSurvives;
} kCases[] = {
    {"write temp", false},
    {"mark complete", false},
    {"remove old file", true},
    {"rename complete file", true},
};

}  // namespace

int KillSaveScenario(const E2eSetup& setup) {
  if (!setup.floor) {
    std::printf("FAIL the program must be the floor build, which can stop at a step\n");
    return 1;
  }
  int failures = 0;
  int index = 0;
  for (const auto& c : kCases) {
    const std::string step = c.step;
    Scenario s(setup, "kill-save-" + std::to_string(++index), {}, "false");
    const std::string list = s.Path(std::string(kReasonsFileName));
    s.Check(WriteWholeFile(list, kOldList), step + ": a reasons list of one entry");
    SetEnvironmentVariableA("DRELM_FLOOR_KILL_AT_STEP", c.step);
    const bool started = s.Start(0);
    SetEnvironmentVariableA("DRELM_FLOOR_KILL_AT_STEP", nullptr);
    if (!started || !s.StartUpEnds()) return s.Finish();
    s.Run({{Menu("cmdReason"), s.Shown("DrelmIdleReasons", "drelm idle reasons"),
            step + ": \"reason\" opens the reasons window"},
           {Do([&] {
              const HWND typed = GetDlgItem(s.window, 451);
              SendMessageA(typed, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("back soon"));
              PostMessageA(typed, WM_CHAR, VK_RETURN, 0);
            }),
            [&] { return s.program.ExitCode() == std::optional<DWORD>(kKilledAtStepExitCode); },
            step + ": adding a reason saves the list, and the save is killed at that step",
            kExitDeadlineMs}});
    ChildProcess next;
    s.Check(next.Start(s.exe, {}, s.folder, false), step + ": the program starts again");
    s.id = next.Id();
    s.StartUpEnds("2");
    const std::string found = ReadWholeFile(list).value_or("(no list)");
    s.Check(found == (c.newListSurvives ? kNewList : kOldList),
            step + ": the next start finds the " + (c.newListSurvives ? "new" : "old") +
                " list, whole");
    s.Detail("drelm-reasons.tmp: " + Visible(found));
    const HWND reasonList =
        GetDlgItem(FindProgramWindow(s.id, "DrelmIdleReasons", "drelm idle reasons"), 450);
    s.Check(SendMessageA(reasonList, LB_GETCOUNT, 0, 0) == (c.newListSurvives ? 2 : 1) &&
                ListItem(reasonList, 0) == "at lunch" &&
                (!c.newListSurvives || ListItem(reasonList, 1) == "back soon"),
            step + ": and shows it in the reasons window");
    s.Check(!FileExists(list + ".complete"), step + ": no complete copy is left waiting");
    Click(FindLabel(FindMainWindow(s.id), "x"));
    s.Check(next.WaitForExit(kExitDeadlineMs), step + ": the program ends by its \"x\"");
    failures += s.Finish();
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace drelm::e2e
