// Which program file a process runs, from the ways Windows offers to ask, each present on some
// versions only: the image name query (Vista on), psapi's module file name (NT 4, 2000, XP), the
// first module of a Toolhelp snapshot, and the snapshot's process entry, whose file name is the
// full path on 98 and ME but the bare name on NT. The choice is made here, apart from the calls,
// so it is the same on every Windows and testable without one.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace drelm {

// Best first. A way this Windows lacks reads as empty.
enum class ImagePathWay { kImageNameQuery, kModuleFileNameEx, kFirstModule, kProcessEntry };

// A drive path ("C:\...") or a network one ("\\server\...").
bool IsFullPath(std::string_view path);

// The first reading that is a full path, asking no further once one is found; else the process
// entry's bare file name, which is all NT gives for some processes and which no caller takes for
// a path; else empty.
std::string ChooseImagePath(const std::function<std::string(ImagePathWay)>& read);

}  // namespace drelm
