#include "platform/image_path_choice.h"

namespace drelm {

bool IsFullPath(std::string_view path) {
  const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (path.size() >= 3 && isLetter(path[0]) && path[1] == ':' &&
      (path[2] == '\\' || path[2] == '/')) {
    return true;
  }
  return path.size() > 2 && path.starts_with("\\\\");
}

std::string ChooseImagePath(const std::function<std::string(ImagePathWay)>& read) {
  std::string bareName;
  for (const ImagePathWay way : {ImagePathWay::kImageNameQuery, ImagePathWay::kModuleFileNameEx,
                                 ImagePathWay::kFirstModule, ImagePathWay::kProcessEntry}) {
    std::string path = read(way);
    if (IsFullPath(path)) return path;
    if (way == ImagePathWay::kProcessEntry) bareName = std::move(path);
  }
  return bareName;
}

}  // namespace drelm
