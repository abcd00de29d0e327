// End-to-end driver of drelm-idle.exe under Wine: runs one scenario against the real program
// (and the stand-in AOL client) and prints a line per check.
//
//   drelm_e2e.exe SCENARIO [--floor] [--OPTION=VALUE...]
// with the scenarios and options of the tables below (paths are Windows paths or Unix ones).
// installer changes the user's Start menu and uninstall entries: run it only in a prefix of its
// own (installer_e2e.sh makes one). --floor says the program is the floor build, whose lookups
// answer as Windows 98 would; --windows-version has Wine report that Windows to the program.
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "scenario.h"

int main(int argc, char** argv) {
  using namespace drelm::e2e;
  E2eSetup setup;
  const std::pair<const char*, std::string*> options[] = {
      {"program", &setup.programExe},
      {"program-i686", &setup.programExeI686},
      {"click-sound", &setup.clickSound},
      {"standin", &setup.standInExe},
      {"work", &setup.workFolder},
      {"screenshot-script", &setup.screenshotScript},
      {"screenshots", &setup.screenshotFolder},
      {"figures", &setup.figuresFile},
      {"setup", &setup.setupExe},
      {"setup-i686", &setup.setupExeI686},
      {"version", &setup.version},
      {"windows-version", &setup.windowsVersion}};
  // AOL 6 with the Windows 2000 answer sends the quick way, AOL 4 without it the careful way;
  // AOL 4 wants the keyword box typed the other way round (its version comes from the program
  // file).
  const std::pair<const char*, std::function<int()>> scenarios[] = {
      {"first-start", [&] { return FirstStartScenario(setup); }},
      {"client", [&] { return ClientScenario(setup, 6, "true", true); }},
      {"client-aol4", [&] { return ClientScenario(setup, 4, "false", false); }},
      {"tray", [&] { return TrayScenario(setup); }},
      {"style-stats", [&] { return StyleStatsScenario(setup); }},
      {"aol-ops", [&] { return AolOpsScenario(setup, 6); }},
      {"aol-ops-aol4", [&] { return AolOpsScenario(setup, 4); }},
      {"dcp", [&] { return DcpScenario(setup); }},
      {"away", [&] { return AwayScenario(setup); }},
      {"kill-save", [&] { return KillSaveScenario(setup); }},
      {"figures", [&] { return FiguresRun(setup); }},
      {"installer", [&] { return InstallerScenario(setup); }}};
  std::string scenario;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    bool known = argument == "--floor";
    setup.floor = setup.floor || known;
    for (const auto& [name, into] : options) {
      const std::string prefix = "--" + std::string(name) + "=";
      if (!known && argument.starts_with(prefix)) {
        *into = std::string(argument.substr(prefix.size()));
        known = true;
      }
    }
    if (!known && scenario.empty() && !argument.starts_with("--")) {
      scenario = argument;
    } else if (!known) {
      std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
      return 2;
    }
  }
  if (setup.screenshotScript.empty()) setup.screenshotFolder.clear();
  const ScopedUserValue reported(WineAppDefaults("drelm-idle.exe"), "Version",
                                 setup.windowsVersion);
  for (const auto& [name, run] : scenarios) {
    if (scenario == name) return run();
  }
  std::fprintf(stderr, "usage: drelm_e2e SCENARIO [--option=value...]\n");
  return 2;
}
