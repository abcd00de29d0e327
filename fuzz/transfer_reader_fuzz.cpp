// The transfer texts as the reader takes them from AOL's windows: a download window, an AOL 7
// upload window and an older client's upload box, every caption and static from the input, and
// the stored length names are shortened to (any text: the store holds what was typed).
#include "aol/transfer_reader.h"
#include "core/settings_catalogue.h"
#include "fuzz_input.h"
#include "platform/sim/simulator.h"

namespace {

using namespace drelm;

// One desktop for the whole run (building it is most of an input's time); every input sets all
// of its texts afresh.
struct Desktop {
  Desktop() {
    auto& w = sim.windows;
    const Hwnd mdi = w.CreateWindow("MDIClient", "", w.CreateWindow("AOL Frame25", "AOL"));
    const Hwnd download = w.CreateWindow("AOL Child", "", mdi);
    w.CreateWindow("_AOL_Gauge", "", download);
    const Hwnd upload7 = w.CreateWindow("AOL Child", "", mdi);
    const Hwnd modal = w.CreateWindow("_AOL_Modal", "");
    for (Hwnd window : {download, upload7, modal}) {
      texts.push_back(window);
      texts.push_back(w.CreateWindow("_AOL_Static", "", window));
      texts.push_back(w.CreateWindow("_AOL_Static", "", window));
    }
  }

  sim::Simulator sim;
  std::vector<Hwnd> texts;  // the captions and statics, in the order of the input's texts
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Desktop desktop;
  desktop.sim.windows.ClearLog();  // it keeps every message, and would grow for the whole run
  const std::vector<std::string> f = fuzz::Fields(data, size, 11);
  for (std::size_t i = 0; i < desktop.texts.size(); ++i) {
    desktop.sim.windows.SetText(desktop.texts[i], f[i]);
  }
  SettingsStore store(desktop.sim.registry);
  store.Write(setting::kShortenUlDlLength, f[9]);
  DrelmGlobals values;
  TransferReader reader(TransferReaderContext{desktop.sim.windows, desktop.sim.loop, store, values,
                                              [&f] { return !f[10].empty(); }});
  reader.Refresh();
  for (const std::string& text :
       {reader.ReadUlTimeLeft7(), reader.ReadUlPercent7(), reader.ReadUlFileName7(),
        reader.ReadUlPercentModalDash(), values.DlTimeLeft, values.DlPercent, values.DlFileName,
        values.UlTimeLeft, values.UlPercent, values.UlFileName}) {
    FUZZ_CHECK(text.size() <= size + 20);
  }
  FUZZ_CHECK(values.TransferKind == "none" || values.TransferKind == "dl" ||
             values.TransferKind == "ul");
  return 0;
}
