// Inputs the fuzz targets of fuzz/ found mishandled, kept as cases so the faults stay fixed.
#include <gtest/gtest.h>

#include "idle/chat_room_text.h"
#include "idle/reasons.h"

namespace drelm {
namespace {

using Lines = std::vector<std::string>;

TEST(ParserHardeningTest, AColourFullOfTagsCannotMultiplyAReason) {
  std::string tags;
  for (const char* tag : {"[date]", "[total]", "[skin]", "[drelm]", "[twk]"}) {
    for (int i = 0; i < 8; ++i) tags += tag;
  }
  // Each kind of tag brought in eight more of the next: 8^5 colour tags, megabytes of text.
  const ReasonTagValues values{"3:04 PM", "12/6/2026", "7", "2", "1", tags};
  const std::string reason = "away since [TIME]";
  const std::string text = ExpandReason(reason, values);
  EXPECT_LE(text.size(), reason.size() + 6 * kMaxExpandedReason);
  EXPECT_TRUE(text.starts_with("away since 3:04 PM<font color=#\"12/6/2026<font color=#\""));
}

TEST(ParserHardeningTest, ARoomWhoseLinesEndInALineBreakLosesNoLineAfterAQuietLook) {
  struct Look {
    std::string text;  // empty: a quiet look, the text unchanged
    Lines taken;
  };
  const std::string a = "A:\tone\r\n", b = "B:\ttwo\r\n", c = "C:\tthree\r\n";
  const Look looks[] = {
      {a, {"A:\tone"}}, {"", {}}, {a + b, {"B:\ttwo"}},
      {"", {}},         {"", {}}, {a + b + c, {"C:\tthree"}},
  };
  RoomTextMark mark;
  mark.TakeAll("");
  for (const Look& look : looks) {
    EXPECT_EQ(look.text.empty() ? mark.Settled() : mark.TakeNew(look.text), look.taken)
        << look.text;
  }
}

}  // namespace
}  // namespace drelm
