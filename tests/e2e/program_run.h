// One run of drelm-idle.exe as the end-to-end scenarios set it up and judge it: where the
// programs and the outputs are, a fresh program folder per scenario, the settings of a returning
// user, the stand-in AOL client signed on in a room, and the lines and log entries to expect.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "platform/clock.h"

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

// A new folder named after the scenario with the program (and its click sound) copied in; the
// program's path inside it, empty when the copy failed.
std::string PrepareProgramFolder(const E2eSetup& setup, const std::string& scenario);

// Every first-start default and the Windows 2000 answer, as a user who started before has them.
bool StoreReturningUser(const std::string& oss);

// The local date and time, as the program stamps log entries.
LocalDateTime LocalNow();
// Whole seconds since Windows started, as the program counts them.
std::int64_t UptimeSecondsNow();

// Whether the log file holds exactly these entries in the log's layout, each stamped with one of
// the candidate times (the minutes the scenario ran through).
bool LogHolds(const std::string& log, const std::vector<std::string>& messages,
              const std::vector<LocalDateTime>& candidates);

// aol-standin-<version>.exe beside setup.standInExe: the copy whose version resource says it.
std::string StandInExeOfVersion(const E2eSetup& setup, int version);
// The stand-in AOL client of that version, signed on as kScreenName in kRoomName, scripted over
// pipes.
bool StartStandInInRoom(const E2eSetup& setup, ChildProcess& aol, int version);
// What the stand-in's room received from its own user (the program's lines), byte for byte.
std::vector<std::string> LinesFromUser(ChildProcess& aol);
// The program copied into the scenario's folder and started there, beside the stand-in AOL client
// of that version signed on in its room; the program's path, empty when a step failed.
std::string StartBesideStandIn(const E2eSetup& setup, const std::string& scenario, int aolVersion,
                               ChildProcess& aol, ChildProcess& program);
// A returning user's start-up beside the client ran to its end: the load counted and its three
// lines posted in the room.
bool StartUpEnded(ChildProcess& aol);
// Clicks the main window's "x" label and closes the stand-in; true when the program ended.
bool EndByX(ChildProcess& program, ChildProcess& aol);
// The stand-in's reply rows after the "ok <n>" line, joined by "|".
std::string StandInRows(ChildProcess& aol, const std::string& verb);
// Whether the stand-in's "state" holds name with that value.
bool StandInStateIs(ChildProcess& aol, const std::string& name, const std::string& value);

// The main window's labels joined by "|", for a failure's detail.
std::string DescribeLabels(DWORD processId);

}  // namespace drelm::e2e
