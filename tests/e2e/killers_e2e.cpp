// The main window's second timer on real windows beside the stand-in AOL client: it closes the
// client's "File not found." notice and logs it, and it presses the client's "America Online"
// message box only once "message to long to complex" is switched on.
#include "scenario.h"

namespace drelm::e2e {

int KillersScenario(const E2eSetup& setup) {
  // Two ticks of 1.6 s; a tick may come late under Wine, and the client closes a pressed window
  // after its own delay.
  constexpr DWORD kTwoTicksMs = 2 * 1600 + 1500;
  // The transfers' continuation after a kill drives other windows of the client; off, so that
  // the kill alone is judged.
  Scenario s(setup, "killers",
             {{"settings", "killtltc", "off"},
              {"settings", "contulafterfilenotfound", "off"},
              {"settings", "contdlafterfilenotfound", "off"}});
  if (!s.Start(6) || !s.StartUpEnds()) return s.Finish();
  const auto box = [] { return FindWindowA("#32770", "America Online") != nullptr; };
  s.Run({{Aol("file-not-found"),
          [&] {
            return FindWindowA("_AOL_Modal", "File Transfer") == nullptr &&
                   StandInRows(s.aol, "presses").find("File Transfer\tOK") != std::string::npos;
          },
          "the second timer presses the client's \"File not found.\" OK within two ticks",
          kTwoTicksMs},
         {{},
          s.LogMentions("killed file not found"),
          "log.txt gets \"killed file not found\"",
          kPollMs * 4},
         {Aol("box\tYour message is too long or too complex."), box,
          "the client shows its \"America Online\" message box"}});
  s.Check(!WaitFor([&] { return !s.AolState("boxes-dismissed", "0")() || !box(); }, 3 * 1600),
          "with the message-box kill off the box stays for three ticks");
  s.Run({{Menu("cmdMessageTLTC"), s.AolState("boxes-dismissed", "1"),
          "switched on, the second timer presses the box's OK within two ticks", kTwoTicksMs},
         {{}, s.StoredIs("settings", "killtltc", "on"), "the switch is stored"},
         {{}, s.LogMentions("kill message to long to complex"), "and logged"},
         {{}, s.AolRows("strays", ""), "the client saw no input it did not expect"}});
  s.ExitByX();
  return s.Finish();
}

}  // namespace drelm::e2e
