// Every bound on a wait and every poll interval of the program, in one place. Where the original
// design waits without end, the bound here is one that a working AOL client meets with room to
// spare; on expiry the operation logs what it gave up and returns.
#pragma once

#include <cstdint>

namespace drelm::timeouts {

// Cross-process SendMessageTimeout: a hung AOL client cannot hang us.
inline constexpr std::uint32_t kCrossProcessSendMs = 5000;

// The careful chat send: how long the chat room may be gone before the send gives up, and how
// many whole attempts it makes at most.
inline constexpr int kChatSendMaxAttempts = 20;

}  // namespace drelm::timeouts
