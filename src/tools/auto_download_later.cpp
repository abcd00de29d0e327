#include "tools/auto_download_later.h"

#include "aol/mail_reader.h"
#include "aol/mailbox.h"
#include "core/own_windows.h"
#include "core/pause.h"
#include "core/timeouts.h"

namespace drelm {

AutoDownloadLater::AutoDownloadLater(AutoDownloadLaterContext context, Wiring& wiring)
    : Timer1(context.aol.loop, context.entry, "frmAutoDL.Timer1", timeouts::kDialogPresserMs,
             false),
      c_(std::move(context)) {
  wiring.OnTick(Timer1, [this] { Timer1_Timer(); });
  wiring.OnMenu("cmdAutoDLLater", [this] { cmdAutoDLLater_Click(); });
}

void AutoDownloadLater::cmdAutoDLLater_Click() {
  c_.frmAutoDL.Show();
  c_.frmMain.Hide();
}

void AutoDownloadLater::ListIncomingMail(ListBox& list) {
  // A second start while the walk runs would walk the reader twice at once.
  if (running_) return;
  AolContext& aol = c_.aol;
  const Hwnd mailbox = FindIncomingMail(aol.windows);
  if (mailbox == 0) return;
  firstOfRun_ = list.items.size();
  for (const std::string& line : MailboxLines(aol.windows, mailbox)) {
    aol.loop.PumpPending();
    list.items.push_back(MailboxSubject(line));
  }
  MinimizeIncomingMail(aol.windows);
  c_.frmAutoDL.lblStatus.caption = "ready to start process";
  c_.sendChat("starting auto download later process");
  Pause(aol.clock, aol.loop, 1);
  DownloadLaterRun();
}

void AutoDownloadLater::DownloadLaterRun() {
  AolContext& aol = c_.aol;
  ListBox& list = c_.frmAutoDL.lstMails;
  // Nothing listed, nothing to open: the run ends without its completion messages.
  if (list.items.size() <= firstOfRun_) return;
  running_ = true;
  pressing_ = true;
  Timer1.SetEnabled(true);
  OpenFirstMail(aol.windows);
  // One pass a mail of this listing, the list's selection following the walk; the run is complete
  // after the last of them.
  for (std::size_t i = firstOfRun_; i < list.items.size() && !aol.loop.QuitRequested(); ++i) {
    list.selected = static_cast<int>(i);
    aol.loop.PumpPending();
    DownloadLaterAndNext(aol.windows);
  }
  aol.loop.PumpPending();
  running_ = false;
  // The walk did not wait for the dialogs its presses bring: the presser goes on answering them.
  walkEndedMs_ = lastDialogMs_ = aol.clock.MonotonicMs();
  if (aol.loop.QuitRequested()) return;
  c_.frmAutoDL.lblStatus.caption = "download process complete!";
  c_.sendChat("auto download later process complete");
  Pause(aol.clock, aol.loop, 1);
  c_.frmAutoDL.lblStatus.caption = "idle";
  c_.showDone();
}

void AutoDownloadLater::Timer1_Timer() {
  if (!pressing_) return;
  AolContext& aol = c_.aol;
  const std::uint64_t now = aol.clock.MonotonicMs();
  if (PressAolDialogButton(aol.windows)) lastDialogMs_ = now;
  if (running_) return;
  const bool quiet = now - lastDialogMs_ >= timeouts::kLaterDialogsQuietMs;
  if (!quiet && now - walkEndedMs_ < timeouts::kLaterDialogsMs) return;
  if (!quiet) aol.log.WriteLog("gave up answering aol's dialogs");
  pressing_ = false;
  Timer1.SetEnabled(false);
}

void AutoDownloadLater::Label1_Click() {
  c_.popupAutoDlMenu();
}

void AutoDownloadLater::Label4_Click() {
  c_.frmAutoDL.state = WindowState::kMinimized;
}

void AutoDownloadLater::Label5_Click() {
  c_.frmMain.Show();
  c_.frmAutoDL.Hide();
}

void AutoDownloadLater::lblDragMe_MouseDown() {
  c_.click();
  DragForm(c_.aol.windows, c_.frmAutoDL.window);
}

}  // namespace drelm
