// Expected message sequences, the way Wine's user32 tests check them: a table of messages the
// window log must show, in order. Compare returns "" on a match, otherwise a report naming the
// first difference with both sequences dumped side by side.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_window_system.h"

namespace drelm::sim {

enum class Via { kSent, kPosted };

struct ExpectedMessage {
  ExpectedMessage(Hwnd w, std::uint32_t m, WParam wp, LParam lp, Via v = Via::kSent,
                  std::optional<std::string> t = std::nullopt)
      : window(w), msg(m), wParam(wp), lParam(lp), via(v), text(std::move(t)) {}
  Hwnd window = 0;
  std::uint32_t msg = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  Via via = Via::kSent;
  std::optional<std::string> text;  // checked only when given
};

std::string CompareSequence(const std::vector<MessageRecord>& actual,
                            const std::vector<ExpectedMessage>& expected);
std::string DescribeMessage(const MessageRecord& record);
std::string MessageName(std::uint32_t msg);

}  // namespace drelm::sim
