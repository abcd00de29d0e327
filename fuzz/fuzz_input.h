// What every fuzz target shares: one input cut into the several texts a parser reads together,
// and a check that stops the run like a crash, so a wrong answer is a finding too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

}  // namespace drelm::fuzz

#define FUZZ_CHECK(condition)                                                                  \
  ((condition) ? static_cast<void>(0)                                                          \
               : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition), \
                  std::abort()))
