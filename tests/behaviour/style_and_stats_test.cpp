// The style, identity and statistics commands in a running program beside the stand-in AOL
// client: what each asks and proposes, stores, keeps in memory, posts, captions and logs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "aol/transfer_reader.h"
#include "program_fixture.h"
#include "standin/sign_on.h"
#include "standin/transfers.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class OptionsCommandsTest : public ProgramTest {
 protected:
  void SetUp() override {
    std::ofstream(folder.path() / kClickSoundFileName, std::ios::binary) << "RIFF";
    StartBesideAol6Room();
  }

  struct Outcome {
    std::vector<std::string> posted;  // without the style around them; "(advert)" for that line
    std::vector<std::string> logged;
    std::size_t clicks = 0;
  };
  Outcome Run(std::string_view item) {
    ForgetRoomLines();
    const std::size_t logs = LogMessages().size();
    const std::size_t clicks = sim.shell.Sounds().size();
    program->frmOptions.Click(item);
    const ChatStyle style = ReadChatStyle(SettingsStore(sim.registry));
    const std::string marked = ComposeChatLine(style, "\x01");
    const std::string before = marked.substr(0, marked.find('\x01'));
    const std::string after = marked.substr(marked.find('\x01') + 1);
    Outcome out;
    for (const std::string& line : RoomLines()) {
      const bool styled = line.starts_with(before) && line.ends_with(after);
      out.posted.push_back(line == ComposeAdvertLine(style) ? "(advert)"
                           : styled ? line.substr(before.size(), line.size() - marked.size() + 1)
                                    : line);
    }
    const std::vector<std::string> all = LogMessages();
    out.logged.assign(all.begin() + static_cast<std::ptrdiff_t>(logs), all.end());
    out.clicks = sim.shell.Sounds().size() - clicks;
    return out;
  }
  static std::vector<std::string> Lines(const char* line) {
    return line ? std::vector<std::string>{line} : std::vector<std::string>{};
  }
};

