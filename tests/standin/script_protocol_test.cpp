#include "standin/script_protocol.h"

#include "standin_fixture.h"

namespace drelm::standin::testing {
namespace {

TEST(ScriptFields, EscapingRoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string escaped = EscapeField(all);
  EXPECT_EQ(escaped.find_first_of("\t\n"), std::string::npos);
  EXPECT_EQ(UnescapeField(escaped), all);
  EXPECT_EQ(SplitCommand("say\tAnn\tx\\ty \\x8Bd\\x9B\r\n"), (std::vector<std::string>{"say", "Ann",
                                                                                       "x\ty \x8B"
                                                                                       "d\x9B"}));
  EXPECT_EQ(UnescapeField("a\\xZ1\\x4"), "axZ1x4") << "a stray or cut escape stays as written";
}

}  // namespace
}  // namespace drelm::standin::testing
