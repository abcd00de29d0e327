// The decisions behind the Win32 backend's fallbacks for older Windows, fed with the readings each
// Windows would give.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image_path_choice.h"
#include "platform/item_text_answer.h"
#include "platform/tick_extender.h"

namespace drelm {
namespace {

TEST(TickExtenderTest, CountsEachWrapOfTheTickSoTimeNeverGoesBack) {
  constexpr std::uint64_t kWrap = 1ULL << 32;
  const struct {
    const char* name;
    std::vector<std::uint32_t> ticks;
    std::vector<std::uint64_t> expected;
  } kCases[] = {
      {"no wrap", {10, 10, 20, 0xFFFFFFFFu}, {10, 10, 20, 0xFFFFFFFFu}},
      {"one wrap", {0xFFFFFFF0u, 5, 6}, {0xFFFFFFF0u, kWrap + 5, kWrap + 6}},
      {"two wraps",
       {4000000000u, 100, 4000000000u, 50},
       {4000000000u, kWrap + 100, kWrap + 4000000000u, 2 * kWrap + 50}},
  };
  for (const auto& c : kCases) {
    TickExtender extender;
    std::vector<std::uint64_t> got;
    for (std::uint32_t tick : c.ticks) got.push_back(extender.Extend(tick));
    EXPECT_EQ(got, c.expected) << c.name;
  }
}

TEST(ImagePathChoiceTest, TakesTheBestFullPathAndOffersABareNameOnlyAsTheLastResort) {
  // What each way reads, in the order they are tried: the image name query (Vista on), psapi
  // (NT 4 on), the first module (refused for some processes), the process entry (all of them;
  // 98 and ME give the full path there, NT only the bare name). Empty: missing there.
  const struct {
    std::array<const char*, 4> readings;
    std::string expected;
    int waysAsked;
  } kCases[] = {
      {{"C:\\AOL 9.0\\aol.exe", "", "C:\\x.exe", ""}, "C:\\AOL 9.0\\aol.exe", 1},
      {{"", "C:\\AOL\\aol.exe", "", ""}, "C:\\AOL\\aol.exe", 2},
      {{"", "", "D:/aol/aol.exe", "aol.exe"}, "D:/aol/aol.exe", 3},
      {{"", "", "", "C:\\AMERICA ONLINE 5.0\\AOL.EXE"}, "C:\\AMERICA ONLINE 5.0\\AOL.EXE", 4},
      {{"", "", "", "aol.exe"}, "aol.exe", 4},
      {{"", "aol.exe", "\\\\srv\\aol\\aol.exe", ""}, "\\\\srv\\aol\\aol.exe", 3},
      {{"", "", "", ""}, "", 4},
  };
  for (const auto& c : kCases) {
    int asked = 0;
    const std::string got = ChooseImagePath([&](ImagePathWay way) {
      ++asked;
      return std::string(c.readings[static_cast<std::size_t>(way)]);
    });
    EXPECT_EQ(got, c.expected);
    EXPECT_EQ(asked, c.waysAsked) << c.expected;
  }
}

// A zero-filled buffer for an item of length characters, holding what an answer wrote.
std::string AnsiAnswer(const std::string& text, std::size_t length) {
  std::string buffer(ItemTextBufferBytes(length), '\0');
  buffer.replace(0, text.size(), text);
  return buffer;
}
std::string Utf16Answer(const std::u16string& text, std::size_t length) {
  std::string buffer(ItemTextBufferBytes(length), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    buffer[2 * i] = static_cast<char>(text[i] & 0xFF);
    buffer[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return buffer;
}

TEST(ItemTextAnswerTest, TellsWinesUtf16AnswerFromAnAnsiOneWithoutReadingPastTheBuffer) {
  const struct {
    const char* name;
    std::string buffer;
    std::size_t length;
    bool utf16;
    std::string ansi;
    std::u16string wide;
  } kCases[] = {
      {"ANSI", AnsiAnswer("Buddy 1", 7), 7, false, "Buddy 1", u""},
      {"UTF-16", Utf16Answer(u"Buddy 1", 7), 7, true, "", u"Buddy 1"},
      {"ANSI euro sign", AnsiAnswer("\x80", 1), 1, false, "\x80", u""},
      {"UTF-16 euro sign", Utf16Answer(u"\u20AC", 1), 1, true, "", u"\u20AC"},
      // One Latin-1 character reads the same either way.
      {"UTF-16 e acute", Utf16Answer(u"\u00E9", 1), 1, false, "\xE9", u""},
      {"ANSI shorter than its length", AnsiAnswer("ab", 4), 4, false, "ab", u""},
      {"UTF-16 shorter than its length", Utf16Answer(u"ab", 4), 4, true, "", u"ab"},
      {"empty", AnsiAnswer("", 0), 0, false, "", u""},
      {"UTF-16 filling the buffer without a terminator", std::string(16, 'x'), 7, true, "",
       std::u16string(8, u'\x7878')},
  };
  for (const auto& c : kCases) {
    const ItemTextAnswer got = RecogniseItemText(c.buffer, c.length);
    EXPECT_EQ(got.utf16, c.utf16) << c.name;
    EXPECT_EQ(got.ansi, c.ansi) << c.name;
    EXPECT_EQ(got.wide, c.wide) << c.name;
  }
}

}  // namespace
}  // namespace drelm
