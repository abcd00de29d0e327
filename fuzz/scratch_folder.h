// A private folder for the targets that read real files, in memory (/dev/shm) where the machine
// has it, removed when the run ends.
#pragma once

#include <filesystem>

namespace drelm::fuzz {

const std::filesystem::path& ScratchFolder();

}  // namespace drelm::fuzz
