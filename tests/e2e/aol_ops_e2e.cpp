// The AOL commands of the options menu on real windows beside the stand-in AOL client, run by
// command id as an automation script sends them: IMs off and on go out as IMs through the
// keyword box, ghost on and off walk the Buddy List and the privacy preferences and confirm AOL's
// box, "aol wait" reaches AOL's main window as Escape; idling as the away bot, an incoming IM is
// answered through the keyword box; auto download later is reached from the options menu and
// answers AOL's box after marking a mail's file.
#include "core/files.h"
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"
#include "standin/script_protocol.h"

namespace drelm::e2e {

namespace {

// Ghost waits for two windows and a box, each up to a few seconds under Wine.
constexpr DWORD kAolOperationDeadlineMs = 20000;
constexpr const char* kAppTitle = "drelm idle";

}  // namespace

int AolOpsScenario(const E2eSetup& setup, int aolVersion) {
  Checks checks;
  // The message-box kill off, so that only the auto-download-later presser answers AOL's box
  // after "Download Later".
  checks.Check(ClearStoredSettings() && StoreReturningUser("true") &&
                   WriteStored("custom settings", "idletype", "afk") &&
                   WriteStored("settings", "afkrea", "gone fishing") &&
                   WriteStored("settings", "killtltc", "off"),
               "a returning user's settings are stored, idling as the away bot");
  ChildProcess aol, program;
  if (!checks.Check(!StartBesideStandIn(setup, "aol-ops-" + std::to_string(aolVersion), aolVersion,
                                        aol, program)
                         .empty(),
                    "the stand-in AOL " + std::to_string(aolVersion) +
                        " client is signed on in its room and drelm-idle.exe starts")) {
    return checks.Finish();
  }
  checks.Check(StartUpEnded(aol), "the start-up runs to its end");
  const HWND options = FindOptionsWindow(program.Id());
  const auto after = [&](const char* item, const std::function<bool()>& done) {
    RunCommand(options, item);
    return WaitFor(done, kAolOperationDeadlineMs);
  };

  checks.Check(after("cmdIMSoff", [&] { return StandInStateIs(aol, "ims-on", "0"); }) &&
                   after("cmdIMSon", [&] { return StandInStateIs(aol, "ims-on", "1"); }) &&
                   StandInRows(aol, "im-switches") == "$IM_OFF\tdrelm idle|$IM_ON\tdrelm idle",
               "im's off and on go out as IMs of \"drelm idle\" to \"$IM_OFF\" and \"$IM_ON\"");
  checks.Check(after("cmdGhostOn",
                     [&] {
                       return StandInStateIs(aol, "privacy", "invisible") &&
                              StandInStateIs(aol, "boxes-dismissed", "1");
                     }) &&
                   after("cmdGhostOff",
                         [&] {
                           return StandInStateIs(aol, "privacy", "visible") &&
                                  StandInStateIs(aol, "boxes-dismissed", "2");
                         }),
               "ghost on and off: the privacy preferences saved and AOL's box confirmed each time");
  checks.Check(after("cmdAOLWait", [&] { return StandInStateIs(aol, "escapes", "1"); }),
               "aol wait: Escape reaches AOL's main window");
  RunCommand(options, "cmdStartIdle");
  aol.Command("receive-im\tSome One\thello?");
  checks.Check(WaitFor([&] { return StandInRows(aol, "ims-sent") == "some one\tgone fishing"; },
                       kAolOperationDeadlineMs),
               "idling as the away bot, an IM from \"Some One\" is answered with the reason");
  checks.Check(StandInRows(aol, "keywords") ==
                   "aol://9293:$IM_OFF|aol://9293:$IM_ON|buddylist|buddylist|aol://9293:some one",
               "the keyword box ran every keyword as typed");
  checks.Detail("keywords: " + StandInRows(aol, "keywords"));
  // "start flashmail dl" walks the client's real toolbar pop-up menu into the mailbox, reads its
  // list across the processes and marks the mail's file for later; the walk ends in our own box.
  aol.Command("incoming-mail\t01/02/03\tann\tpictures \xB7 2\tpics.zip");
  RunCommand(options, "cmdAutoDLLater");
  HWND autoDL = nullptr;
  checks.Check(WaitFor(
                   [&] {
                     autoDL = FindProgramWindow(program.Id(), "DrelmIdleAutoDL", nullptr);
                     return autoDL && IsWindowVisible(autoDL) &&
                            !IsWindowVisible(FindMainWindow(program.Id()));
                   },
                   kWindowDeadlineMs),
               "\"auto download later\" shows its window in place of the main window");
  RunCommand(options, "cmdStartDL");
  HWND done = nullptr;
  checks.Check(
      WaitFor(
          [&] { return (done = FindProgramWindow(program.Id(), "#32770", kAppTitle)) != nullptr; },
          kAolOperationDeadlineMs) &&
          StandInRows(aol, "download-later") == "pics.zip",
      "start flashmail dl reaches the mailbox through the toolbar's menu and marks its "
      "file for later");
  checks.Detail("menu picks: " + StandInRows(aol, "menu-picks") +
                "; marked for later: " + StandInRows(aol, "download-later"));
  const HWND mails = GetDlgItem(FindProgramWindow(program.Id(), "DrelmIdleAutoDL", nullptr), 550);
  checks.Check(
      SendMessageA(mails, LB_GETCOUNT, 0, 0) == 1 && ListItem(mails, 0) == "pictures \xB7 2",
      "the mail's subject is listed byte for byte");
  checks.Check(
      WaitFor([&] { return StandInStateIs(aol, "boxes-dismissed", "3"); }, kAolOperationDeadlineMs),
      "AOL's box after \"Download Later\" is answered by the dialog presser");
  if (done) Click(GetDlgItem(done, IDOK));
  Click(GetDlgItem(autoDL, 543));  // "x": the main window back
  checks.Check(StandInRows(aol, "strays").empty(), "the client saw no input it did not expect");
  checks.Detail("strays: " + StandInRows(aol, "strays"));

  checks.Check(EndByX(program, aol), "clicking \"x\" ends the program");
  return checks.Finish();
}

}  // namespace drelm::e2e
