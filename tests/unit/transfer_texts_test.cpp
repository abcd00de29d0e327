#include "aol/transfer_texts.h"

#include <gtest/gtest.h>

namespace drelm {
namespace {

TEST(TransferTexts, ShorteningCutsOnlyNamesLongerThanTheLengthAndOnlyWhenOn) {
  const std::string name35(35, 'a');
  const std::string name40 = name35 + "bcdef";
  EXPECT_EQ(ShortenFileName(name40, true, 35), "\"" + name35 + "...\"");
  EXPECT_EQ(ShortenFileName(name35, true, 35), name35) << "as long as the limit: kept whole";
  EXPECT_EQ(ShortenFileName(name40, false, 35), name40);
  EXPECT_EQ(ShortenFileName("abc", true, -4), "\"...\"") << "a negative length counts as 0";
}

}  // namespace
}  // namespace drelm
