// The GoogleTest face of the simulator's message log: EXPECT_MESSAGES(records, table) fails with
// the file and line of the check and both sequences dumped side by side.
#pragma once

#include <gtest/gtest.h>

#include "platform/sim/message_sequence.h"

#define EXPECT_MESSAGES(actual, ...)                                        \
  do {                                                                      \
    const std::string drelmSequenceReport = ::drelm::sim::CompareSequence(  \
        (actual), std::vector<::drelm::sim::ExpectedMessage>(__VA_ARGS__)); \
    EXPECT_TRUE(drelmSequenceReport.empty()) << drelmSequenceReport;        \
  } while (0)
