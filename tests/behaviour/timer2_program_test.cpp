// The running program's second timer does the transfer reader's and the killers' work.
#include <algorithm>

#include "program_fixture.h"
#include "standin/transfers.h"

namespace drelm::testing {
namespace {

TEST_F(ProgramTest, SecondTimerKeepsTheTransferTextsAndClosesTheNoticeWithinTwoTicks) {
  StartBesideAol6Room();
  aol->StartDownload("Song.mp3");
  aol->SetDownloadProgress(45, 12);
  sim.loop.RunFor(1600);
  EXPECT_EQ(program->drelmglobals.DlPercent, "45");
  EXPECT_EQ(program->drelmglobals.TransferKind, "dl");

  aol->ShowFileNotFound();
  EXPECT_TRUE(sim.loop.RunUntil(
      [&] { return aol->Client().TransferWindows().FileNotFoundNotice() == 0; }, 2 * 1600));
  const std::vector<std::string> logged = LogMessages();
  EXPECT_NE(std::find(logged.begin(), logged.end(), "killed file not found"), logged.end());
}

}  // namespace
}  // namespace drelm::testing
