#include "platform/file_paths.h"

namespace drelm {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr std::string_view kSeparators = "\\/";
#else
constexpr char kSeparator = '/';
constexpr std::string_view kSeparators = "/";
#endif

bool EndsInSeparator(std::string_view path) {
  return !path.empty() && kSeparators.find(path.back()) != std::string_view::npos;
}

}  // namespace

std::string PathInFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && !EndsInSeparator(path)) path += kSeparator;
  return path.append(name);
}

std::string FolderOf(std::string_view path) {
  const std::size_t last = path.find_last_of(kSeparators);
  if (last == std::string_view::npos) return ".";
  // The root keeps its separator: "/" and "C:\" are folders, "C:" is not the root.
  const bool root = last == 0 || (last == 2 && path[1] == ':');
  return std::string(path.substr(0, root ? last + 1 : last));
}

std::string FileNameOf(std::string_view path) {
  const std::size_t last = path.find_last_of(kSeparators);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

}  // namespace drelm
