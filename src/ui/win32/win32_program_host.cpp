#include "ui/win32/win32_program_host.h"

#include <exception>
#include <limits>
#include <string>

namespace drelm::win32::view {

namespace {

constexpr std::uint64_t kNoDeadline = std::numeric_limits<std::uint64_t>::max();

// A fault no handler caught: nothing the user could act on, so it goes to the debugger's output
// and the program carries on, as every other failing step does.
void ReportFault(const char* what) {
  OutputDebugStringA((std::string("drelm idle: ") + what + "\n").c_str());
}

}  // namespace

ProgramHost::ProgramHost(const std::string& programFolder, HostReplacements replacements)
    : loop_(platform_.loop, [this] { RefreshViews(); }),
      user_(replacements.user ? *replacements.user : static_cast<User&>(platform_.user),
            [this] { RefreshViews(); }),
      program_(Platform{platform_.windows, loop_, platform_.clock,
                        replacements.registry ? *replacements.registry
                                              : static_cast<Registry&>(platform_.registry),
                        user_, platform_.shell, platform_.protection, platform_.files,
                        programFolder}),
      events_(program_.entry, platform_.loop, [this] { RefreshViews(); }) {
  options_ = std::make_unique<OptionsWindowView>(program_.frmOptions, events_);
  main_ = std::make_unique<MainWindowView>(program_.frmMain, events_, [this] { program_.End(0); });
  about_ = MakeAboutView(program_.frmAbout, events_);
  greetz_ = MakeGreetzView(program_.frmGreetz, events_);
  messages_ = MakeMessagesView(program_.frmAFKMessages, events_);
  message_ = MakeMessageView(program_.frmMsg, events_);
  reasons_ = MakeReasonsView(program_.frmReasons, events_);
  buster_ = MakeBusterView(program_.frmBuster, events_);
  runner_ = MakeRunnerView(program_.frmRunner, events_);
  autoDL_ = MakeAutoDLView(program_.frmAutoDL, program_.autoDownloadLater, events_);
  program_.frmMain.window = FromHwnd(main_->Window());
  // Dialogs and menus belong to the main window, so they stay above it while it is on top.
  platform_.user.SetOwner(FromHwnd(main_->Window()));
  // The icon belongs to the options window, which takes its mouse messages.
  platform_.shell.SetTrayOwner(FromHwnd(options_->Window()), kTrayCallbackMessage);
  viewsReady_ = true;
}

ProgramHost::~ProgramHost() {
  viewsReady_ = false;
  // The icon's window goes with the views, before the shell could take the icon away itself.
  platform_.shell.TrayDelete();
}

void ProgramHost::RefreshViews() {
  // Showing a window sends messages that may come back here; one pass at a time is enough.
  if (!viewsReady_ || refreshing_) return;
  refreshing_ = true;
  try {
    main_->Refresh();
    about_->Refresh();
    greetz_->Refresh();
    for (PanelFormView* panel : {messages_.get(), message_.get(), reasons_.get(), buster_.get(),
                                 runner_.get(), autoDL_.get()}) {
      panel->Refresh();
    }
    if (about_->Window()) program_.frmAbout.window = FromHwnd(about_->Window());
    if (greetz_->Window()) program_.frmGreetz.window = FromHwnd(greetz_->Window());
  } catch (const std::exception& error) {
    ReportFault(error.what());
  }
  refreshing_ = false;
}

int ProgramHost::Run() {
  try {
    program_.Start();
  } catch (const ProgramEnded&) {
    // The start-up was cut short by the end of the program.
  } catch (const std::exception& error) {
    ReportFault(error.what());
  }
  while (!loop_.QuitRequested()) {
    try {
      loop_.WaitForEvents(kNoDeadline);
    } catch (const ProgramEnded&) {
      // Ended from inside a nested handler; the loop has been asked to quit.
    } catch (const std::exception& error) {
      ReportFault(error.what());
    }
  }
  RefreshViews();
  return loop_.ExitCode();
}

}  // namespace drelm::win32::view