TEST_F(OptionsCommandsTest, StyleCommandsProposeStorePreviewCaptionAndLog) {
  struct Case {
    const char* item;
    const char* answer;
    const char* password;  // nullptr: not asked
    const char* proposed;
    const char* key;
    const char* stored;  // nullptr: unchanged
    const char* posted;
    const char* caption;
    const char* logged;
  };
  // clang-format off
  const Case cases[] = {
    {"cmdLeftAscii", "-[", nullptr, "\x8B" "d" "\x9B", "left ascii", "-[",
     "left ascii set to: <font color=##336699>-[<font color=##999999>", "left ascii -[ -[ ]-",
     "left ascii changed to [-[]"},
    {"cmdLeftAscii", "", nullptr, "-[", "left ascii", nullptr, nullptr, "left ascii -[ -[ ]-", nullptr},
    {"cmdRightAscii", "]-", nullptr, "\x8B" "d" "\x9B", "right ascii", "]-", "right ascii set to: ]-",
     "right ascii -[ ]- ]-", "right ascii changed to []-]"},
    // Every "#" goes, leading or not; what is not a colour is kept as it is.
    {"cmdAsciiColor", "#ff0000", nullptr, "#336699", "ascii color", "ff0000",
     "ascii color set to: <font color=ff0000>#<u>ff0000</u><font color=#999999>",
     "ascii color -[ #ff0000 ]-", "ascii color changed to [#ff0000]"},
    {"cmdMainColor", "gr#een", nullptr, "#999999", "main color", "green",
     "main color set to: <font color=ff0000>#<u>green</u><font color=green>",
     "main color -[ #green ]-", "main color changed to [#green]"},
    // The ascii font proposed is always the one the program started with.
    {"cmdAsciiFont", "Tahoma", nullptr, "arial narrow", "ascii font", "Tahoma",
     "ascii font set to: <font color=#ff0000>Tahoma<font color=#green>", "ascii font -[ Tahoma ]-",
     "ascii font changed to [Tahoma]"},
    {"cmdAsciiFont", "Arial", nullptr, "arial narrow", "ascii font", "Arial",
     "ascii font set to: <font color=#ff0000>Arial<font color=#green>", "ascii font -[ Arial ]-",
     "ascii font changed to [Arial]"},
    {"cmdMainFont", "", nullptr, "arial narrow", "main font", "",
     "main font set to: <u><font color=#ff0000><font color=#green></u>", "main font -[  ]-",
     "main font changed to []"},
    {"cmdAim", "   ", nullptr, "drelm me", "aim", nullptr, nullptr, "aim -[ drelm me ]-", nullptr},
    {"cmdAim", " joe ", nullptr, "drelm me", "aim", " joe ", nullptr, "aim -[  joe  ]-", "aim set to  joe "},
    {"cmdHandle", "Qu ost", "pemblorix", "user", "handle", "Qu ost",
     "handle set to: <font color=#ff0000>Qu ost<font color=#green>", "handle -[ Qu ost ]-",
     "handle setting changed to [Qu ost]"},
    {"cmdHandle", "VRIN", "Pemblorix", "Qu ost", "handle", nullptr,
     "drelm user - nice try, that handle is taken", "handle -[ Qu ost ]-", nullptr},
    {"cmdHandle", "vrin2", nullptr, "Qu ost", "handle", "vrin2",
     "handle set to: <font color=#ff0000>vrin2<font color=#green>", "handle -[ vrin2 ]-",
     "handle setting changed to [vrin2]"},
    // An empty handle would make the next start a first start that resets every setting.
    {"cmdHandle", "", nullptr, "vrin2", "handle", nullptr, nullptr, "handle -[ vrin2 ]-", nullptr},
    // Without the welcome window (closed below) the client names nobody.
    {"cmdHandle", "quos0", "pemblorix ", "vrin2", "handle", nullptr,
     " - nice try, that handle is taken", "handle -[ vrin2 ]-", nullptr},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " answered \"" + c.answer + "\"");
    if (std::string_view(c.answer) == "quos0") {
      sim.windows.DestroyWindow(aol->Client().SignOnScreen().Welcome());
    }
    const std::string before = Stored("settings", c.key);
    const std::string key = c.key;
    sim.user.ExpectInputBox(key == "handle" ? "enter your handle below"
                            : key == "aim"  ? "enter your aim"
                                            : "enter the " + key + " you want below",
                            c.answer);
    if (c.password)
      sim.user.ExpectInputBox("umm, are you a poser?, if not please enter", c.password);
    const std::size_t asked = sim.user.Seen().size();
    const Outcome out = Run(c.item);
    EXPECT_EQ(sim.user.Seen().at(asked).defaultAnswer, c.proposed);
    EXPECT_EQ(sim.user.Seen().back().title, "drelm idle by quoSt n' vrin");
    EXPECT_EQ(sim.user.Seen().back().defaultAnswer, c.password ? "" : c.proposed);
    EXPECT_EQ(Stored("settings", c.key), c.stored ? c.stored : before);
    EXPECT_EQ(out.posted, Lines(c.posted));
    EXPECT_EQ(program->frmOptions.Item(c.item).caption, c.caption);
    EXPECT_EQ(out.logged, Lines(c.logged));
    EXPECT_EQ(out.clicks, std::string_view(c.item) == "cmdAim" ? 0u : 1u);
  }
  const DrelmGlobals& g = program->drelmglobals;
  EXPECT_THAT((std::vector{g.LeftAscii, g.RightAscii, g.AsciiColor, g.MainColor, g.AsciiFont,
                           g.MainFont, g.UserHandle}),
              ElementsAre("-[", "]-", "ff0000", "green", "arial narrow", "arial narrow", "vrin2"));
}

TEST_F(OptionsCommandsTest, BragStatsPostsTheAdvertThenLoadsIdleTimeAndUptimes) {
  Store("stats", "loads", "11");
  Store("stats", "count", "90000");
  Store("idler", "hours", "2");
  Store("idler", "min", "15");
  sim.clock.SetUptimeMs((2 * 86400ULL + 3600 + 4 * 60) * 1000);
  const std::uint64_t startedMs = sim.clock.MonotonicMs();
  const Outcome out = Run("cmdBragStats");
  EXPECT_THAT(out.posted,
              ElementsAre("(advert)",
                          "user: <font color=##336699>user<font color=##999999> \xB7 aol: <font "
                          "color=##336699>6<font color=##999999> \xB7 loads: <font "
                          "color=##336699>12<font color=##999999> brag:<font color=##336699> 0d "
                          "2h 15m",
                          "uptime: <font color=##336699>2d 1h 4m<font color=##999999> \xB7 rec: "
                          "<font color=##336699>1d 1h 0m"));
  EXPECT_GE(sim.clock.MonotonicMs() - startedMs, 1500u) << "a pause of a second between lines";
  EXPECT_EQ(out.clicks, 0u);
  EXPECT_THAT(out.logged, ElementsAre("braging total stats"));
}

