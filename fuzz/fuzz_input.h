// What every fuzz target shares: one input cut into the several texts a parser reads together,
// a check that stops the run like a crash, so a wrong answer is a finding too, and a private
// folder for the targets that read real files.
#pragma once

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace drelm::fuzz {

// The byte between two texts of one input (ASCII "record separator"): no client text holds it,
// and a seed written by hand stays readable.
inline constexpr char kFieldBreak = '\x1e';

// The input cut at kFieldBreak into at most count texts, the last taking the rest; missing texts
// are empty, so every target sees exactly count of them.
inline std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size,
                                       std::size_t count) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> fields;
  while (fields.size() + 1 < count) {
    const std::size_t at = rest.find(kFieldBreak);
    if (at == std::string_view::npos) break;
    fields.emplace_back(rest.substr(0, at));
    rest.remove_prefix(at + 1);
  }
  fields.emplace_back(rest);
  fields.resize(count);
  return fields;
}

// In memory (/dev/shm) where the machine has it; removed when the run ends.
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

#define FUZZ_CHECK(condition)                                                                  \
  ((condition) ? static_cast<void>(0)                                                          \
               : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition), \
                  std::abort()))
