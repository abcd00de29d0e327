// Expected message sequences, the way Wine's user32 tests check them: a table of messages the
// window log must show, in order. An entry may accept any wParam or lParam, and may be optional
// (matched when it comes, skipped when it does not). Compare returns "" on a match, otherwise a
// report naming the first difference with both sequences dumped.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_window_system.h"

namespace drelm::sim {

enum class Via { kSent, kPosted };

// How loosely an entry matches; flags combine.
enum MatchFlags : unsigned {
  kExact = 0,
  kAnyWParam = 1,
  kAnyLParam = 2,
  kAnyParams = kAnyWParam | kAnyLParam,
  kOptional = 4,
};

struct ExpectedMessage {
  ExpectedMessage(Hwnd w, std::uint32_t m, WParam wp, LParam lp, Via v = Via::kSent,
                  std::optional<std::string> t = std::nullopt, unsigned f = kExact)
      : window(w), msg(m), wParam(wp), lParam(lp), via(v), text(std::move(t)), flags(f) {}
  Hwnd window = 0;
  std::uint32_t msg = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  Via via = Via::kSent;
  std::optional<std::string> text;  // checked only when given
  unsigned flags = kExact;

  bool Matches(const MessageRecord& record) const;
};

std::string CompareSequence(const std::vector<MessageRecord>& actual,
                            const std::vector<ExpectedMessage>& expected);
std::string DescribeMessage(const MessageRecord& record);
std::string MessageName(std::uint32_t msg);

}  // namespace drelm::sim
