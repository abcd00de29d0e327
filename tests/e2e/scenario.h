// The scenario language of the end-to-end tests. A scenario is one fresh program folder and one
// run of drelm-idle.exe (beside the stand-in AOL client signed on in its room, when it has one),
// and reads as a table of steps: what the user or the client does, what must then hold within
// the step's deadline, and the line the log prints for it. Room lines are written out byte for
// byte here, so that a fault in the product's styling cannot hide in the check.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/win32/win32_clock.h"
#include "program_windows.h"

namespace drelm::e2e {

struct E2eSetup {
  std::string programExe;        // drelm-idle.exe, x86_64
  std::string programExeI686;    // the i686 build's, when built
  std::string clickSound;        // add1.wav to put beside the program, when there is one
  std::string standInExe;        // aol-standin.exe
  std::string workFolder;        // each scenario's program folder goes under here
  std::string screenshotScript;  // Unix path of the script that writes a PNG
  std::string screenshotFolder;  // Unix path
  std::string figuresFile;       // Unix path of the measurements' report
  std::string setupExe;          // the setup program, x86_64
  std::string setupExeI686;      // the i686 one, for its size only
  std::string version;           // the version the setup programs install
  bool floor = false;            // the program is the floor build (answers as Windows 98)
  std::string windowsVersion;    // what Wine reports to the program ("win98"...), empty: its own
};

inline constexpr const char* kScreenName = "Bob Smith";
inline constexpr const char* kRoomName = "Lobby 12";

// A line as the default style dresses it: decorations in #336699 "arial narrow", text in #999999.
std::string Styled(const std::string& text);
// A value the default style shows in #336699 amid #999999 text.
std::string Lit(const std::string& value);
inline constexpr const char* kAdvertLine =
    "</u></i></b><font color=##336699><font face=\"arial narrow\">\x8B"
    "d\x9B <font color=##999999><font face=\"arial narrow\">drelm idle [1.1] by quoSt n' vrin "
    "<font color=##336699><font face=\"arial narrow\">\x8B"
    "d\x9B";

// Setting values as [section, key, value].
using Stored = std::vector<std::array<std::string, 3>>;

// Every first-start default and the Windows 2000 answer, as a user who started before has them.
bool StoreReturningUser(const std::string& oss);
// Whether the log holds exactly these entries in the log's layout, each stamped with since or
// now (the minutes the scenario ran through).
bool LogHolds(const std::string& log, const std::vector<std::string>& messages,
              const LocalDateTime& since);
// aol-standin-<version>.exe beside setup.standInExe: the copy whose version resource says it.
std::string StandInExeOfVersion(const E2eSetup& setup, int version);
// What the stand-in's room received from its own user (the program's lines), byte for byte.
std::vector<std::string> LinesFromUser(ChildProcess& aol);
// How many of the program's lines in the room hold part.
std::size_t LinesHolding(ChildProcess& aol, const std::string& part);
// The stand-in's reply rows after the "ok <n>" line, joined by "|".
std::string StandInRows(ChildProcess& aol, const std::string& verb);

class Scenario;
// What a step does first (none: nothing), to the scenario's program and client.
using Act = std::function<void(Scenario&)>;
using Expect = std::function<bool()>;

struct Step {
  Act act;
  Expect until;  // none: the act alone
  std::string what;
  DWORD deadlineMs = kWindowDeadlineMs;
};

class Scenario : public Checks {
 public:
  // Clears the settings, stores a returning user's with oss (null: none, a very first start)
  // and these values, and prepares the folder.
  Scenario(const E2eSetup& setup, const std::string& name, const Stored& values = {},
           const char* oss = "true");
  // Starts the program, beside the stand-in AOL client of that version (0: without one).
  bool Start(int aolVersion);
  // A returning user's start-up ran to its end: the load counted (loads), and with the client
  // its three lines posted (the lines NewLines compares start after them).
  bool StartUpEnds(const char* loads = "1");
  // Runs the steps in order; false when any failed.
  bool Run(const std::vector<Step>& steps);
  // The "x" label ends the program with exit code 0; the stand-in is closed.
  bool ExitByX();

  // Expectations.
  // The program has posted exactly this line into the room.
  Expect Line(const std::string& line);
  // The program's lines since the last NewLines step are exactly these.
  Expect NewLines(const std::vector<std::string>& lines);
  Expect StoredIs(std::string section, std::string key, std::string value) {
    return [=] { return StoredText(section, key) == value; };
  }
  // The stand-in's "state" holds name with that value.
  Expect AolState(const std::string& name, const std::string& value);
  Expect AolRows(std::string verb, std::string rows) {
    return [this, verb, rows] { return StandInRows(aol, verb) == rows; };
  }
  // A visible window of the program of that class and caption (null: any); kept in window.
  Expect Shown(const char* className, const char* caption = nullptr);

  std::string Path(const std::string& name) const { return JoinPath(folder, name); }

  const E2eSetup& setup;
  ChildProcess aol;
  ChildProcess program;
  std::string exe;
  std::string folder;
  DWORD id = 0;
  HWND window = nullptr;

 private:
  std::size_t seen_ = 0;
};

// A menu command by its item name (posted to the options window as automation sends it), one by
// its documented id, a stand-in script command, or anything.
inline Act Menu(std::string item) {
  return [item](Scenario& s) { RunCommand(FindOptionsWindow(s.id), item); };
}
inline Act CommandNo(int id) {
  return [id](Scenario& s) { PostMessageA(FindOptionsWindow(s.id), WM_COMMAND, id, 0); };
}
inline Act Aol(std::string command) {
  return [command](Scenario& s) { s.aol.Command(command); };
}
inline Act Do(std::function<void()> run) {
  return [run](Scenario&) { run(); };
}

// The scenarios; each returns the driver's exit code (0 when every check passed).
int FirstStartScenario(const E2eSetup& setup);
int ClientScenario(const E2eSetup& setup, int aolVersion, const std::string& oss, bool shots);
int TrayScenario(const E2eSetup& setup);
int StyleStatsScenario(const E2eSetup& setup);
int InstallerScenario(const E2eSetup& setup);
int AolOpsScenario(const E2eSetup& setup, int aolVersion);
int DcpScenario(const E2eSetup& setup);
int AwayScenario(const E2eSetup& setup);
int KillSaveScenario(const E2eSetup& setup);
int FiguresRun(const E2eSetup& setup);

}  // namespace drelm::e2e
