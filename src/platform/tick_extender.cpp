#include "platform/tick_extender.h"

namespace drelm {

std::uint64_t TickExtender::Extend(std::uint32_t tick) {
  if (tick < last_) ++wraps_;
  last_ = tick;
  return (wraps_ << 32) | tick;
}

}  // namespace drelm
