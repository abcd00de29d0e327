// Replacing a whole file so that a reader sees the old contents or the new ones, never a mix,
// whatever stops the writer: a kill, a power cut, a full disk. Where the system cannot replace
// a file in one step (Windows 98 and ME), the new contents are first kept complete under a
// name of their own, and whoever next reads or writes the file finishes the replace.
#pragma once

#include <string>
#include <string_view>

#include "platform/files.h"

namespace drelm {

// Writes content to a temporary file beside the file, forces it to the disk and puts it in the
// file's place, so a crash, a power cut or a full disk mid-write leaves the previous contents
// whole, and success means the new contents survive either. False when the file was not
// replaced.
bool ReplaceFileContents(Files& files, const std::string& file, std::string_view content);

// Puts the complete new contents that a writer stopped mid-replace left behind in the file's
// place. False when there were some and they could not be put there (the file is then as it
// was); true when there were none.
bool FinishInterruptedReplace(Files& files, const std::string& file);

}  // namespace drelm
