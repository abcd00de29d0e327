// The start-up sequence, run when the main window loads. Every step stands alone: a step that
// fails is logged with what was given up and skipped, and the next one runs. Only the end of the
// program (ProgramEnded, which is not a std::exception) stops the sequence, as it stops
// everything.
#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "aol/window_lookup.h"
#include "core/files.h"
#include "core/list_box_files.h"
#include "core/own_windows.h"
#include "idle/idle_time_text.h"
#include "options/stats_lines.h"
#include "options/stored_options.h"
#include "program/frm_main.h"
#include "program/startup_step.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr const char* kWin2kQuestion =
    "READ THIS PLEASE<>IT WONT BE ASKED AGAIN\r"
    "if you are using windows 2k please enter 'yes'";

}  // namespace

void StartUpStep(StatusLog& log, std::string_view givenUp, const std::function<void()>& body) {
  try {
    body();
  } catch (const std::exception& error) {
    // The start-up goes on with its next step whatever one step met, but says what is missing.
    try {
      log.WriteLog("start-up skipped " + std::string(givenUp) + ": " + error.what());
    } catch (const std::exception&) {
    }
  }
}

void FrmMain::RunStartUp() {
  FrmMainContext& p = c_;
  SettingsStore& store = p.store;
  DrelmGlobals& g = p.globals;
  WindowSystem& windows = p.platform.windows;
  const auto step = [&](std::string_view givenUp, const std::function<void()>& body) {
    StartUpStep(p.log, givenUp, body);
  };

  step("the title", [&] { p.appTitle = kAppTitle; });
  step("the reset of the counters", [&] {
    g.ReconnectCount = 0;
    g.IntervalCount = 0;
    Timer3.SetEnabled(false);
  });
  step("showing the main window", [&] {
    loaded = true;
    Show();
  });

  step("the Windows 2000 question", [&] {
    if (!store.Read(setting::kOss).empty()) return;
    const std::string answer = p.platform.user.InputBox(kWin2kQuestion, p.appTitle, "");
    store.Write(setting::kOss, LowerAnsi(answer) == "yes" ? "true" : "false");
  });
  step("the chat sending mode",
       [&] { g.Win2kMode = LowerAnsi(store.Read(setting::kOss)) == "true" ? "two" : "one"; });

  step("the first-start defaults", [&] {
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
      step("the default " + std::string(key->section) + "/" + std::string(key->key),
           [&] { store.Write(*key, *key->firstStart); });
      ++written;
    }
  });

  step("the automatic idle count", [&] { g.AutoIdleCount = "0"; });
  step("the loading pause", [&] {
    SetStatus("loading settings");
    PauseSeconds(1);
  });

  step("the chat style", [&] {
    g.UserHandle = store.Read(setting::kHandle);
    g.LeftAscii = store.Read(setting::kLeftAscii);
    g.RightAscii = store.Read(setting::kRightAscii);
    g.AsciiFont = store.Read(setting::kAsciiFont);
    g.MainFont = store.Read(setting::kMainFont);
    g.AsciiColor = store.Read(setting::kAsciiColor);
    g.MainColor = store.Read(setting::kMainColor);
  });
  step("the menu captions", [&] {
    const std::string aim = store.Read(setting::kAim);
    ApplyStyleCaptions(p.options, {g.UserHandle, g.LeftAscii, g.RightAscii, g.AsciiFont, g.MainFont,
                                   g.AsciiColor, g.MainColor, aim});
  });

  step("the reasons list", [&] {
    // Filling the reasons list is the reasons window's first use, which loads it.
    p.reasons.Form_Load();
    Files& files = p.platform.files;
    const std::string reasons = PathInFolder(p.platform.programFolder, kReasonsFileName);
    if (FileExists(files, reasons))
      LoadListFromFile(p.platform.loop, files, reasons, p.reasons.lstRe);
  });

  bool aolRuns = false;
  step("looking for AOL", [&] { aolRuns = FindAolMainWindow(windows) != 0; });
  if (aolRuns) {
    step("the update check", [&] {
      SetStatus("checking for updates");
      PauseSeconds(1);
      SetStatus("none found");
      PauseSeconds(1);
    });
    step("staying on top", [&] {
      onTop = true;
      StayOnTop(windows, window);
    });
    std::string version, uptime, record, nextLoads;
    step("the AOL version", [&] { version = AolVersion(windows); });
    step("the uptime", [&] { uptime = UptimeText(p.platform.clock); });
    step("the uptime record",
         [&] { record = DurationText(LeadingNumber(store.Read(setting::kCount))); });
    step("the start count",
         [&] { nextLoads = std::to_string(LeadingNumber(store.Read(setting::kLoads)) + 1); });
    step("the log reset", [&] {
      SetStatus("deleting log");
      PauseSeconds(1);
      p.log.ResetLog();
    });
    step("the log entry", [&] { p.log.WriteLog("drelm - version one loaded."); });
    step("the advert line", [&] {
      SetStatus("advertising");
      p.chat.SendAdvertLine();
      PauseSeconds(1);
    });
    step("the user line", [&] {
      p.chat.SendChat(LoadsLine(g, version, nextLoads));
      PauseSeconds(1);
    });
    step("the uptime line", [&] { p.chat.SendChat(UptimeLine(g, uptime, record)); });
    step("the status", [&] { SetStatus("idle"); });
  }

  step("staying on top", [&] {
    onTop = true;
    StayOnTop(windows, window);
  });

  std::string loads;
  step("counting the start", [&] {
    loads = std::to_string(LeadingNumber(store.Read(setting::kLoads)) + 1);
    store.Write(setting::kLoads, loads);
  });
  step("the stored options", [&] { g.IdleInterval = ApplyStoredOptions(p.options, store, loads); });
}

}  // namespace drelm
