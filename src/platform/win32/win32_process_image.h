// Which program file a process runs: each way Windows offers to ask (platform/image_path_choice.h
// chooses among them).
#pragma once

#include <string>

#include "platform/image_path_choice.h"
#include "platform/types.h"

namespace drelm::win32 {

// The full path where this Windows tells it, else the bare file name, else empty.
std::string ProcessImagePath(ProcessId pid);
// What one way reads for the process: empty where this Windows lacks the way or refuses it.
std::string ReadImagePath(ImagePathWay way, ProcessId pid);

}  // namespace drelm::win32
