#include "platform/sim/message_sequence.h"

#include <gtest/gtest.h>

#include "platform/winuser_constants.h"

namespace drelm::sim {
namespace {

MessageRecord Sent(std::uint32_t msg, WParam w, LParam l) {
  return MessageRecord{7, msg, w, l, {}, false};
}

TEST(MessageSequence, LooseAndOptionalEntriesMatchOnlyWhatTheyAllow) {
  const std::vector<MessageRecord> keyPress = {Sent(WM_KEYDOWN, 13, 1), Sent(WM_KEYUP, 13, 2)};
  struct Case {
    const char* what;
    std::vector<ExpectedMessage> expected;
    bool matches;
  };
  const std::vector<Case> cases = {
      {"exact", {{7, WM_KEYDOWN, 13, 1}, {7, WM_KEYUP, 13, 2}}, true},
      {"a wrong lParam", {{7, WM_KEYDOWN, 13, 1}, {7, WM_KEYUP, 13, 9}}, false},
      {"any lParam still checks wParam",
       {{7, WM_KEYDOWN, 14, 0, Via::kSent, {}, kAnyLParam}, {7, WM_KEYUP, 13, 2}},
       false},
      {"any params still checks the message",
       {{7, WM_CHAR, 0, 0, Via::kSent, {}, kAnyParams}, {7, WM_KEYUP, 13, 2}},
       false},
      {"an optional entry that does not come is skipped",
       {{7, WM_KEYDOWN, 13, 1},
        {7, WM_CHAR, 13, 1, Via::kSent, {}, kOptional},
        {7, WM_KEYUP, 13, 2}},
       true},
      {"optional entries at the end may all be missing",
       {{7, WM_KEYDOWN, 13, 1},
        {7, WM_KEYUP, 13, 2},
        {7, WM_CHAR, 0, 0, Via::kSent, {}, kOptional}},
       true},
      {"a message nobody expected", {{7, WM_KEYDOWN, 13, 1}}, false},
      {"a posted entry does not match a sent message",
       {{7, WM_KEYDOWN, 13, 1, Via::kPosted, {}, kAnyParams}, {7, WM_KEYUP, 13, 2}},
       false},
  };
  for (const Case& c : cases) {
    const std::string report = CompareSequence(keyPress, c.expected);
    EXPECT_EQ(report.empty(), c.matches) << c.what << "\n" << report;
  }
  // The report shows a loose entry as loose, so a reader knows what was asked.
  EXPECT_NE(CompareSequence(keyPress, {{7, WM_KEYDOWN, 13, 0, Via::kSent, {}, kAnyLParam}})
                .find("w=13 l=*"),
            std::string::npos);
}

}  // namespace
}  // namespace drelm::sim
