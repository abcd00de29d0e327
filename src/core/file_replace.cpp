#include "core/file_replace.h"

#include <memory>

#include "platform/file_paths.h"
#include "platform/write_steps.h"

namespace drelm {

namespace {

// A temporary file this old belongs to a writer that died mid-write: no write of these small
// files takes anywhere near as long, so removing it cannot pull one from under a live writer.
constexpr double kStaleTempAgeSeconds = 10 * 60;

// Each process writes its own "<name>.<process id>.new", so two running copies never write
// into one temporary file; earlier versions used "<name>.new".
std::string TempFileFor(Files& files, const std::string& file) {
  return file + "." + std::to_string(files.ProcessId()) + ".new";
}

// New contents that are complete on the disk and wait to take the file's place. The rename that
// gives them this name is what marks them complete: a rename within a folder is one step even
// on FAT, so a file of this name is never torn.
std::string CompleteFileFor(const std::string& file) {
  return file + ".complete";
}

bool IsTempFileOf(std::string_view candidate, const std::string& fileName) {
  const std::string prefix = fileName + ".";
  constexpr std::string_view kSuffix = ".new";
  if (candidate == fileName + std::string(kSuffix)) return true;
  if (candidate.size() <= prefix.size() + kSuffix.size()) return false;
  if (!candidate.starts_with(prefix) || !candidate.ends_with(kSuffix)) return false;
  for (std::size_t i = prefix.size(); i < candidate.size() - kSuffix.size(); ++i) {
    if (candidate[i] < '0' || candidate[i] > '9') return false;
  }
  return true;
}

// What a writer killed before its contents were complete left behind is never read, only swept
// once it is old.
void RemoveStaleTempFiles(Files& files, const std::string& file) {
  const std::string folder = FolderOf(file);
  const std::string fileName = FileNameOf(file);
  for (const FolderFile& found : files.ListFiles(folder)) {
    if (IsTempFileOf(found.name, fileName) && found.ageSeconds > kStaleTempAgeSeconds) {
      files.Remove(PathInFolder(folder, found.name));
    }
  }
}

bool WriteAll(OpenFile& out, std::string_view bytes) {
  while (!bytes.empty()) {
    const long put = out.Write(bytes);
    if (put <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

// Without a one-step replace the old file has to go before the new one can take its name. The
// new contents are marked complete first, so from then on whoever touches the file next puts
// them in its place, and until then the old file stands.
bool ReplaceInSteps(Files& files, const std::string& temp, const std::string& file) {
  const std::string complete = CompleteFileFor(file);
  // Another writer's complete contents go in first, or ours could not take their name.
  if (!FinishInterruptedReplace(files, file)) {
    files.Remove(temp);
    return false;
  }
  WriteStep("mark complete");
  if (!files.Rename(temp, complete)) {
    files.Remove(temp);
    return false;
  }
  WriteStep("flush folder");
  files.FlushFolder(FolderOf(file));
  if (FinishInterruptedReplace(files, file)) return true;
  // An old file that would not go (open in another program, read-only) stays the file, so ours
  // are taken back; once it is gone, ours wait for the next read.
  if (files.IsFile(file)) files.Remove(complete);
  return false;
}

}  // namespace

// The order is what makes it whole: the new contents are on the disk before anything makes them
// the file, and the file's new name is on the disk before we report success. A kill or a power
// cut at any point leaves the old file or the new one.
bool ReplaceFileContents(Files& files, const std::string& file, std::string_view content) {
  const std::string temp = TempFileFor(files, file);
  // Only a dead writer that had our process id can have left this one.
  files.Remove(temp);
  WriteStep("create temp");
  const std::unique_ptr<OpenFile> out = files.CreateNew(temp, file);
  if (!out) return false;
  WriteStep("write temp");
  bool written = WriteAll(*out, content);
  if (written) {
    WriteStep("flush temp");
    written = out->Flush();
  }
  if (!out->Close() || !written) {
    files.Remove(temp);
    return false;
  }
  WriteStep("rename");
  switch (files.ReplaceAtomically(temp, file)) {
    case ReplaceResult::kReplaced:
      break;
    case ReplaceResult::kFailed:
      files.Remove(temp);
      return false;
    case ReplaceResult::kUnavailable:
      if (!ReplaceInSteps(files, temp, file)) return false;
      break;
  }
  WriteStep("flush folder");
  files.FlushFolder(FolderOf(file));
  WriteStep("remove stale temps");
  RemoveStaleTempFiles(files, file);
  return true;
}

bool FinishInterruptedReplace(Files& files, const std::string& file) {
  const std::string complete = CompleteFileFor(file);
  if (!files.IsFile(complete)) return true;
  WriteStep("remove old file");
  if (!files.Remove(file)) return false;
  WriteStep("rename complete file");
  return files.Rename(complete, file);
}

}  // namespace drelm
