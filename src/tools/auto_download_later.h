// Auto download later: the mails of AOL's "Incoming/Saved Mail" listed into frmAutoDL, then walked
// in AOL's mail reader, each mail's file marked for download later, with the start and the end
// announced in the chat room. From the walk's start until the dialogs it brought are answered
// (or a bound passes), and only then, Timer1 presses the first button of a standard dialog of
// the AOL client's own process, one per tick.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "aol/aol_context.h"
#include "core/event_runtime.h"
#include "core/wiring.h"
#include "tools/frm_auto_dl.h"

namespace drelm {

struct AutoDownloadLaterContext {
  AolContext aol;
  EventEntry& entry;
  FrmAutoDL& frmAutoDL;
  Form& frmMain;
  std::function<void(std::string_view)> sendChat;
  std::function<void()> click;
  // Pops up the "autodl" menu at the mouse.
  std::function<void()> popupAutoDlMenu;
  // The "your done!" box, OK only, under the program's title.
  std::function<void()> showDone;
};

class AutoDownloadLater {
 public:
  AutoDownloadLater(AutoDownloadLaterContext context, Wiring& wiring);

  // Fills list from the open mailbox and runs the download run; without a mailbox, nothing.
  void ListIncomingMail(ListBox& list);
  void DownloadLaterRun();
  bool RunInProgress() const { return running_; }

  // "other options" > "auto download later": the window in place of the main window, so that its
  // "start process" is within reach (the "autodl" menu pops up from there only).
  void cmdAutoDLLater_Click();

  void Label1_Click();
  void Label4_Click();
  void Label5_Click();
  void lblDragMe_MouseDown();
  void Timer1_Timer();

  Timer Timer1;

 private:
  AutoDownloadLaterContext c_;
  bool running_ = false;
  // Timer1 answers dialogs: from the walk's start until none came for a while after its end.
  bool pressing_ = false;
  std::uint64_t walkEndedMs_ = 0;
  std::uint64_t lastDialogMs_ = 0;
  // The first item of lstMails that this run listed (earlier uses' items stay before it).
  std::size_t firstOfRun_ = 0;
};

}  // namespace drelm
