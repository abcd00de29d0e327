// A fresh folder under the system's temporary directory, removed with everything in it when the
// test ends. Stands in for the program's folder in tests.
#pragma once

#include <filesystem>

namespace drelm::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace drelm::testing
