// The chat style and identity commands in a running program beside the stand-in AOL client:
// what each proposes, what it stores and keeps in memory, the preview the room sees, the caption
// and the log entry, and the reserved handles' password.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "program_fixture.h"
#include "standin/sign_on.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StyleCommandsTest : public ProgramTest {
 protected:
  void SetUp() override {
    std::ofstream(folder.path() / kClickSoundFileName, std::ios::binary) << "RIFF";
    StoreReturningUser();
    OpenAolWithChatRoom(6);
    StartProgram();
    ForgetRoomLines();
    logMark = LogMessages().size();
  }

  // text as the room receives it in the style stored now.
  std::string Styled(const std::string& text) {
    return ComposeChatLine(ReadChatStyle(SettingsStore(sim.registry)), text);
  }
  std::vector<std::string> NewLogMessages() {
    std::vector<std::string> all = LogMessages();
    return {all.begin() + static_cast<std::ptrdiff_t>(logMark), all.end()};
  }
  void Forget() {
    ForgetRoomLines();
    logMark = LogMessages().size();
  }

  std::size_t logMark = 0;
};

TEST_F(StyleCommandsTest, EachCommandProposesStoresPreviewsCaptionsAndLogs) {
  struct Case {
    const char* item;
    const char* prompt;
    const char* proposed;
    const char* answer;
    const char* key;
    const char* stored;                  // nullptr: the command changes nothing
    std::optional<std::string> preview;  // the text the room sees, before styling
    const char* caption;
    const char* logged;
  };
  const Case cases[] = {
      {"cmdLeftAscii", "enter the left ascii you want below",
       "\x8B"
       "d"
       "\x9B",
       "-[", "left ascii", "-[", "left ascii set to: <font color=##336699>-[<font color=##999999>",
       "left ascii -[ -[ ]-", "left ascii changed to [-[]"},
      {"cmdLeftAscii", "", "-[", "", "left ascii", nullptr, std::nullopt, "left ascii -[ -[ ]-",
       nullptr},
      {"cmdRightAscii", "enter the right ascii you want below",
       "\x8B"
       "d"
       "\x9B",
       "]-", "right ascii", "]-", "right ascii set to: ]-", "right ascii -[ ]- ]-",
       "right ascii changed to []-]"},
      // A leading "#" goes; the colour preview writes its tags without one.
      {"cmdAsciiColor", "enter the ascii color you want below", "#336699", "#ff0000", "ascii color",
       "ff0000", "ascii color set to: <font color=ff0000>#<u>ff0000</u><font color=#999999>",
       "ascii color -[ #ff0000 ]-", "ascii color changed to [#ff0000]"},
      // So does one in the middle; what is not a colour is kept as it is.
      {"cmdMainColor", "enter the main color you want below", "#999999", "gr#een", "main color",
       "green", "main color set to: <font color=ff0000>#<u>green</u><font color=green>",
       "main color -[ #green ]-", "main color changed to [#green]"},
      {"cmdAsciiFont", "enter the ascii font you want below", "arial narrow", "Tahoma",
       "ascii font", "Tahoma", "ascii font set to: <font color=#ff0000>Tahoma<font color=#green>",
       "ascii font -[ Tahoma ]-", "ascii font changed to [Tahoma]"},
      // The ascii font proposed is still the one the program started with.
      {"cmdAsciiFont", "", "arial narrow", "Verdana", "ascii font", "Verdana",
       "ascii font set to: <font color=#ff0000>Verdana<font color=#green>",
       "ascii font -[ Verdana ]-", "ascii font changed to [Verdana]"},
      // Cancelling the main font stores an empty one.
      {"cmdMainFont", "enter the main font you want below", "arial narrow", "", "main font", "",
       "main font set to: <u><font color=#ff0000><font color=#green></u>", "main font -[  ]-",
       "main font changed to []"},
      {"cmdAim", "enter your aim", "drelm me", "   ", "aim", nullptr, std::nullopt,
       "aim -[ drelm me ]-", nullptr},
      {"cmdAim", "enter your aim", "drelm me", "  joe  ", "aim", "  joe  ", std::nullopt,
       "aim -[   joe   ]-", "aim set to   joe  "},
      {"cmdHandle", "enter your handle below", "user", "Joe", "handle", "Joe",
       "handle set to: <font color=#ff0000>Joe<font color=#green>", "handle -[ Joe ]-",
       "handle setting changed to [Joe]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " answered \"" + c.answer + "\"");
    Forget();
    const std::string before = Stored("settings", c.key);
    const std::size_t sounds = sim.shell.Sounds().size();
    sim.user.ExpectInputBox(c.prompt, c.answer);
    program->frmOptions.Click(std::string_view(c.item));

    const sim::Prompt& asked = sim.user.Seen().back();
    EXPECT_EQ(asked.title, "drelm idle by quoSt n' vrin");
    EXPECT_EQ(asked.defaultAnswer, c.proposed);
    EXPECT_EQ(sim.shell.Sounds().size(), sounds + (std::string(c.item) == "cmdAim" ? 0 : 1));
    EXPECT_EQ(Stored("settings", c.key), c.stored ? c.stored : before);
    if (c.preview) {
      EXPECT_THAT(RoomLines(), ElementsAre(Styled(*c.preview)));
    } else {
      EXPECT_THAT(RoomLines(), IsEmpty());
    }
    EXPECT_EQ(program->frmOptions.Item(c.item).caption, c.caption);
    if (c.logged) {
      EXPECT_THAT(NewLogMessages(), ElementsAre(c.logged));
    } else {
      EXPECT_THAT(NewLogMessages(), IsEmpty());
    }
  }
  const DrelmGlobals& g = program->drelmglobals;
  EXPECT_EQ(g.LeftAscii, "-[");
  EXPECT_EQ(g.RightAscii, "]-");
  EXPECT_EQ(g.AsciiColor, "ff0000");
  EXPECT_EQ(g.MainColor, "green");
  EXPECT_EQ(g.AsciiFont, "arial narrow") << "the fonts in memory stay as loaded";
  EXPECT_EQ(g.MainFont, "arial narrow");
  EXPECT_EQ(g.UserHandle, "Joe");
}

