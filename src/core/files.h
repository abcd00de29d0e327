// The files that sit beside the program, and the operations on them that many commands share.
// Paths are ANSI byte strings; a missing file is never an error. A replace of a file that was
// cut short on a system without a one-step replace is finished by the next operation on it
// here, so every read sees the old contents or the new ones.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_paths.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace drelm {

inline constexpr std::string_view kLogFileName = "log.txt";
inline constexpr std::string_view kClickSoundFileName = "add1.wav";
inline constexpr std::string_view kReasonsFileName = "drelm-reasons.tmp";
// Every message the away recorder notes, one entry a line, kept until the user deletes it.
inline constexpr std::string_view kAwayMessagesFileName = "drelm-afk-messages.txt";

std::string ClickSoundPath(std::string_view programFolder);

// False for an empty path or a folder; otherwise true exactly when the file exists.
bool FileExists(Files& files, const std::string& path);

// Starts the wave file playing in the background, without the system's default sound as a
// stand-in; a missing file plays nothing.
void PlaySoundFile(Shell& shell, Files& files, const std::string& path);

// The whole file; empty when it is missing or cannot be read.
std::optional<std::string> ReadFileContents(Files& files, const std::string& file);

// Adds line and a CR LF at the end of the file and forces them to the disk before returning: a
// kill or a full disk leaves the old lines or the old lines and this one, never part of it.
// False when the file could not be opened for reading and writing or the line not written.
bool AppendLineDurably(Files& files, const std::string& file, std::string_view line);

}  // namespace drelm
