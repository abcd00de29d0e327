// End-to-end driver of drelm-idle.exe under Wine: runs one scenario against the real program
// (and the stand-in AOL client) and prints a line per check.
//
//   drelm_e2e.exe SCENARIO [--program=PATH] [--program-i686=PATH] [--click-sound=PATH]
//                 [--standin=PATH] [--work=FOLDER] [--screenshot-script=UNIX PATH]
//                 [--screenshots=UNIX FOLDER] [--figures=UNIX PATH]
//                 [--setup=PATH] [--setup-i686=PATH] [--version=X.Y.Z] [--floor]
//                 [--windows-version=win98|win2k|winxp|...]
//   SCENARIO: first-start | client | client-aol4 | tray | style-stats | aol-ops | aol-ops-aol4 |
//             room-buster | dcp | killers | away | kill-save (floor build) | figures | installer
// installer changes the user's Start menu and uninstall entries: run it only in a prefix of its
// own (installer_e2e.sh makes one). --floor says the program is the floor build, whose lookups
// answer as Windows 98 would; --windows-version has Wine report that Windows to the program.
// The programs default to the ones beside this driver; the work folder to one beside it.
#include <cstdio>
#include <string>
#include <string_view>

#include "e2e_scenarios.h"

namespace {

using drelm::e2e::E2eSetup;

bool TakeOption(std::string_view argument, std::string_view name, std::string& into) {
  const std::string prefix = "--" + std::string(name) + "=";
  if (argument.substr(0, prefix.size()) != prefix) return false;
  into = std::string(argument.substr(prefix.size()));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace drelm::e2e;
  E2eSetup setup;
  const std::string here = FolderOfThisProgram();
  setup.programExe = JoinPath(here, "drelm-idle.exe");
  setup.standInExe = JoinPath(here, "aol-standin.exe");
  setup.workFolder = JoinPath(here, "e2e-runs");
  std::string scenario;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (TakeOption(argument, "program", setup.programExe) ||
        TakeOption(argument, "program-i686", setup.programExeI686) ||
        TakeOption(argument, "click-sound", setup.clickSound) ||
        TakeOption(argument, "standin", setup.standInExe) ||
        TakeOption(argument, "work", setup.workFolder) ||
        TakeOption(argument, "screenshot-script", setup.screenshotScript) ||
        TakeOption(argument, "screenshots", setup.screenshotFolder) ||
        TakeOption(argument, "figures", setup.figuresFile) ||
        TakeOption(argument, "setup", setup.setupExe) ||
        TakeOption(argument, "setup-i686", setup.setupExeI686) ||
        TakeOption(argument, "version", setup.version) ||
        TakeOption(argument, "windows-version", setup.windowsVersion)) {
      continue;
    }
    if (argument == "--floor") {
      setup.floor = true;
      continue;
    }
    if (scenario.empty() && argument.substr(0, 2) != "--") {
      scenario = argument;
      continue;
    }
    std::fprintf(stderr, "unknown argument: %s\n", argv[i]);
    return 2;
  }
  if (setup.screenshotScript.empty()) setup.screenshotFolder.clear();
  const WineVersionForProgram reported(setup.windowsVersion);
  if (scenario == "first-start") return FirstStartScenario(setup);
  // AOL 6 with the Windows 2000 answer sends the quick way; AOL 4 without it the careful way.
  if (scenario == "client") return ClientScenario(setup, 6, "true", true);
  if (scenario == "client-aol4") return ClientScenario(setup, 4, "false", false);
  if (scenario == "tray") return TrayScenario(setup);
  if (scenario == "style-stats") return StyleStatsScenario(setup);
  // AOL 4 wants the keyword box typed the other way round: its version comes from the program file.
  if (scenario == "aol-ops") return AolOpsScenario(setup, 6);
  if (scenario == "aol-ops-aol4") return AolOpsScenario(setup, 4);
  if (scenario == "room-buster") return RoomBusterScenario(setup);
  if (scenario == "dcp") return DcpScenario(setup);
  if (scenario == "killers") return KillersScenario(setup);
  if (scenario == "away") return AwayScenario(setup);
  if (scenario == "kill-save") return KillSaveScenario(setup);
  if (scenario == "figures") return FiguresRun(setup);
  if (scenario == "installer") return InstallerScenario(setup);
  std::fprintf(stderr,
               "usage: drelm_e2e "
               "first-start|client|client-aol4|tray|style-stats|aol-ops|aol-ops-aol4|room-buster|"
               "dcp|killers|away|kill-save|figures|installer "
               "[--option=value...]\n");
  return 2;
}
