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

}  // namespace
}  // namespace drelm
