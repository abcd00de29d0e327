// The files that sit beside the program, and the two small operations on them that many
// commands share. Paths are plain; a missing file is never an error.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/shell.h"

namespace drelm {

inline constexpr std::string_view kLogFileName = "log.txt";
inline constexpr std::string_view kClickSoundFileName = "add1.wav";
inline constexpr std::string_view kReasonsFileName = "drelm-reasons.tmp";
// Every message the away recorder notes, one entry a line, kept until the user deletes it.
inline constexpr std::string_view kAwayMessagesFileName = "drelm-afk-messages.txt";

// False for an empty path or a folder; otherwise true exactly when the file exists.
bool FileExists(const std::filesystem::path& path);

// Starts the wave file playing in the background, without the system's default sound as a
// stand-in; a missing file plays nothing.
void PlaySoundFile(Shell& shell, const std::filesystem::path& path);

// Writes content to a temporary file beside the file, forces it to the disk and renames it over
// the file, so a crash, a power cut or a full disk mid-write leaves the previous contents whole,
// and success means the new contents survive either. False when the file was not replaced.
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view content);

// Adds line and a CR LF at the end of the file and forces them to the disk before returning: a
// kill or a full disk leaves the old lines or the old lines and this one, never part of it.
// False when the file could not be opened for reading and writing or the line not written.
bool AppendLineDurably(const std::filesystem::path& file, std::string_view line);

std::filesystem::path ClickSoundPath(const std::filesystem::path& programFolder);

}  // namespace drelm
