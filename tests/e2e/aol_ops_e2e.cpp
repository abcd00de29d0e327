// The AOL commands of the options menu on real windows beside the stand-in AOL client, run by
// command id as an automation script sends them: IMs off and on go out as IMs through the
// keyword box, ghost on and off walk the Buddy List and the privacy preferences and confirm AOL's
// box, "aol wait" reaches AOL's main window as Escape; idling as the away bot, an incoming IM is
// answered through the keyword box.
#include "core/files.h"
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"
#include "standin/script_protocol.h"

namespace drelm::e2e {

namespace {

// Ghost waits for two windows and a box, each up to a few seconds under Wine.
constexpr DWORD kAolOperationDeadlineMs = 20000;

// The stand-in's reply rows after the "ok <n>" line, joined by "|".
std::string Rows(ChildProcess& aol, const std::string& verb) {
  const std::vector<std::string> reply = aol.Command(verb);
  std::string rows;
  for (std::size_t i = 1; i < reply.size(); ++i) rows += (i > 1 ? "|" : "") + reply[i];
  return rows;
}

bool StateIs(ChildProcess& aol, const std::string& name, const std::string& value) {
  return ("|" + Rows(aol, "state") + "|").find("|" + name + "\t" + value + "|") !=
         std::string::npos;
}

}  // namespace

int AolOpsScenario(const E2eSetup& setup, int aolVersion) {
  Checks checks;
  checks.Check(ClearStoredSettings() && StoreReturningUser("true") &&
                   WriteStored("custom settings", "idletype", "afk") &&
                   WriteStored("settings", "afkrea", "gone fishing"),
               "a returning user's settings are stored, idling as the away bot");
  const std::string exe = PrepareProgramFolder(setup, "aol-ops-" + std::to_string(aolVersion));
  ChildProcess aol, program;
  if (!checks.Check(!exe.empty() && StartStandInInRoom(setup, aol, aolVersion) &&
                        program.Start(exe, {}, exe.substr(0, exe.find_last_of('\\')), false),
                    "the stand-in AOL " + std::to_string(aolVersion) +
                        " client is signed on in its room and drelm-idle.exe starts")) {
    return checks.Finish();
  }
  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs) &&
                   WaitFor([&] { return LinesFromUser(aol).size() == 3; }, kWindowDeadlineMs),
               "the start-up runs to its end");
  const HWND options = FindOptionsWindow(program.Id());
  const auto after = [&](const char* item, const std::function<bool()>& done) {
    RunCommand(options, item);
    return WaitFor(done, kAolOperationDeadlineMs);
  };

  checks.Check(after("cmdIMSoff", [&] { return StateIs(aol, "ims-on", "0"); }) &&
                   after("cmdIMSon", [&] { return StateIs(aol, "ims-on", "1"); }) &&
                   Rows(aol, "im-switches") == "$IM_OFF|$IM_ON",
               "im's off and on go out as IMs to \"$IM_OFF\" and \"$IM_ON\"");
  checks.Check(
      after("cmdGhostOn",
            [&] {
              return StateIs(aol, "privacy", "invisible") && StateIs(aol, "boxes-dismissed", "1");
            }) &&
          after("cmdGhostOff",
                [&] {
                  return StateIs(aol, "privacy", "visible") && StateIs(aol, "boxes-dismissed", "2");
                }),
      "ghost on and off: the privacy preferences saved and AOL's box confirmed each time");
  checks.Check(after("cmdAOLWait", [&] { return StateIs(aol, "escapes", "1"); }),
               "aol wait: Escape reaches AOL's main window");
  RunCommand(options, "cmdStartIdle");
  aol.Command("receive-im\tSome One\thello?");
  checks.Check(WaitFor([&] { return Rows(aol, "ims-sent") == "some one\tgone fishing"; },
                       kAolOperationDeadlineMs),
               "idling as the away bot, an IM from \"Some One\" is answered with the reason");
  checks.Check(Rows(aol, "keywords") ==
                   "aol://9293:$IM_OFF|aol://9293:$IM_ON|buddylist|buddylist|aol://9293:some one",
               "the keyword box ran every keyword as typed");
  checks.Detail("keywords: " + Rows(aol, "keywords"));
  checks.Check(Rows(aol, "strays").empty(), "the client saw no input it did not expect");
  checks.Detail("strays: " + Rows(aol, "strays"));

  Click(FindLabel(FindMainWindow(program.Id()), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return checks.Finish();
}

}  // namespace drelm::e2e
