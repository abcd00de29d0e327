// A private folder for the targets that read real files, in memory (/dev/shm) where the machine
// has it, removed when the run ends.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace drelm::fuzz {

inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string name = (base / "drelm-fuzz-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) std::abort();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolder(), ignored);
    });
    return std::filesystem::path(name);
  }();
  return folder;
}

}  // namespace drelm::fuzz
