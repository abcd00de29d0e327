// The reconnect and transfer items that take answers: their captions, stored values and status
// messages, and what they refuse.

#include <string>
#include <vector>

#include "options/transfer_options.h"
#include "options_test_fixture.h"

namespace drelm {
namespace {

class TransferOptionsTest : public testing::OptionsTest {
 protected:
  std::string Caption(std::string_view item) { return options.Item(item).caption; }
  bool Checked(std::string_view item) { return options.Item(item).checked; }
  std::string Stored(std::string_view key) { return settings.ReadSetting("settings", key); }
  void Choose(std::string_view item) { options.Click(item); }
  // Exactly one of the pair checked, the caption and the setting all saying style.
  void ExpectStyle(const std::string& style) {
    EXPECT_EQ(Checked("cmdSetPW"), style == "set");
    EXPECT_EQ(Checked("cmdStoredPW"), style == "stored");
    EXPECT_EQ(Caption("mnuAolSTyle"), "dcp aol &style -[" + style + "]-");
    EXPECT_EQ(Stored("dcpaolstyle"), style);
  }

  AolPassword password{sim.registry, sim.protection};
  Wiring wiring{options};
  TransferOptionCommands commands{{options, sim.user, settings, password, log}, wiring};
};

TEST_F(TransferOptionsTest, DcpSwitchesWithoutADialogButTheWindows2000ModeTakesOnlyAChosenAolExe) {
  Choose("cmdDcpAolOpts");
  EXPECT_EQ(Caption("cmdDcpAolOpts"), "&dcp aol -[ on ]-");
  Choose("cmdDcpAolOpts");
  EXPECT_EQ(Caption("cmdDcpAolOpts"), "&dcp aol -[ off ]-");
  EXPECT_EQ(Stored("aoldcp"), "off");

  settings.WriteSetting("settings", "oss", "TRUE");
  const std::string good = "C:\\Program Files\\America Online 6.0\\aol.exe";
  for (const std::string answer : {"", "C:\\AOL\\waol.ini", good.c_str()}) {
    sim.user.ExpectOpenFile(answer);
    commands.cmdDcpAolOpts_Click();
    EXPECT_EQ(Checked("cmdDcpAolOpts"), answer == good) << answer;
  }
  EXPECT_EQ(sim.user.Seen().back().text, "*aol.exe (aol file) | aol.exe");
  EXPECT_EQ(Stored("last aol path"), good);
  EXPECT_EQ(Stored("aoldcp"), "on");
  EXPECT_EQ(LogMessages(),
            (std::vector<std::string>{"disconnect protect aol on", "disconnect protect aol off",
                                      "disconnect protect aol on"}));
}

TEST_F(TransferOptionsTest, ThePasswordIsSealedWhereTheSystemCanLeavesNoOtherCopyAndIsNeverLogged) {
  struct Case {
    const char* name;
    bool protection;    // Windows 2000 and later; 98 and ME have none
    bool sealedBefore;  // "old" was kept sealed, else plain by an earlier version
    bool sealedAfter;
  };
  const Case cases[] = {
      {"no protection: plain, as always", false, false, false},
      {"an earlier plain password is sealed at the next save", true, false, true},
      {"a seal the system can no longer open gives way to plain", false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim.protection.SetAvailable(c.sealedBefore);
    password.Write("old");
    sim.protection.SetAvailable(c.protection);
    sim.user.ExpectInputBox("enter the password you wish to use", "hunter2");
    Choose("cmdSetPW");
    EXPECT_EQ(sim.user.Seen().back().title, "drelm idle quoSt n' vrin");
    ExpectStyle("set");
    Choose("cmdStoredPW");
    ExpectStyle("stored");

    const std::optional<RegistryValue> plain = sim.registry.QueryValue("aolpw", "password");
    const std::optional<RegistryValue> sealed =
        sim.registry.QueryValue("aolpw", "protected password");
    EXPECT_EQ(plain,
              c.sealedAfter ? std::nullopt : std::make_optional(RegistryValue{kRegSz, "hunter2"}));
    EXPECT_EQ(sealed.has_value(), c.sealedAfter);
    EXPECT_EQ(sealed.value_or(RegistryValue{}).data.find("hunter2"), std::string::npos);
    EXPECT_EQ(password.Read(), "hunter2");
  }
  std::vector<std::string> logged;
  for (int i = 0; i < 3; ++i) {
    logged.insert(logged.end(),
                  {"dcp aol style - set password", "dcp aol style - stored password"});
  }
  EXPECT_EQ(LogMessages(), logged);
  EXPECT_EQ(testing::FileText(log.Path()).find("hunter2"), std::string::npos);
}

TEST_F(TransferOptionsTest, BlankOrUnusableAnswersChangeNothingAndGoodOnesAreKeptAsTyped) {
  const std::string before = Caption("mnuSetPr");
  sim.user.ExpectInputBox("enter private room to enter on dcp of aol", "   ");
  Choose("mnuSetPr");
  EXPECT_EQ(Caption("mnuSetPr"), before);
  sim.user.ExpectInputBox("enter private room to enter on dcp of aol", "my room");
  commands.mnuSetPr_Click();
  EXPECT_EQ(Caption("mnuSetPr"), "&set pr -[ my room ]-");
  EXPECT_EQ(Stored("prtoenter"), "my room");

  // The file name length: turned on with an answer below one or not a number, it keeps its own.
  settings.WriteSetting("settings", "shortenuldllength", "35");
  const std::string designCaption = Caption("mnushort");
  for (const char* refused : {"0", "word"}) {
    sim.user.ExpectInputBox("enter number of characters of how long the file name can be", refused);
    commands.mnushort_Click();
    EXPECT_EQ(sim.user.Seen().back().defaultAnswer, "35");
    EXPECT_TRUE(Checked("mnushort")) << refused;
    EXPECT_EQ(Stored("shortenuldllength"), "35");
    EXPECT_EQ(Caption("mnushort"), designCaption);
    commands.mnushort_Click();  // off again, without a prompt
    EXPECT_EQ(Stored("shortenuldl"), "off");
  }
  sim.user.ExpectInputBox("how long", "20");
  Choose("mnushort");
  EXPECT_EQ(Caption("mnushort"), "shorten dl/ul file name -[ 20 ]-");
  EXPECT_EQ(Stored("shortenuldllength"), "20");
  EXPECT_EQ(LogMessages(), std::vector<std::string>{"dcp aol - private room changed to [my room]"});
}

}  // namespace
}  // namespace drelm
