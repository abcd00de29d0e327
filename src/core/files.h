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

// Writes content beside the file and renames it over the file, so a crash or a full disk
// mid-write leaves the previous contents whole. False when the file was not replaced.
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view content);

// Appends line and a CR LF and forces them to the disk before returning, so what was written
// survives a crash or a power cut. False when the file could not be written.
bool AppendLineDurably(const std::filesystem::path& file, std::string_view line);

std::filesystem::path ClickSoundPath(const std::filesystem::path& programFolder);

}  // namespace drelm
