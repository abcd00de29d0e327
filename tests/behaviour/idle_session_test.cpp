// Starting and stopping idle sessions: each idle type and privacy choice in its order, the main
// window's toggle, the automatic start of Timer4, and the "idle options" commands.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "idle_fixture.h"
#include "support/file_text.h"

namespace drelm::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using Lines = std::vector<std::string>;

constexpr const char* kGoingIdle =
    "drelm idle \xB7 <font color=#aa>Bob<font color=#mm> is going idle";
constexpr const char* kBack = "drelm idle \xB7 <font color=#aa>Bob<font color=#mm> is back";

TEST_F(IdleTest, AutoIdleStartsTheTypesTimersAtTheFifthMinuteAndNeverAgainOnceATickSawASession) {
  IdleType("cmdAFKBot");
  ASSERT_TRUE(sim.loop.RunUntil([&] { return !Said().empty(); }, 6 * 60000));
  EXPECT_EQ(sim.clock.MonotonicMs() - startedMs, 5 * 60000u);
  EXPECT_THAT(Said(), ElementsAre("drelm idle, auto idle started"));
  EXPECT_EQ(Main().Label3.caption, "stop");
  EXPECT_TRUE(Main().Timer3.Enabled());
  EXPECT_FALSE(Main().Timer1.Enabled() || Main().Chat1.Scanning()) << "a lighter start";
  EXPECT_FALSE(Item("cmdStartIdle").enabled);
  EXPECT_THAT(NewLog(), IsEmpty());

  sim.loop.RunFor(60000);
  EXPECT_FALSE(Main().Timer4.Enabled());
  ForgetRoomLines();
  Main().Label3_Click();  // the main window's toggle stops
  EXPECT_EQ(Main().Label3.caption, "start");
  EXPECT_THAT(Said(), ::testing::Contains(kBack));
  ForgetRoomLines();
  sim.loop.RunFor(10 * 60000);
  EXPECT_THAT(Said(), IsEmpty());

  Check("cmdAutoIdle", false);
  Main().Timer4.SetEnabled(true);
  sim.loop.RunFor(6 * 60000);
  EXPECT_THAT(Said(), IsEmpty()) << "auto idle off counts nothing";

  Check("cmdAutoIdle", true);
  IdleType("cmdLinker");
  sim.loop.RunFor(5 * 60000);
  EXPECT_TRUE(Main().Timer1.Enabled() && !Main().Timer3.Enabled()) << "a linker posts status lines";
}

// The "idle options" commands: what each asks, stores, shows in the menu and logs, and the
// answers that must change nothing.

TEST_F(IdleTest, CommandsStoreTheirAnswersLogThemAndTheHyperLinkJoinsTheReasons) {
  struct Case {
    const char* item;
    std::vector<const char*> answers;
    std::vector<std::string> stored;  // "section/key=value"
    std::vector<std::string> log;
  };
  // clang-format off
  const Case cases[] = {
      {"cmdRegReason", {"At Lunch"}, {"settings/regrea=At Lunch"}, {"regular reason set to - At Lunch"}},
      {"cmdAfkReason", {"brb", "5 messages"}, {"settings/afkrea=brb", "settings/afkmax=5"}, {"afk reason set to - brb", "afk max msgs set to - 5"}},
      {"cmdAfkReason", {"brb", "2.5"}, {"settings/afkmax=2.5"}, {"afk reason set to - brb", "afk max msgs set to - 2.5"}},
      {"cmdAfkReason", {"", "lots"}, {"settings/afkrea=", "settings/afkmax=0"}, {"afk reason set to - ", "afk max msgs set to - 0"}},
      {"cmdLinkerReason", {"http://x.example/", "My Site"}, {"settings/linkerrea=http://x.example/", "settings/linkermsg=My Site"}, {"linker reason set to - http://x.example/"}},
      {"cmdHyperLink", {"example", "site"}, {}, {}},
      {"cmdMultipleReasons", {}, {"custom settings/multiple reasons=False"}, {"multiple reasons [off]"}},
      {"cmdMultipleReasons", {}, {"custom settings/multiple reasons=True"}, {"multiple reasons [on]"}},
      {"mnuScrollAIm", {}, {"settings/scrollaim=off"}, {"scroll aim [off]"}},
      {"cmdAutoIdle", {}, {"custom settings/auto idle=False"}, {"auto idle disabled"}},
      {"cmdAFKBot", {}, {"custom settings/idletype=afk"}, {"idler type [afk]"}},
      {"cmdLinker", {}, {"custom settings/idletype=linker"}, {"idler type [linker]"}},
      {"cmdLinker", {}, {"custom settings/idletype=linker"}, {}},
      {"cmdTwoMin", {}, {"custom settings/interval=120"}, {"interval set to 2 minutes"}},
      {"mnuCustom", {"90"}, {"custom settings/interval=90"}, {"interval set to 90 seconds"}},
      {"mnuCustom", {"1e3"}, {"custom settings/interval=1e3"}, {"interval set to 1e3 seconds"}},
      {"mnuCustom", {"abc"}, {"custom settings/interval=1e3"}, {}},
  };
  // clang-format on
  program->frmReasons.lstRe.items = {"brb, lunch"};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + (c.answers.empty() ? "" : c.answers[0]));
    for (const char* answer : c.answers) sim.user.ExpectInputBox("", answer);
    ForgetLog();
    Choose(c.item);
    for (const std::string& s : c.stored) {
      const std::size_t slash = s.find('/'), equals = s.find('=');
      EXPECT_EQ(Stored(s.substr(0, slash), s.substr(slash + 1, equals - slash - 1)),
                s.substr(equals + 1));
    }
    EXPECT_THAT(NewLog(), ElementsAreArray(c.log));
  }
  EXPECT_EQ(program->drelmglobals.IdleInterval, 1000) << "the interval the log and menu show";
  EXPECT_EQ(Item("mnuCustom").caption, "custom -[1e3]-");
  for (auto item : {"cmdOneMin", "cmdTwoMin", "cmdThreeMin", "cmdRegularIdle", "cmdAFKBot"}) {
    EXPECT_FALSE(Item(item).checked) << item;
  }
  EXPECT_TRUE(Item("cmdLinker").checked);
  // The hyperlink joins the reasons and rewrites their file.
  EXPECT_THAT(program->frmReasons.lstRe.items,
              ElementsAre("brb, lunch", "< a href=\"example\">site</a>"));
  EXPECT_EQ(FileText(folder.path() / "drelm-reasons.tmp"),
            "brb, lunch\r\n< a href=\"example\">site</a>\r\n");

  Choose("cmdThreeMin");
  EXPECT_EQ(program->drelmglobals.IdleInterval, 180);
  EXPECT_EQ(Item("mnuCustom").caption, "custom -[ ]-");
  EXPECT_TRUE(Item("cmdThreeMin").checked);
  EXPECT_FALSE(Item("cmdTwoMin").checked);
  Choose("cmdReason");
  EXPECT_TRUE(program->frmReasons.visible && !Main().visible);
}

}  // namespace
}  // namespace drelm::testing
