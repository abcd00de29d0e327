// The AOL commands of the options menu on real windows beside the stand-in AOL client, run by
// command id as an automation script sends them: IMs off and on go out as IMs through the
// keyword box, ghost on and off walk the Buddy List and the privacy preferences and confirm AOL's
// box, "aol wait" reaches AOL's main window as Escape; idling as the away bot, an incoming IM is
// answered through the keyword box; auto download later is reached from the options menu and
// answers AOL's box after marking a mail's file.
#include "scenario.h"

namespace drelm::e2e {

int AolOpsScenario(const E2eSetup& setup, int aolVersion) {
  // Ghost waits for two windows and a box, each up to a few seconds under Wine.
  constexpr DWORD kOpMs = 20000;
  // The message-box kill off, so that only the auto-download-later presser answers AOL's box
  // after "Download Later".
  Scenario s(setup, "aol-ops-" + std::to_string(aolVersion),
             {{"custom settings", "idletype", "afk"},
              {"settings", "afkrea", "gone fishing"},
              {"settings", "killtltc", "off"}});
  if (!s.Start(aolVersion) || !s.StartUpEnds()) return s.Finish();
  const auto both = [](Expect a, Expect b) { return [a, b] { return a() && b(); }; };
  HWND autoDL = nullptr;
  s.Run(
      {{Menu("cmdIMSoff"), s.AolState("ims-on", "0"), "im's off", kOpMs},
       {Menu("cmdIMSon"), s.AolState("ims-on", "1"), "im's on", kOpMs},
       {{},
        s.AolRows("im-switches", "$IM_OFF\tdrelm idle|$IM_ON\tdrelm idle"),
        "both go out as IMs of \"drelm idle\" to \"$IM_OFF\" and \"$IM_ON\""},
       {Menu("cmdGhostOn"),
        both(s.AolState("privacy", "invisible"), s.AolState("boxes-dismissed", "1")),
        "ghost on: the privacy preferences saved and AOL's box confirmed", kOpMs},
       {Menu("cmdGhostOff"),
        both(s.AolState("privacy", "visible"), s.AolState("boxes-dismissed", "2")),
        "ghost off: the same", kOpMs},
       {Menu("cmdAOLWait"), s.AolState("escapes", "1"),
        "aol wait: Escape reaches AOL's main window", kOpMs},
       {Menu("cmdStartIdle"), {}, "idling as the away bot"},
       {Aol("receive-im\tSome One\thello?"), s.AolRows("ims-sent", "some one\tgone fishing"),
        "an IM from \"Some One\" is answered with the reason", kOpMs},
       {{},
        s.AolRows("keywords",
                  "aol://9293:$IM_OFF|aol://9293:$IM_ON|buddylist|buddylist|aol://9293:some one"),
        "the keyword box ran every keyword as typed"},
       // "start flashmail dl" walks the client's real toolbar pop-up menu into the mailbox,
       // reads its list across the processes and marks the mail's file for later; the walk
       // ends in our own box.
       {Aol("incoming-mail\t01/02/03\tann\tpictures \xB7 2\tpics.zip"), {}, "a mail comes in"},
       {Menu("cmdAutoDLLater"),
        [&] {
          autoDL = FindProgramWindow(s.id, "DrelmIdleAutoDL", nullptr);
          return autoDL && IsWindowVisible(autoDL) && !IsWindowVisible(FindMainWindow(s.id));
        },
        "\"auto download later\" shows its window in place of the main window"},
       {Menu("cmdStartDL"),
        both(
            [&] { return (s.window = FindProgramWindow(s.id, "#32770", "drelm idle")) != nullptr; },
            s.AolRows("download-later", "pics.zip")),
        "start flashmail dl reaches the mailbox through the toolbar's menu and marks its file "
        "for later",
        kOpMs},
       {{},
        [&] {
          const HWND mails = GetDlgItem(autoDL, 550);
          return SendMessageA(mails, LB_GETCOUNT, 0, 0) == 1 &&
                 ListItem(mails, 0) == "pictures \xB7 2";
        },
        "the mail's subject is listed byte for byte"},
       {{},
        s.AolState("boxes-dismissed", "3"),
        "AOL's box after \"Download Later\" is answered by the dialog presser",
        kOpMs},
       {Do([&] {
          Click(GetDlgItem(s.window, IDOK));
          Click(GetDlgItem(autoDL, 543));  // "x": the main window back
        }),
        s.AolRows("strays", ""), "the client saw no input it did not expect"}});
  s.Detail("keywords: " + StandInRows(s.aol, "keywords") + "; menu picks: " +
           StandInRows(s.aol, "menu-picks") + "; strays: " + StandInRows(s.aol, "strays"));
  s.ExitByX();
  return s.Finish();
}

}  // namespace drelm::e2e
