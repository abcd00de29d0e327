#include "text/ansi.h"

#include <gtest/gtest.h>

namespace drelm {
namespace {

TEST(LowerAnsi, FoldsAsciiAndWindows1252LettersOnly) {
  EXPECT_EQ(LowerAnsi("HANDLE MinZ"), "handle minz");
  EXPECT_EQ(LowerAnsi("\xC0\xC9\xDE\x8A\x8C\x8E\x9F"), "\xE0\xE9\xFE\x9A\x9C\x9E\xFF");
  // The multiplication sign and the decoration brackets have no lower-case form.
  EXPECT_EQ(LowerAnsi("\xD7\x8B\x44\x9B"), "\xD7\x8B\x64\x9B");
}

TEST(Numbers, ReadLikeStoredCountersSaturateAndRoundHalvesToEven) {
  EXPECT_EQ(LeadingNumber("5 messages"), 5);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber("  -3x"), -3);
  EXPECT_EQ(LeadingNumber("99999999999999999999999"), INT64_MAX) << "must saturate, not wrap";
  EXPECT_DOUBLE_EQ(LeadingDecimal("12.5 mb"), 12.5);
  // A number the numeric test accepts reads as all of it, exponent included.
  EXPECT_DOUBLE_EQ(LeadingDecimal("1.5E-1 x"), 0.15);
  EXPECT_DOUBLE_EQ(LeadingDecimal("3e"), 3.0);
  for (const char* number : {"60", " 1.5 ", "-2e3"}) EXPECT_TRUE(IsNumeric(number)) << number;
  for (const char* text : {"", "60s", ".", "1e"}) EXPECT_FALSE(IsNumeric(text)) << text;
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
  EXPECT_EQ(RoundHalfEven(1e30), INT64_MAX) << "out of range saturates";
  EXPECT_EQ(RoundHalfEven(-1e30), INT64_MIN);
  EXPECT_EQ(ZeroPadded(7, 2), "07");
  EXPECT_EQ(ZeroPadded(123, 2), "123");
  EXPECT_EQ(ZeroPadded(-7, 2), "-07");
  EXPECT_EQ(ZeroPadded(INT64_MIN, 2), "-9223372036854775808");
}

TEST(ReplaceAll, ReplacesEveryOccurrenceButRefusesOneThatWouldNeverEnd) {
  EXPECT_EQ(ReplaceAll("a-b-c", "-", "+"), "a+b+c");
  EXPECT_EQ(ReplaceAll("aabb", "ab", ""), "") << "occurrences formed by a replacement count";
  // A replacement that contains the search text is refused instead of looping for ever.
  EXPECT_EQ(ReplaceAll("a-b", "-", "--"), "a-b");
  EXPECT_EQ(ReplaceAll("a-b", "", "x"), "a-b");
  int rounds = 0;
  EXPECT_EQ(ReplaceAll("x.y.z", ".", "", [&] { ++rounds; }), "xyz");
  EXPECT_EQ(rounds, 2) << "the per-round hook runs once before each replacement";
}

TEST(Cp1252, ConvertsToUtf8AndBack) {
  const std::string ansi = "\x8B\x64\x9B \xB7 \x80 \x96\x97";
  const std::string utf8 = Cp1252ToUtf8(ansi);
  EXPECT_EQ(utf8, "\xE2\x80\xB9\x64\xE2\x80\xBA \xC2\xB7 \xE2\x82\xAC \xE2\x80\x93\xE2\x80\x94");
  EXPECT_EQ(Utf8ToCp1252(utf8), ansi);
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");
}

}  // namespace
}  // namespace drelm
