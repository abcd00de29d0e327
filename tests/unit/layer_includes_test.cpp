// Dependencies point down only. Every #include "…" of the product's own code is checked against
// the table below, the one place the allowed layers are written; a folder the table does not
// know fails too, so a new folder has to take its place in the matrix.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace drelm {
namespace {

namespace fs = std::filesystem;

// Layer -> the layers it may include besides itself.
const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"text", {}},
    {"platform", {"text"}},
    {"platform/sim", {"platform", "platform/posix", "text"}},
    {"platform/posix", {"platform", "text"}},
    {"platform/win32", {"platform", "text"}},
    {"core", {"platform", "text"}},
    {"aol", {"core", "platform", "text"}},
    {"idle", {"aol", "core", "platform", "text"}},
    {"options", {"idle", "aol", "core", "platform", "text"}},
    {"tools", {"options", "idle", "aol", "core", "platform", "text"}},
    {"program", {"tools", "options", "idle", "aol", "core", "platform", "text"}},
    {"ui/win32",
     {"program", "tools", "options", "idle", "aol", "core", "platform", "platform/win32", "text"}},
    // The stand-in AOL client: its model knows only the seam; each host adds its backend.
    {"standin", {"platform", "text"}},
    {"standin/sim", {"standin", "platform/sim", "platform", "text"}},
    {"standin/win32", {"standin", "platform/win32", "platform", "text"}},
};

// The layer of a path relative to the repository ("src/aol/x.h", "standin/win32/y.h") or of an
// include written the way our code writes them ("aol/x.h", "standin/win32/y.h").
std::string LayerOf(std::string path) {
  if (path.starts_with("src/")) path.erase(0, 4);
  const auto slash = path.find('/');
  if (slash == std::string::npos) return {};
  const auto second = path.find('/', slash + 1);
  if (second != std::string::npos) {
    const std::string two = path.substr(0, second);
    if (kMayInclude.contains(two)) return two;
  }
  return path.substr(0, slash);
}

// One line per include against the matrix and per folder without a row in it.
std::string CheckTree(const fs::path& root) {
  std::string report;
  const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
  for (const char* top : {"src", "standin"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
      const auto ext = entry.path().extension();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      const std::string file = fs::relative(entry.path(), root).generic_string();
      const std::string layer = LayerOf(file);
      if (!kMayInclude.contains(layer)) {
        report += "  " + file + ": folder " + layer + " has no row in the matrix\n";
        continue;
      }
      std::ifstream in(entry.path());
      std::string line;
      for (int number = 1; std::getline(in, line); ++number) {
        std::smatch match;
        if (!std::regex_search(line, match, include)) continue;
        const std::string target = LayerOf(match[1]);
        if (target.empty() || target == layer || kMayInclude.at(layer).contains(target)) continue;
        report += "  " + file + ":" + std::to_string(number) + " " + layer + " includes " +
                  match[1].str() + "\n";
      }
    }
  }
  return report;
}

TEST(LayerIncludes, NoLayerIncludesOneAboveOrBesideIt) {
  EXPECT_EQ(CheckTree(DRELM_SOURCE_DIR), "") << "includes against the matrix";
}

}  // namespace
}  // namespace drelm
