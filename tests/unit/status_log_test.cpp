#include "core/status_log.h"

#include <gtest/gtest.h>

#include "platform/posix/posix_files.h"
#include "platform/sim/virtual_clock.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

TEST(StatusLogTest, EntriesAreExactAndApartAResetStartsAgainAndAnUnwritableFolderDropsThem) {
  testing::TempFolder folder;
  sim::VirtualClock clock;
  posix::PosixFiles files;
  StatusLog log{clock, files, folder.path()};
  const auto contents = [&] { return testing::FileText(folder.path() / "log.txt"); };
  clock.SetNow(LocalDateTime{2001, 12, 5, 16, 5, 0, 0});
  log.WriteLog("x");
  const std::string message = std::string("two\r\nlines \xB7 and a NUL\0 kept", 29);
  log.WriteLog(message);
  EXPECT_EQ(contents(),
            "\r\n<d> |[12-05-01]|[04:05 PM]| - x\r\n\r\n<d> |[12-05-01]|[04:05 PM]| - " + message +
                "\r\n");
  log.ResetLog();
  EXPECT_FALSE(std::filesystem::exists(log.Path()));
  log.WriteLog("drelm - version one loaded.");
  EXPECT_EQ(contents(), "\r\n<d> |[12-05-01]|[04:05 PM]| - drelm - version one loaded.\r\n");

  StatusLog lost(clock, files, folder.path() / "log.txt");
  EXPECT_NO_THROW(lost.WriteLog("dropped"));
  EXPECT_NO_THROW(lost.ResetLog());
  StatusLog missing(clock, files, folder.path() / "no such folder");
  EXPECT_NO_THROW(missing.WriteLog("dropped"));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "no such folder"));
}

TEST(FormatLogEntry, TwelveHourClockAroundMidnightAndNoonAndTheLocalesDesignators) {
  const struct {
    int hour, minute;
    const char* time;
  } kCases[] = {{0, 30, "12:30 AM"},  {0, 0, "12:00 AM"},  {1, 5, "01:05 AM"},
                {11, 59, "11:59 AM"}, {12, 0, "12:00 PM"}, {12, 30, "12:30 PM"},
                {13, 0, "01:00 PM"},  {23, 59, "11:59 PM"}};
  for (const auto& c : kCases) {
    const LocalDateTime at{2001, 12, 5, c.hour, c.minute, 0, 0};
    EXPECT_EQ(FormatLogEntry(at, "AM", "PM", "m"),
              std::string("<d> |[12-05-01]|[") + c.time + "]| - m")
        << c.hour << ":" << c.minute;
  }
  EXPECT_EQ(FormatLogEntry({2010, 10, 31, 20, 7, 0, 0}, "vorm.", "nachm.", "m"),
            "<d> |[10-31-10]|[08:07 nachm.]| - m");
}

}  // namespace
}  // namespace drelm
