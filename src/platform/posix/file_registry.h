// The settings registry of a Linux host: one file per section in a private folder, by default
// $XDG_CONFIG_HOME/drelm (or ~/.config/drelm). Values keep their type and every byte; section
// and value names compare without regard to case. A write replaces its section's file as a
// whole and atomically, or returns false and changes nothing.
//
// On disk (all numbers 32-bit little-endian):
//   file   "<section>.section": the section lower-cased, every byte other than a-z, 0-9, "-"
//          and "_" written as "%XX" (a blank is "%20"); mode 0600, folder 0700
//   header "DRELMREG" then version 1
//   record name length, name, type, data length, data, CRC-32 of the record's bytes before it
// A record that is cut short or fails its check ends the section: the records before it still
// read, the rest read as missing. The next write of that section first keeps the damaged file
// as "<section>.section.bad", so nothing is silently thrown away.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace drelm::posix {

// Another running copy holds a section's lock only for the read and replace of one small file,
// so a lock still held after this long belongs to a stuck process and the write goes ahead alone.
inline constexpr long kSettingsLockWaitMs = 2000;
inline constexpr long kSettingsLockRetryMs = 10;

class FileRegistry : public Registry {
 public:
  FileRegistry() : FileRegistry(DefaultFolder()) {}
  explicit FileRegistry(std::filesystem::path folder) : folder_(std::move(folder)) {}

  // Empty when neither XDG_CONFIG_HOME nor a home folder is known; such a store keeps nothing.
  static std::filesystem::path DefaultFolder();

  bool SetValue(const std::string& section, const std::string& name,
                const RegistryValue& value) override;
  std::optional<RegistryValue> QueryValue(const std::string& section,
                                          const std::string& name) override;
  bool DeleteValue(const std::string& section, const std::string& name) override;

  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path SectionFile(const std::string& section) const;

 private:
  std::filesystem::path folder_;
};

}  // namespace drelm::posix
