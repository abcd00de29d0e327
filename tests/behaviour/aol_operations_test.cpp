// The instant message operations against the stand-in client of each version (realistic delays).
// Their bounds against a client that answers nothing, and that no other program's box is
// pressed, are the command sweep's.
#include <gtest/gtest.h>

#include "aol/client_windows.h"
#include "aol/control_text.h"
#include "aol/instant_messages.h"
#include "aol/keywords.h"
#include "aol/window_lookup.h"
#include "program_fixture.h"

namespace drelm::testing {
namespace {

using standin::InstantMessage;

class PerVersion : public ProgramTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    standin::StandInOptions options;
    options.version = GetParam();
    aol = std::make_unique<standin::SimStandIn>(sim, options);
    aol->StartSignedOn("Lobby 12");
  }
  Hwnd MdiChild(const std::string& caption) { return FindMdiChildCaptioned(sim.windows, caption); }

  StatusLog log{sim.clock, sim.files, folder.path()};
  AolContext context{sim.windows, sim.loop, sim.clock, log};
};

// One session per version (a keyword typed in another version's order would reach nothing): an
// IM out, one refused (box confirmed, window dropped), IMs off and on, and the user's own
// half-written IM left as it was.
TEST_P(PerVersion, ImsGoThroughTheKeywordBoxAndLeaveTheUsersOwnImAlone) {
  GoKeyword(sim.windows, "aol://9293:Friend");
  ASSERT_TRUE(sim.loop.RunUntil([&] { return MdiChild("Send Instant Message") != 0; }, 2000));
  const Hwnd own = MdiChild("Send Instant Message");
  const Hwnd ownText = FindNthChild(sim.windows, own, "RICHCNTL", 1);
  SetControlText(sim.windows, ownText, "half written");

  aol->RefuseIms("Ghosty");
  SendIm(context, "Joe", "brb, away");
  SendIm(context, "Ghosty", "anyone?");
  ImsOff(context);
  EXPECT_FALSE(aol->ImsOn());
  ImsOn(context);
  sim.loop.RunFor(1000);

  EXPECT_EQ(aol->Seen().imsSent, (std::vector<InstantMessage>{{"Joe", "brb, away"}}));
  EXPECT_EQ(aol->Seen().imsRefused, (std::vector<InstantMessage>{{"Ghosty", "anyone?"}}));
  EXPECT_EQ(aol->Seen().imSwitches,
            (std::vector<InstantMessage>{{"$IM_OFF", "drelm idle"}, {"$IM_ON", "drelm idle"}}));
  EXPECT_EQ(aol->Seen().boxesDismissed, 1);
  EXPECT_EQ(sim.windows.FindWindowEx(FindAolMdiClient(sim.windows), own, std::string("AOL Child"),
                                     std::string("Send Instant Message")),
            0u)
      << "the refused IM's window is closed";
  EXPECT_EQ(MdiChild("Send Instant Message"), own);
  EXPECT_EQ(GetControlText(sim.windows, ownText), "half written");
  EXPECT_EQ(LogText(), "");
}

INSTANTIATE_TEST_SUITE_P(Aol, PerVersion, ::testing::Values(4, 5, 6, 7));

}  // namespace
}  // namespace drelm::testing
