// The AOL commands of the options menu on real windows beside the stand-in AOL client, run by
// command id as an automation script sends them: IMs off and on go out as IMs through the
// keyword box and the "Send Instant Message" window, ghost on and off walk the Buddy List and the
// privacy preferences and confirm AOL's box, "aol wait" reaches AOL's main window as Escape; idling
// as the away bot, an incoming IM is answered through the keyword box.
#include <string>
#include <vector>

#include "core/files.h"
#include "e2e_scenarios.h"
#include "program_run.h"
#include "program_windows.h"
#include "standin/script_protocol.h"

namespace drelm::e2e {

namespace {

// Ghost waits for two windows and a box, each up to a few seconds under Wine.
constexpr DWORD kAolOperationDeadlineMs = 20000;

std::string StateOf(ChildProcess& aol, const std::string& name) {
  const std::vector<std::string> reply = aol.Command("state");
  for (std::size_t i = 1; i < reply.size(); ++i) {
    const std::vector<std::string> fields = standin::SplitCommand(reply[i]);
    if (fields.size() == 2 && fields[0] == name) return fields[1];
  }
  return {};
}

std::vector<std::string> ColumnOf(ChildProcess& aol, const std::string& verb) {
  const std::vector<std::string> reply = aol.Command(verb);
  std::vector<std::string> rows;
  for (std::size_t i = 1; i < reply.size(); ++i) rows.push_back(standin::SplitCommand(reply[i])[0]);
  return rows;
}

std::string Joined(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += (text.empty() ? "" : "|") + row;
  return text;
}

}  // namespace

int AolOpsScenario(const E2eSetup& setup, int aolVersion) {
  Checks checks;
  checks.Check(ClearStoredSettings() && StoreReturningUser("true") &&
                   WriteStored("custom settings", "idletype", "afk") &&
                   WriteStored("settings", "afkrea", "gone fishing"),
               "a returning user's settings are stored, idling as the away bot");
  const std::string exe = PrepareProgramFolder(setup, "aol-ops-" + std::to_string(aolVersion));
  if (!checks.Check(!exe.empty(), "a fresh program folder holds drelm-idle.exe")) {
    return checks.Finish();
  }
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  ChildProcess aol;
  if (!checks.Check(
          StartStandInInRoom(setup, aol, aolVersion),
          "the stand-in AOL " + std::to_string(aolVersion) + " client is signed on in its room")) {
    return checks.Finish();
  }
  ChildProcess program;
  if (!checks.Check(program.Start(exe, {}, folder, false), "drelm-idle.exe starts")) {
    return checks.Finish();
  }
  const DWORD id = program.Id();
  checks.Check(WaitFor([] { return StoredText("stats", "loads") == "1"; }, kStartUpDeadlineMs) &&
                   WaitFor([&] { return LinesFromUser(aol).size() == 3; }, kWindowDeadlineMs),
               "the start-up runs to its end");
  const HWND options = FindOptionsWindow(id);

  RunCommand(options, "cmdIMSoff");
  checks.Check(WaitFor([&] { return StateOf(aol, "ims-on") == "0"; }, kAolOperationDeadlineMs),
               "im's off: the client takes IMs no more");
  RunCommand(options, "cmdIMSon");
  checks.Check(WaitFor([&] { return StateOf(aol, "ims-on") == "1"; }, kAolOperationDeadlineMs),
               "im's on: the client takes IMs again");
  checks.Check(ColumnOf(aol, "im-switches") == std::vector<std::string>{"$IM_OFF", "$IM_ON"},
               "both went out as IMs to \"$IM_OFF\" and \"$IM_ON\"");
  checks.Detail("im switches: " + Joined(ColumnOf(aol, "im-switches")));

  RunCommand(options, "cmdGhostOn");
  checks.Check(
      WaitFor([&] { return StateOf(aol, "privacy") == "invisible"; }, kAolOperationDeadlineMs) &&
          WaitFor([&] { return StateOf(aol, "boxes-dismissed") == "1"; }, kWindowDeadlineMs),
      "ghost on: the privacy preferences saved as invisible and AOL's box confirmed");
  RunCommand(options, "cmdGhostOff");
  checks.Check(
      WaitFor([&] { return StateOf(aol, "privacy") == "visible"; }, kAolOperationDeadlineMs) &&
          WaitFor([&] { return StateOf(aol, "boxes-dismissed") == "2"; }, kWindowDeadlineMs),
      "ghost off: visible again, confirmed");

  RunCommand(options, "cmdAOLWait");
  checks.Check(WaitFor([&] { return StateOf(aol, "escapes") == "1"; }, kWindowDeadlineMs),
               "aol wait: Escape reaches AOL's main window");

  const std::vector<std::string> keywords = ColumnOf(aol, "keywords");
  checks.Check(keywords == std::vector<std::string>{"aol://9293:$IM_OFF", "aol://9293:$IM_ON",
                                                    "buddylist", "buddylist"},
               "the keyword box ran the two IM keywords and \"buddylist\" twice, as typed");
  checks.Detail("keywords: " + Joined(keywords));

  // The away bot answers an incoming IM through the keyword box and its own IM window.
  RunCommand(options, "cmdStartIdle");
  aol.Command("receive-im\tSome One\thello?");
  const auto answered = [&] {
    const std::vector<std::string> reply = aol.Command("ims-sent");
    return reply.size() == 2 && reply[1] == "some one\tgone fishing";
  };
  checks.Check(WaitFor(answered, kAolOperationDeadlineMs),
               "idling as the away bot, an IM from \"Some One\" is answered with the reason");
  checks.Detail("ims sent: " + Joined(aol.Command("ims-sent")));

  checks.Check(ColumnOf(aol, "strays").empty(), "the client saw no input it did not expect");
  checks.Detail("strays: " + Joined(ColumnOf(aol, "strays")));

  const std::string log =
      ReadWholeFile(JoinPath(folder, std::string(kLogFileName))).value_or("(no log.txt)");
  bool logged = true;
  for (const char* message : {"im's off", "im's on", "ghost on", "ghost off", "killed wait"}) {
    logged = logged && log.find(std::string("| - ") + message + "\r\n") != std::string::npos;
  }
  checks.Check(logged, "each command logged its status message");
  checks.Detail("log.txt: " + Visible(log));

  Click(FindLabel(FindMainWindow(id), "x"));
  checks.Check(program.WaitForExit(kExitDeadlineMs), "clicking \"x\" ends the program");
  aol.Command("exit");
  aol.WaitForExit(kExitDeadlineMs);
  return checks.Finish();
}

}  // namespace drelm::e2e
