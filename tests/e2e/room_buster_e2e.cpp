// The room buster on real windows beside the stand-in AOL client, driven through its own panel
// as a user would: the room typed into its Edit, "start bust" clicked; the stand-in refuses the
// room twice, and the third request lets the user in. Then a bust stopped at once posts no
// busted line.
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"

namespace drelm::e2e {

namespace {

// Three requests a second or more apart, each answered after the stand-in's room delay.
constexpr DWORD kBustDeadlineMs = 40000;

}  // namespace

int RoomBusterScenario(const E2eSetup& setup) {
  Checks checks;
  checks.Check(ClearStoredSettings() && StoreReturningUser("true"),
               "a returning user's settings are stored");
  const std::string exe = PrepareProgramFolder(setup, "room-buster");
  ChildProcess aol, program;
  if (!checks.Check(!exe.empty() && StartStandInInRoom(setup, aol, 6) &&
                        program.Start(exe, {}, exe.substr(0, exe.find_last_of('\\')), false),
                    "the stand-in is signed on in its room and drelm-idle.exe starts")) {
    return checks.Finish();
  }
  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs) &&
                   WaitFor([&] { return LinesFromUser(aol).size() == 3; }, kWindowDeadlineMs),
               "the start-up runs to its end");
  aol.Command("fill-room\tDrelm Den\t2");
  RunCommand(FindOptionsWindow(program.Id()), "cmdRoomBuster");
  HWND buster = nullptr;
  checks.Check(WaitFor(
                   [&] {
                     buster = FindProgramWindow(program.Id(), "DrelmIdleBuster", nullptr);
                     return buster && IsWindowVisible(buster);
                   },
                   kWindowDeadlineMs),
               "room buster shows its panel");
  SendMessageA(GetDlgItem(buster, 510), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Drelm Den"));
  Click(GetDlgItem(buster, 504));
  const auto busted = [&] {
    const std::vector<std::string> lines = LinesFromUser(aol);
    return !lines.empty() && lines.back().find("drelm busted: ") != std::string::npos;
  };
  checks.Check(WaitFor(busted, kBustDeadlineMs), "the bust ends with the busted line");
  const std::vector<std::string> lines = LinesFromUser(aol);
  checks.Check(lines.size() == 5 &&
                   lines[3].find("drelm attempting to bust: ") != std::string::npos &&
                   lines[4].find(">Drelm Den<") != std::string::npos &&
                   lines[4].find(">3<") != std::string::npos,
               "the room heard the attempt and the arrival in 3 tries");
  const std::vector<std::string> requests = aol.Command("room-requests");
  checks.Check(requests.size() == 4, "the room was asked for three times");  // "ok 3" and 3 rows
  const auto status = [&] {
    char text[64] = {};
    GetWindowTextA(GetDlgItem(buster, 508), text, sizeof text);
    return std::string(text);
  };
  checks.Check(WaitFor([&] { return status() == "idle"; }, kWindowDeadlineMs),
               "the panel is back to idle");

  // A stop during the opening pause, then a bust that arrives: the stopped one posts its
  // attempting line and no busted line. The room is full once, so a stop that comes late, in
  // the first attempt, is no arrival either.
  aol.Command("fill-room\tDrelm Den\t1");
  Click(GetDlgItem(buster, 504));
  checks.Check(
      WaitFor([&] { return IsWindowVisible(GetDlgItem(buster, 505)) != FALSE; }, kWindowDeadlineMs),
      "start bust shows stop bust");
  Click(GetDlgItem(buster, 505));
  checks.Check(WaitFor(
                   [&] {
                     return status() == "idle" && IsWindowVisible(GetDlgItem(buster, 504)) &&
                            IsWindowEnabled(GetDlgItem(buster, 510));
                   },
                   kWindowDeadlineMs),
               "stop bust brings the panel back to idle");
  Click(GetDlgItem(buster, 504));
  checks.Check(WaitFor([&] { return LinesFromUser(aol).size() >= 8 && busted(); }, kBustDeadlineMs),
               "the next bust ends with the busted line");
  const std::vector<std::string> after = LinesFromUser(aol);
  checks.Check(after.size() == 8 &&
                   after[5].find("drelm attempting to bust: ") != std::string::npos &&
                   after[6].find("drelm attempting to bust: ") != std::string::npos,
               "the stopped bust posted its attempting line and no busted line");

  Click(FindLabel(FindMainWindow(program.Id()), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return checks.Finish();
}

}  // namespace drelm::e2e
