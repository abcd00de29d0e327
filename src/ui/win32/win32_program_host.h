// One running drelm idle on the real desktop: the Win32 services, the program over them, and the
// real windows that show its models (main window, hidden options window, about and greetings
// windows, tray icon). Run() loads the main window (the start-up) and then waits on the message
// queue until the program ends; it returns the process's exit code.
#pragma once

#include <memory>
#include <string>

#include "platform/win32/win32_platform.h"
#include "program/program.h"
#include "ui/win32/win32_about_windows.h"
#include "ui/win32/win32_main_window.h"
#include "ui/win32/win32_options_window.h"
#include "ui/win32/win32_review_windows.h"
#include "ui/win32/win32_tool_windows.h"
#include "ui/win32/win32_view_events.h"
#include "ui/win32/win32_view_refresh.h"

namespace drelm::win32::view {

// Services that replace the real ones, for tests of the windows that must not touch the user's
// settings or wait for a person; null means the real one.
struct HostReplacements {
  Registry* registry = nullptr;
  User* user = nullptr;
};

class ProgramHost {
 public:
  // programFolder holds log.txt, drelm-reasons.tmp and add1.wav: the executable's folder.
  explicit ProgramHost(const std::string& programFolder, HostReplacements replacements = {});
  ~ProgramHost();
  ProgramHost(const ProgramHost&) = delete;
  ProgramHost& operator=(const ProgramHost&) = delete;

  int Run();

  Program& program() { return program_; }
  EventLoop& loop() { return loop_; }
  Win32Shell& shell() { return platform_.shell; }
  MainWindowView& mainWindow() { return *main_; }
  OptionsWindowView& optionsWindow() { return *options_; }

 private:
  void RefreshViews();

  Win32Platform platform_;
  RefreshingEventLoop loop_;
  RefreshingUser user_;
  Program program_;
  ViewEvents events_;
  std::unique_ptr<OptionsWindowView> options_;
  std::unique_ptr<MainWindowView> main_;
  std::unique_ptr<PlainFormView> about_;
  std::unique_ptr<PlainFormView> greetz_;
  std::unique_ptr<PanelFormView> messages_;
  std::unique_ptr<PanelFormView> message_;
  std::unique_ptr<PanelFormView> reasons_;
  std::unique_ptr<PanelFormView> buster_;
  std::unique_ptr<PanelFormView> runner_;
  std::unique_ptr<PanelFormView> autoDL_;
  bool viewsReady_ = false;
  bool refreshing_ = false;
};

}  // namespace drelm::win32::view
