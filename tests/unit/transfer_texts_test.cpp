#include "aol/transfer_texts.h"

#include <gtest/gtest.h>

#include <functional>

namespace drelm {
namespace {

struct Case {
  const char* reader;
  std::function<std::string(const std::string&)> read;
  std::string text;
  std::string expected;
};

// The usual readings of each version's windows are read through the stand-in client by the
// transfer reader's tests; here are the texts it does not show.
TEST(TransferTexts, EachReaderCutsItsTextAsTheStatusLineShowsIt) {
  const auto dlTime = [](const std::string& t) { return DownloadTimeLeftOf(t); };
  const auto dlPercent = [](const std::string& t) { return DownloadPercentOf(t); };
  const auto ul7Time = [](const std::string& t) { return Upload7TimeLeftOf(t); };
  const auto modalPercent = [](const std::string& t) { return ModalPercentOf(t, "n/a "); };
  const auto modalDash = [](const std::string& t) { return ModalPercentOf(t, "-"); };
  const auto modalTime = [](const std::string& t) { return ModalTimeLeftOf("Now Uploading a", t); };
  const auto otherTime = [](const std::string& t) { return ModalTimeLeftOf("Upload of a", t); };
  const Case cases[] = {
      {"dl time", dlTime, "About 1 minute remaining.", "1"},
      {"dl time", dlTime, "Less than a minute remaining.", "0"},
      {"dl time", dlTime, "Calculating...", "0"},
      {"dl percent", dlPercent, "File Transfer", "0"},
      {"dl name", DownloadFileNameOf, "AOL Is Now Downloading Song.MP3", "song.mp3"},
      {"ul7 time", ul7Time, "Less than a minute remaining.", "<b>na</b>"},
      {"ul7 time", ul7Time, "Calculating...", "calculat'ing"},
      {"ul7 time", ul7Time, "About 1 minute remaining.", "1"},
      {"ul7 name", Upload7FileNameOf, "Now Uploading Pics.zip", "Pics.zip"},
      {"modal percent", modalPercent, "File Transfer - 37%", "37"},
      {"modal percent", modalPercent, "File Transfer - %", "n/a "},
      {"modal percent", modalDash, "File Transfer - x%", "-"},
      {"modal percent", modalPercent, "File Transfer", ""},
      {"modal percent", modalPercent, "Upload - 5%", "n/a "},
      {"modal name", ModalFileNameOf, "File not found.\r", ""},
      {"modal time", modalTime, "About 1 minute remaining.", "1"},
      {"modal time", modalTime, "Less than a minute remaining.", "n/a "},
      {"modal time", modalTime, "Calculating...", "n/a "},
      {"modal time", modalTime, "", "n/a "},
      {"modal time", otherTime, "About 5 minutes remaining.", "n/a "},
  };
  for (const Case& c : cases) EXPECT_EQ(c.read(c.text), c.expected) << c.reader << ": " << c.text;
}

TEST(TransferTexts, ShorteningCutsOnlyNamesLongerThanTheLengthAndOnlyWhenOn) {
  const std::string name35(35, 'a');
  const std::string name40 = name35 + "bcdef";
  EXPECT_EQ(ShortenFileName(name40, true, 35), "\"" + name35 + "...\"");
  EXPECT_EQ(ShortenFileName(name35, true, 35), name35) << "as long as the limit: kept whole";
  EXPECT_EQ(ShortenFileName(name40, false, 35), name40);
  EXPECT_EQ(ShortenFileName("abc", true, -4), "\"...\"") << "a negative length counts as 0";
}

}  // namespace
}  // namespace drelm
