// Plain files on the local disk, named by ANSI (Windows-1252) paths: the few primitives the
// program's durable writes are built from. No call throws; each answers by its result, and a
// missing file is an answer, not an error. Replacing a file in one step is the one primitive a
// system may lack (Windows 98 and ME have no MoveFileEx); callers then build it from the others.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace drelm {

// One open file; destroying it closes it.
class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // One write call to the system, at the end of a file opened for appending: the number of bytes
  // it took (possibly fewer than given), or -1.
  virtual long Write(std::string_view bytes) = 0;
  // What was written is on the disk, not only in the system's cache.
  virtual bool Flush() = 0;
  // -1 when unknown.
  virtual long long Size() = 0;
  virtual bool ReadByteAt(long long offset, char& byte) = 0;
  // Cuts the file back to size bytes.
  virtual bool CutTo(long long size) = 0;
  // False when the system reports that the file did not close cleanly.
  virtual bool Close() = 0;
};

// A file directly in a folder, and how many seconds ago it was last written.
struct FolderFile {
  std::string name;
  double ageSeconds = 0;
};

enum class ReplaceResult { kReplaced, kFailed, kUnavailable };

class Files {
 public:
  virtual ~Files() = default;
  // A file that does not exist yet, for writing; where files have permissions it gets those of
  // permissionsOf when that file exists. Null when the name is taken or the file cannot be made.
  virtual std::unique_ptr<OpenFile> CreateNew(const std::string& path,
                                              const std::string& permissionsOf) = 0;
  // For reading and appending; made empty when missing. Null when it cannot be opened.
  virtual std::unique_ptr<OpenFile> OpenForAppend(const std::string& path) = 0;
  // The whole file; empty when it is missing, a folder or cannot be read.
  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  // True for a file (not a folder) that exists.
  virtual bool IsFile(const std::string& path) = 0;
  // True when the file is gone afterwards, also when there was none.
  virtual bool Remove(const std::string& path) = 0;
  // Gives the file a name that no file has: false when one has, and nothing is changed.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Puts from in the place of to in one step, whether or not to exists: a reader sees the old
  // file or the new one. kUnavailable where the system cannot; nothing is changed then.
  virtual ReplaceResult ReplaceAtomically(const std::string& from, const std::string& to) = 0;
  // Puts the names changed in the folder on the disk, where the system does not by itself.
  virtual void FlushFolder(const std::string& folder) = 0;
  // The files (not folders) directly in the folder; empty when it cannot be read.
  virtual std::vector<FolderFile> ListFiles(const std::string& folder) = 0;
  // Tells this process's temporary files from another running copy's.
  virtual unsigned long ProcessId() = 0;
};

}  // namespace drelm
