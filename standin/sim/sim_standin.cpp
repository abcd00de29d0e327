#include "standin/sim/sim_standin.h"

#include <string>

#include "standin/toolbar.h"

namespace drelm::standin {

SimStandIn::SimStandIn(sim::Simulator& simulator, StandInOptions options)
    : SimHostHolder(simulator), StandIn(host, std::move(options)) {
  sim::SimShell& shell = simulator.shell;
  // The real client's program file carries its version, as aol-standin-<n>.exe does.
  shell.SetFileVersion(ExePath(), std::to_string(Version()) + ".0.0.0");
  shell.RegisterLauncher(ExePath(), [this, &shell] {
    const int showCmd = shell.Started().empty() ? 1 : shell.Started().back().showCmd;
    Launch(showCmd);
  });
}

std::vector<std::string> SimStandIn::UnexpectedInput() const {
  std::vector<std::string> all = Strays();
  if (Client().Tools().MenuOpen()) all.push_back("a pop-up menu of the toolbar was left open");
  for (std::string& line : host.InputToMissingWindows()) {
    all.push_back("input to a missing window: " + line);
  }
  return all;
}

}  // namespace drelm::standin
