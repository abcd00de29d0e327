// An away reason with its tags expanded from stored totals, the clock and the chosen colour (any
// text the user typed). Values holding tags must not make the expansion run on, and each kind
// of tag asks for one pause before it, never more.
#include "fuzz_input.h"
#include "idle/reasons.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drelm;
  const std::vector<std::string> f = fuzz::Fields(data, size, 7);
  const ReasonTagValues values{f[1], f[2], f[3], f[4], f[5], f[6]};
  int pauses = 0;
  const std::string text = ExpandReason(f[0], values, [&pauses] { ++pauses; });
  FUZZ_CHECK(pauses <= 6);
  // Values may bring in tags of the kinds replaced after them, but no pass outgrows the limit.
  FUZZ_CHECK(text.size() <= f[0].size() + 6 * kMaxExpandedReason);
  return 0;
}
