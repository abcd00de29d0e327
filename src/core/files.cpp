#include "core/files.h"

#include <memory>

#include "core/file_replace.h"
#include "platform/file_paths.h"
#include "platform/winuser_constants.h"
#include "platform/write_steps.h"

namespace drelm {

namespace {

// A file that holds text and whose last byte ends no line: a line typed by hand without its
// end (editors save one that way), or one cut short by a power cut mid-write.
bool EndsMidLine(OpenFile& file, long long size) {
  char last = 0;
  return size > 0 && file.ReadByteAt(size - 1, last) && last != '\n' && last != '\r';
}

}  // namespace

std::string ClickSoundPath(std::string_view programFolder) {
  return PathInFolder(programFolder, kClickSoundFileName);
}

bool FileExists(Files& files, const std::string& path) {
  if (path.empty()) return false;
  FinishInterruptedReplace(files, path);
  // A folder is not a file: nothing that asks here could read or play one.
  return files.IsFile(path);
}

void PlaySoundFile(Shell& shell, Files& files, const std::string& path) {
  if (FileExists(files, path)) shell.PlaySound(path, SND_ASYNC | SND_NODEFAULT);
}

std::optional<std::string> ReadFileContents(Files& files, const std::string& file) {
  FinishInterruptedReplace(files, file);
  return files.ReadAll(file);
}

// The entry goes to the end of the file in one write and is on the disk before we return. A
// kill cannot stop the kernel half-way through one write of a line this short, so the file holds
// the entry or not; a write the disk cut short is taken back. Replacing the whole file for every
// entry would be as safe but costs a read and a rewrite of everything recorded so far, which
// grows all session long, and the file is never cleared. A last line without its end, typed by
// hand or torn by a power cut, stays a line of its own instead of being glued to the entry.
bool AppendLineDurably(Files& files, const std::string& file, std::string_view line) {
  FinishInterruptedReplace(files, file);
  WriteStep("open for append");
  const std::unique_ptr<OpenFile> out = files.OpenForAppend(file);
  if (!out) return false;
  const long long size = out->Size();
  bool written = size >= 0;
  if (written) {
    std::string entry = EndsMidLine(*out, size) ? "\r\n" : "";
    entry.append(line).append("\r\n");
    WriteStep("append line");
    const long put = out->Write(entry);
    written = put == static_cast<long>(entry.size());
    if (!written && put > 0) out->CutTo(size);
  }
  if (written) {
    WriteStep("flush line");
    written = out->Flush();
  }
  return out->Close() && written;
}

}  // namespace drelm
