#include "bench_desk.h"

#include "core/settings_catalogue.h"

namespace drelm::bench {

Desk::Desk(standin::StandInOptions options, const std::function<void(SettingsStore&)>& settings) {
  SettingsStore store(sim.registry);
  for (const SettingKey* key : FirstStartDefaults()) store.Write(*key, *key->firstStart);
  store.Write(setting::kOss, "false");
  if (settings) settings(store);
  aol = std::make_unique<standin::SimStandIn>(sim, std::move(options));
  aol->StartSignedOn("Lobby 12");
  program = std::make_unique<Program>(sim.MakePlatform(folder.path()));
  program->Start();
}

std::vector<std::string> Desk::UserLines() const {
  std::vector<std::string> lines;
  for (const standin::ChatLine& line : aol->Transcript()) {
    if (line.sender == aol->Client().ScreenName()) lines.push_back(line.text);
  }
  return lines;
}

}  // namespace drelm::bench
