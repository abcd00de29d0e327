// The files of a POSIX host (Linux), for drelm-sim and every test: paths are byte strings as the
// kernel takes them. It can be told to lack the one-step replace, as Windows 98 and ME do, so the
// way the program replaces files there runs on Linux too.
#pragma once

#include "platform/files.h"

namespace drelm::posix {

class PosixFiles : public Files {
 public:
  explicit PosixFiles(bool canReplaceAtomically = true)
      : canReplaceAtomically_(canReplaceAtomically) {}

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

  void SetCanReplaceAtomically(bool can) { canReplaceAtomically_ = can; }

 private:
  bool canReplaceAtomically_;
};

}  // namespace drelm::posix