TEST_F(StyleCommandsTest, ReservedHandlesNeedThePasswordAndAWrongOneTeasesTheMember) {
  struct Case {
    const char* answer;
    const char* password;  // nullptr: not asked
    bool welcomeWindow;    // the client names the signed-on member in it
    const char* stored;    // nullptr: unchanged
    const char* roomText;
  };
  const Case cases[] = {
      {"Qu ost", "pemblorix", true, "Qu ost",
       "handle set to: <font color=##336699>Qu ost<font color=##999999>"},
      {"VRIN", "Pemblorix", true, nullptr, "drelm user - nice try, that handle is taken"},
      {"quos0", "pemblorix ", false, nullptr, " - nice try, that handle is taken"},
      {"vrin2", nullptr, false, "vrin2",
       "handle set to: <font color=##336699>vrin2<font color=##999999>"},
      // An empty handle would make the next start a first start that overwrites every setting.
      {"", nullptr, false, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.answer + "\", password " +
                 (c.password ? c.password : "not asked"));
    Store("settings", "handle", "user");
    program->drelmglobals.UserHandle = "user";
    program->frmOptions.Item("cmdHandle").caption = "handle -[ user ]-";
    if (!c.welcomeWindow) sim.windows.DestroyWindow(aol->Client().SignOnScreen().Welcome());
    Forget();
    sim.user.ExpectInputBox("enter your handle below", c.answer);
    if (c.password) {
      sim.user.ExpectInputBox(
          "umm, are you a poser?, if not please enter the password to use our handle", c.password);
    }
    program->style.cmdHandle_Click();

    if (c.password) {
      EXPECT_EQ(sim.user.Seen().back().title, "drelm idle by quoSt n' vrin");
      EXPECT_EQ(sim.user.Seen().back().defaultAnswer, "");
    }
    const std::string handle = c.stored ? c.stored : "user";
    EXPECT_EQ(Stored("settings", "handle"), handle);
    EXPECT_EQ(program->drelmglobals.UserHandle, handle);
    EXPECT_EQ(program->frmOptions.Item("cmdHandle").caption, "handle -[ " + handle + " ]-");
    if (c.roomText) {
      EXPECT_THAT(RoomLines(), ElementsAre(Styled(c.roomText)));
    } else {
      EXPECT_THAT(RoomLines(), IsEmpty());
    }
    if (c.stored) {
      EXPECT_THAT(NewLogMessages(),
                  ElementsAre(std::string("handle setting changed to [") + c.stored + "]"));
    } else {
      EXPECT_THAT(NewLogMessages(), IsEmpty());
    }
  }
}

}  // namespace
}  // namespace drelm::testing
