// An away reason with its tags expanded from stored totals, the clock and the chosen colour. A
// value holding a tag must not make the expansion run on, and each tag present asks for one
// pause before it, never more.
#include "fuzz_input.h"
#include "idle/reasons.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drelm;
  const std::vector<std::string> f = fuzz::Fields(data, size, 7);
  const ReasonTagValues values{f[1], f[2], f[3], f[4], f[5], f[6]};
  int pauses = 0;
  const std::string text = ExpandReason(f[0], values, [&pauses] { ++pauses; });
  FUZZ_CHECK(pauses <= 6);
  // Each tag (five bytes at least) gives one value: no more than all values and the colour twice
  // more, with the markup and site addresses around them.
  std::size_t value = 300 + 2 * f[6].size();
  for (std::size_t i = 1; i < f.size(); ++i) value += f[i].size();
  FUZZ_CHECK(text.size() <= f[0].size() + (f[0].size() / 5) * value);
  return 0;
}
