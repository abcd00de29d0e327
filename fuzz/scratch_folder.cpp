#include "scratch_folder.h"

#include <stdlib.h>

#include <cstdlib>
#include <string>

namespace drelm::fuzz {

namespace {

std::filesystem::path MakeFolder() {
  std::error_code error;
  const std::filesystem::path shm = "/dev/shm";
  const std::filesystem::path base =
      std::filesystem::is_directory(shm, error) ? shm : std::filesystem::temp_directory_path();
  std::string name = (base / "drelm-fuzz-XXXXXX").string();
  if (::mkdtemp(name.data()) == nullptr) std::abort();
  return name;
}

}  // namespace

const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = MakeFolder();
  static const bool cleanup = [] {
    return std::atexit([] {
             std::error_code error;
             std::filesystem::remove_all(folder, error);
           }) == 0;
  }();
  (void)cleanup;
  return folder;
}

}  // namespace drelm::fuzz
