// "start flashmail dl" opening the mailbox through the toolbar menu of each AOL version.

#include <gmock/gmock.h>

#include "aol/mailbox.h"
#include "program_fixture.h"

namespace drelm::testing {
namespace {

class FlashMailStartTest : public ProgramTest, public ::testing::WithParamInterface<int> {};

TEST_P(FlashMailStartTest, OpensTheMailboxWithTheMouseOutOfTheWayAndPutsItBack) {
  StoreReturningUser();
  OpenAolWithChatRoom(GetParam());
  StartProgram();
  const Point cursor = sim.shell.CursorPos();
  std::vector<std::string> statuses;
  const TimerId sampler = sim.loop.AddTimer(100, [&] {
    const std::string& now = program->frmAutoDL.lblStatus.caption;
    if (statuses.empty() || statuses.back() != now) statuses.push_back(now);
  });
  program->frmOptions.Click(std::string_view("cmdStartDL"));
  sim.loop.RemoveTimer(sampler);
  EXPECT_NE(FindIncomingMail(sim.windows), 0u);
  // The stand-in's mailbox is empty: listed, it leaves nothing to walk.
  EXPECT_THAT(statuses, ::testing::ElementsAre("opening flashmail", "adding flashmail",
                                               "ready to start process"));
  EXPECT_EQ((std::pair{sim.shell.CursorPos().x, sim.shell.CursorPos().y}),
            (std::pair{cursor.x, cursor.y}));
}

INSTANTIATE_TEST_SUITE_P(Aol, FlashMailStartTest, ::testing::Values(4, 5, 6, 7));

}  // namespace
}  // namespace drelm::testing
