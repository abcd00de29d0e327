// The files of the Windows desktop through kernel32's ANSI calls that Windows 98 has; the one
// newer call, MoveFileExA, is looked up at run time and missing on 98 and ME.
#pragma once

#include "platform/files.h"

namespace drelm::win32 {

class Win32Files : public Files {
 public:
  std::unique_ptr<OpenFile> CreateNew(const std::string& path,
                                      const std::string& permissionsOf) override;
  std::unique_ptr<OpenFile> OpenForAppend(const std::string& path) override;
  std::optional<std::string> ReadAll(const std::string& path) override;
  bool IsFile(const std::string& path) override;
  bool Remove(const std::string& path) override;
  bool Rename(const std::string& from, const std::string& to) override;
  ReplaceResult ReplaceAtomically(const std::string& from, const std::string& to) override;
  void FlushFolder(const std::string& folder) override;
  std::vector<FolderFile> ListFiles(const std::string& folder) override;
  unsigned long ProcessId() override;
};

}  // namespace drelm::win32
