#include "transfer_fixture.h"

namespace drelm::testing {
namespace {

struct Texts {
  std::string dlName, dlPercent, dlTime, ulName, ulPercent, ulTime;
  bool operator==(const Texts&) const = default;
};

void PrintTo(const Texts& t, std::ostream* os) {
  *os << "{dl \"" << t.dlName << "\" \"" << t.dlPercent << "\" \"" << t.dlTime << "\", ul \""
      << t.ulName << "\" \"" << t.ulPercent << "\" \"" << t.ulTime << "\"}";
}

Texts Read(const DrelmGlobals& v) {
  return {v.DlFileName, v.DlPercent, v.DlTimeLeft, v.UlFileName, v.UlPercent, v.UlTimeLeft};
}

TEST_F(TransferTest, WithoutTheClientEveryTextHasItsNoTransferValue) {
  reader.Refresh();
  EXPECT_EQ(Read(values), (Texts{"n/a", "n/a", "n/a", "", "", ""}));
  EXPECT_EQ(values.TransferKind, "none");
}

class TransferOfEachVersion : public TransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(TransferOfEachVersion, ReadsTheDownloadAndTheUploadInTheVersionsWindows) {
  const int version = GetParam();
  OpenAol(version);
  reader.Refresh();
  const std::string none = version == 7 ? "n/a " : "";
  EXPECT_EQ(Read(values), (Texts{"n/a", "n/a", "n/a", none, none, none}));

  aol->StartUpload("Pics.zip");
  aol->SetUploadProgress(37, 5);
  reader.Refresh();
  EXPECT_EQ(Read(values), (Texts{"n/a", "n/a", "n/a", "Pics.zip", "37", "5"}));
  EXPECT_EQ(values.TransferKind, "ul");

  aol->SetUploadProgress(38, 0);
  reader.Refresh();
  EXPECT_EQ(values.UlTimeLeft, version == 7 ? "<b>na</b>" : "n/a ");

  aol->StartDownload("Song.MP3");
  aol->SetDownloadProgress(45, 12);
  reader.Refresh();
  EXPECT_EQ(Read(values).dlName + "|" + values.DlPercent + "|" + values.DlTimeLeft,
            "song.mp3|45|12");
  // Both windows are open: the finder that ran last saw the upload.
  EXPECT_EQ(values.TransferKind, "ul");

  aol->FinishUpload();
  aol->SetDownloadProgress(99, 1);
  reader.Refresh();
  EXPECT_EQ(Read(values), (Texts{"song.mp3", "99", "1", none, none, none}));
  EXPECT_EQ(values.TransferKind, "dl");

  aol->FinishDownload();
  reader.Refresh();
  EXPECT_EQ(values.TransferKind, "dl") << "the reader never clears the kind";
}

INSTANTIATE_TEST_SUITE_P(Aol, TransferOfEachVersion, ::testing::Values(4, 5, 6, 7));

TEST_F(TransferTest, OtherModalWindowsOfTheClientAreNoUpload) {
  OpenAol(6);
  aol->ShowFileNotFound();
  EXPECT_EQ(reader.FindTransferModalQuiet(), 0u);
  reader.Refresh();
  EXPECT_EQ(Read(values), (Texts{"n/a", "n/a", "n/a", "", "", ""}));
  EXPECT_EQ(values.TransferKind, "none");

  aol->StartUpload("a.zip");  // beneath the notice, which stays on top
  sim.windows.BringToTop(aol->Client().TransferWindows().FileNotFoundNotice());
  EXPECT_EQ(reader.FindTransferModalQuiet(), aol->Client().TransferWindows().UploadWindow());
  EXPECT_EQ(values.TransferKind, "none") << "the quiet finder records nothing";
  EXPECT_EQ(reader.ReadUlPercentModalDash(), "0");
}

TEST_F(TransferTest, NamesAreShortenedOnlyWhileTheItemIsChecked) {
  OpenAol(6).StartUpload("a-name-of-exactly-forty-characters.zipxy");
  store.WriteSetting("settings", "shortenuldllength", "35");
  for (const bool checked : {false, true}) {
    shortenChecked = checked;
    reader.Refresh();
    EXPECT_EQ(values.UlFileName, checked ? "\"a-name-of-exactly-forty-characters....\""
                                         : "a-name-of-exactly-forty-characters.zipxy");
  }
}

}  // namespace
}  // namespace drelm::testing
