// The start-up sequence, run when the main window loads. Every step stands alone: a step that
// fails is skipped and the next one runs. Only the end of the program (ProgramEnded, which is not
// a std::exception) stops the sequence, as it stops everything.
#include <exception>

#include "aol/window_lookup.h"
#include "core/files.h"
#include "core/list_box_files.h"
#include "core/own_windows.h"
#include "idle/idle_time_text.h"
#include "options/stats_lines.h"
#include "options/stored_options.h"
#include "program/frm_main.h"
#include "program/program.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr const char* kWin2kQuestion =
    "READ THIS PLEASE<>IT WONT BE ASKED AGAIN\r"
    "if you are using windows 2k please enter 'yes'";

template <typename StepBody>
void Step(StepBody&& body) {
  try {
    body();
  } catch (const std::exception&) {
    // The start-up goes on with its next step whatever one step met.
  }
}

}  // namespace

void FrmMain::RunStartUp() {
  Program& p = program_;
  SettingsStore& store = p.store;
  DrelmGlobals& g = p.drelmglobals;
  WindowSystem& windows = p.platform.windows;

  Step([&] { p.appTitle = kAppTitle; });
  Step([&] {
    g.ReconnectCount = 0;
    g.IntervalCount = 0;
    Timer3.SetEnabled(false);
  });
  Step([&] {
    loaded = true;
    Show();
  });

  Step([&] {
    if (!store.Read(setting::kOss).empty()) return;
    const std::string answer = p.platform.user.InputBox(kWin2kQuestion, p.appTitle, "");
    store.Write(setting::kOss, LowerAnsi(answer) == "yes" ? "true" : "false");
  });
  Step([&] { g.Win2kMode = LowerAnsi(store.Read(setting::kOss)) == "true" ? "two" : "one"; });

  Step([&] {
    if (!store.Read(setting::kHandle).empty()) return;
    SetStatus("new user found");
    PauseSeconds(1);
    SetStatus("setting defaults");
    PauseSeconds(1);
    std::size_t written = 0;
    for (const SettingKey* key : FirstStartDefaults()) {
      if (written == kDefaultsBeforeFirstStartLog) {
        p.log.WriteLog("drelm idle v1 loaded for first time");
      }
      Step([&] { store.Write(*key, *key->firstStart); });
      ++written;
    }
  });

  Step([&] { g.AutoIdleCount = "0"; });
  Step([&] {
    SetStatus("loading settings");
    PauseSeconds(1);
  });

  Step([&] {
    g.UserHandle = store.Read(setting::kHandle);
    g.LeftAscii = store.Read(setting::kLeftAscii);
    g.RightAscii = store.Read(setting::kRightAscii);
    g.AsciiFont = store.Read(setting::kAsciiFont);
    g.MainFont = store.Read(setting::kMainFont);
    g.AsciiColor = store.Read(setting::kAsciiColor);
    g.MainColor = store.Read(setting::kMainColor);
  });
  Step([&] {
    const std::string aim = store.Read(setting::kAim);
    ApplyStyleCaptions(p.frmOptions, {g.UserHandle, g.LeftAscii, g.RightAscii, g.AsciiFont,
                                      g.MainFont, g.AsciiColor, g.MainColor, aim});
  });

  Step([&] {
    // Filling the reasons list is the reasons window's first use, which loads it.
    p.frmReasons.Form_Load();
    const auto reasons = p.platform.programFolder / kReasonsFileName;
    if (FileExists(reasons)) LoadListFromFile(p.platform.loop, reasons, p.frmReasons.lstRe);
  });

  bool aolRuns = false;
  Step([&] { aolRuns = FindAolMainWindow(windows) != 0; });
  if (aolRuns) {
    Step([&] {
      SetStatus("checking for updates");
      PauseSeconds(1);
      SetStatus("none found");
      PauseSeconds(1);
    });
    Step([&] {
      onTop = true;
      StayOnTop(windows, window);
    });
    std::string version, uptime, record, nextLoads;
    Step([&] { version = AolVersion(windows); });
    Step([&] { uptime = UptimeText(p.platform.clock); });
    Step([&] { record = DurationText(LeadingNumber(store.Read(setting::kCount))); });
    Step([&] { nextLoads = std::to_string(LeadingNumber(store.Read(setting::kLoads)) + 1); });
    Step([&] {
      SetStatus("deleting log");
      PauseSeconds(1);
      p.log.ResetLog();
    });
    Step([&] { p.log.WriteLog("drelm - version one loaded."); });
    Step([&] {
      SetStatus("advertising");
      p.chat.SendAdvertLine();
      PauseSeconds(1);
    });
    Step([&] {
      p.chat.SendChat(LoadsLine(g, version, nextLoads));
      PauseSeconds(1);
    });
    Step([&] { p.chat.SendChat(UptimeLine(g, uptime, record)); });
    Step([&] { SetStatus("idle"); });
  }

  Step([&] {
    onTop = true;
    StayOnTop(windows, window);
  });

  std::string loads;
  Step([&] {
    loads = std::to_string(LeadingNumber(store.Read(setting::kLoads)) + 1);
    store.Write(setting::kLoads, loads);
  });
  Step([&] { g.IdleInterval = ApplyStoredOptions(p.frmOptions, store, loads); });
}

}  // namespace drelm