TEST_F(OptionsCommandsTest, ClearStatsAnsweredNoShowsTheWindowAndYesZeroesTheCounters) {
  Store("stats", "mb", "12.5");
  Store("idler", "days", "3");
  Store("stats", "count", "90000");
  program->frmMain.Hide();
  sim.user.ExpectMessageBox("are you sure you want to clear your stats?", IDNO);
  Outcome out = Run("cmdClearStats");
  EXPECT_EQ(sim.user.Seen().back().title, "drelm idle by quoSt n' vrin");
  EXPECT_EQ(sim.user.Seen().back().style, MB_YESNO) << "Yes and No, no icon";
  EXPECT_TRUE(program->frmMain.visible);
  EXPECT_EQ(Stored("stats", "mb"), "12.5");
  EXPECT_THAT(out.posted, IsEmpty());
  EXPECT_THAT(out.logged, IsEmpty());

  registry.writes.clear();
  sim.user.ExpectMessageBox("", IDYES);
  out = Run("cmdClearStats");
  EXPECT_THAT(registry.writes,
              ElementsAre("stats/loads", "idler/min", "idler/hours", "idler/days", "stats/mb"));
  EXPECT_THAT(
      (std::vector{Stored("stats", "loads"), Stored("idler", "min"), Stored("idler", "hours"),
                   Stored("idler", "days"), Stored("stats", "mb")}),
      ::testing::Each("0"));
  EXPECT_EQ(Stored("stats", "count"), "90000") << "the uptime record stays";
  const FrmOptions& o = program->frmOptions;
  EXPECT_THAT((std::vector{o.Item("cmdLoads").caption, o.Item("cmdIdleTime").caption,
                           o.Item("cmdMBUploaded").caption}),
              ElementsAre("loads -[ 0 ]-", "idle time -[ 0d 0h 0m ]-", "mb u/led -[ 0 ]-"));
  EXPECT_THAT(out.posted, ElementsAre("stats sucessfully cleared"));
  EXPECT_THAT(out.logged, ElementsAre("<d> drelm idle - total stats cleared"));
  EXPECT_EQ(out.clicks, 0u);
}

TEST_F(OptionsCommandsTest, AdvertiseTotalAndTheTransferReportPostWhatTheyShould) {
  Outcome out = Run("cmdAdvertise");
  EXPECT_THAT(out.posted, ElementsAre("(advert)",
                                      "</a>< a href=\"http://www.drelm-idle.example/\">get this "
                                      "shit ova here</a>"));
  EXPECT_EQ(out.clicks, 1u);
  EXPECT_THAT(out.logged, ElementsAre("advertised"));

  program->frmReasons.lstRe.items = {"brb"};
  out = Run("cmdTotalTimeIdled");
  EXPECT_THAT(program->frmReasons.lstRe.items,
              ElementsAre("brb", "user has a total time of 0d 0m 0s"));
  EXPECT_TRUE(out.posted.empty() && out.logged.empty());

  // The transfer reader, as the second timer runs it, against the client's transfer windows.
  TransferReader reader(
      {sim.windows, sim.loop, program->store, program->drelmglobals, [] { return false; }});
  standin::Transfers& transfers = aol->Client().TransferWindows();
  transfers.StartDownload("song.mp3");
  transfers.SetDownloadProgress(42, standin::Transfers::RemainingText(3));
  reader.Refresh();
  EXPECT_THAT(
      Run("cmdScrollTransfer").posted,
      ElementsAre("downloading file: song.mp3", "download percentage: 42%", "3 minutes left"));
  // Used again before the reader looked again, the download is not reported twice.
  out = Run("cmdScrollTransfer");
  EXPECT_THAT(out.posted, ElementsAre("there is no current file transfer"));
  EXPECT_THAT(out.logged, ElementsAre("scrolled tranfer status - no current file transfer"));
  transfers.FinishDownload();
  transfers.StartUpload("pic.jpg");
  transfers.SetUploadProgress(7, standin::Transfers::RemainingText(12));
  reader.Refresh();
  EXPECT_THAT(Run("cmdScrollTransfer").posted,
              ElementsAre("uploading file: pic.jpg", "upload percentage: 7%", "12 minutes left"));
  EXPECT_EQ(program->drelmglobals.TransferKind, "none");
}

}  // namespace
}  // namespace drelm::testing
