#include "core/status_log.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/posix/posix_files.h"
#include "platform/sim/virtual_clock.h"
#include "support/file_text.h"
#include "support/temp_folder.h"

namespace drelm {
namespace {

class StatusLogTest : public ::testing::Test {
 protected:
  testing::TempFolder folder;
  sim::VirtualClock clock;
  posix::PosixFiles files;
  StatusLog log{clock, files, folder.path()};

  void At(int year, int month, int day, int hour, int minute) {
    clock.SetNow(LocalDateTime{year, month, day, hour, minute, 0, 0});
  }
  std::string Contents() const { return testing::FileText(folder.path() / "log.txt"); }
};

TEST_F(StatusLogTest, FirstEntryIntoAMissingOrEmptyFileIsExactAndTheMessageWrittenAsGiven) {
  At(2001, 12, 5, 16, 5);
  log.WriteLog("x");
  EXPECT_EQ(Contents(), "\r\n<d> |[12-05-01]|[04:05 PM]| - x\r\n");
  EXPECT_EQ(log.Path(), folder.path() / "log.txt");
  std::ofstream(folder.path() / "log.txt").close();
  const std::string message = std::string("two\r\nlines \xB7 and a NUL\0 kept", 29);
  log.WriteLog(message);
  EXPECT_EQ(Contents(), "\r\n<d> |[12-05-01]|[04:05 PM]| - " + message + "\r\n");
}

TEST_F(StatusLogTest, EntriesAreSeparatedByOneEmptyLineAndEarlierOnesKept) {
  At(2001, 12, 5, 9, 1);
  log.WriteLog("idle started, \"brb\", reason: food");
  At(2001, 12, 5, 9, 2);
  log.WriteLog("");
  At(2002, 1, 1, 23, 59);
  log.WriteLog("third");
  EXPECT_EQ(Contents(),
            "\r\n<d> |[12-05-01]|[09:01 AM]| - idle started, \"brb\", reason: food\r\n"
            "\r\n<d> |[12-05-01]|[09:02 AM]| - \r\n"
            "\r\n<d> |[01-01-02]|[11:59 PM]| - third\r\n");
}

TEST_F(StatusLogTest, ResetDeletesTheFileAndTheNextEntryStartsItAgain) {
  log.ResetLog();  // nothing to delete yet
  log.WriteLog("old");
  log.ResetLog();
  EXPECT_FALSE(std::filesystem::exists(log.Path()));
  At(2001, 12, 5, 16, 5);
  log.WriteLog("drelm - version one loaded.");
  EXPECT_EQ(Contents(), "\r\n<d> |[12-05-01]|[04:05 PM]| - drelm - version one loaded.\r\n");
}

TEST_F(StatusLogTest, AFolderThatCannotTakeTheLogDropsTheEntry) {
  const std::filesystem::path notAFolder = folder.path() / "plain file";
  std::ofstream(notAFolder) << "x";
  StatusLog lost(clock, files, notAFolder);
  EXPECT_NO_THROW(lost.WriteLog("dropped"));
  EXPECT_NO_THROW(lost.ResetLog());
  StatusLog missing(clock, files, folder.path() / "no such folder");
  EXPECT_NO_THROW(missing.WriteLog("dropped"));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "no such folder"));
}

TEST(FormatLogEntry, TwelveHourClockAroundMidnightAndNoon) {
  struct Case {
    int hour;
    int minute;
    const char* time;
  };
  const Case cases[] = {{0, 30, "12:30 AM"},  {0, 0, "12:00 AM"},  {1, 5, "01:05 AM"},
                        {11, 59, "11:59 AM"}, {12, 0, "12:00 PM"}, {12, 30, "12:30 PM"},
                        {13, 0, "01:00 PM"},  {23, 59, "11:59 PM"}};
  for (const Case& c : cases) {
    const LocalDateTime at{2001, 12, 5, c.hour, c.minute, 0, 0};
    EXPECT_EQ(FormatLogEntry(at, "AM", "PM", "m"),
              std::string("<d> |[12-05-01]|[") + c.time + "]| - m")
        << c.hour << ":" << c.minute;
  }
}

TEST(FormatLogEntry, DateIsMonthDayTwoDigitYearAndDesignatorsComeFromTheLocale) {
  EXPECT_EQ(FormatLogEntry({2000, 1, 9, 8, 7, 0, 0}, "vorm.", "nachm.", "m"),
            "<d> |[01-09-00]|[08:07 vorm.]| - m");
  EXPECT_EQ(FormatLogEntry({2010, 10, 31, 20, 7, 0, 0}, "vorm.", "nachm.", "m"),
            "<d> |[10-31-10]|[08:07 nachm.]| - m");
}

}  // namespace
}  // namespace drelm
