// Replacing a whole file so that a reader sees the old contents or the new ones, never a mix,
// whatever stops the writer: a kill, a power cut, a full disk.
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

}  // namespace drelm
