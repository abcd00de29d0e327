#include "platform/posix/file_registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/write_steps.h"
#include "text/ansi.h"

namespace drelm::posix {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMagic = "DRELMREG";
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::string_view kSectionSuffix = ".section";
constexpr std::string_view kDamagedSuffix = ".bad";
constexpr std::string_view kLockFileName = ".lock";
constexpr int kTempNameAttempts = 100;

struct Record {
  std::string name;
  RegistryValue value;
};

enum class LoadStatus { kMissing, kRead, kDamaged, kFailed };

struct Section {
  LoadStatus status = LoadStatus::kMissing;
  std::vector<Record> records;
};

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) crc = kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void PutU32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}

bool TakeU32(std::string_view& in, std::uint32_t& value) {
  if (in.size() < 4) return false;
  value = 0;
  for (int i = 0; i < 4; ++i) value |= std::uint32_t{static_cast<unsigned char>(in[i])} << (8 * i);
  in.remove_prefix(4);
  return true;
}

bool TakeBytes(std::string_view& in, std::uint32_t count, std::string& out) {
  if (in.size() < count) return false;
  out.assign(in.substr(0, count));
  in.remove_prefix(count);
  return true;
}

std::string RecordBytes(const Record& record) {
  std::string out;
  PutU32(out, static_cast<std::uint32_t>(record.name.size()));
  out += record.name;
  PutU32(out, record.value.type);
  PutU32(out, static_cast<std::uint32_t>(record.value.data.size()));
  out += record.value.data;
  PutU32(out, Crc32(out));
  return out;
}

std::string Serialize(const std::vector<Record>& records) {
  std::string out(kMagic);
  PutU32(out, kFormatVersion);
  for (const Record& record : records) out += RecordBytes(record);
  return out;
}

// Reads records up to the first one that is cut short or fails its check.
Section Parse(std::string_view bytes) {
  Section section;
  std::uint32_t version = 0;
  if (!bytes.starts_with(kMagic)) {
    section.status = LoadStatus::kDamaged;
    return section;
  }
  bytes.remove_prefix(kMagic.size());
  if (!TakeU32(bytes, version) || version != kFormatVersion) {
    section.status = LoadStatus::kDamaged;
    return section;
  }
  section.status = LoadStatus::kRead;
  while (!bytes.empty()) {
    const std::string_view start = bytes;
    Record record;
    std::uint32_t nameLength = 0;
    std::uint32_t dataLength = 0;
    std::uint32_t crc = 0;
    const bool whole = TakeU32(bytes, nameLength) && TakeBytes(bytes, nameLength, record.name) &&
                       TakeU32(bytes, record.value.type) && TakeU32(bytes, dataLength) &&
                       TakeBytes(bytes, dataLength, record.value.data);
    const std::size_t checkedLength = start.size() - bytes.size();
    if (!whole || !TakeU32(bytes, crc) || crc != Crc32(start.substr(0, checkedLength))) {
      section.status = LoadStatus::kDamaged;
      return section;
    }
    section.records.push_back(std::move(record));
  }
  return section;
}

Section LoadSection(const fs::path& file) {
  Section section;
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    section.status = errno == ENOENT ? LoadStatus::kMissing : LoadStatus::kFailed;
    return section;
  }
  std::string bytes;
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      section.status = LoadStatus::kFailed;
      return section;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return Parse(bytes);
}

// A hand-edited file may hold a name twice; the later record is the one a rewrite keeps.
const Record* FindRecord(const std::vector<Record>& records, std::string_view name) {
  for (auto it = records.rbegin(); it != records.rend(); ++it) {
    if (EqualsIgnoreCase(it->name, name)) return &*it;
  }
  return nullptr;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

bool MakePrivateFolder(const fs::path& folder) {
  fs::path built;
  for (const fs::path& part : folder) {
    built /= part;
    if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat info {};
  return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void SleepMs(long ms) {
  timespec delay{ms / 1000, (ms % 1000) * 1'000'000};
  while (::nanosleep(&delay, &delay) != 0 && errno == EINTR) {
  }
}

// Keeps two running copies from each rewriting a section with the other's change missing.
class SectionLock {
 public:
  explicit SectionLock(const fs::path& folder) {
    fd_ = ::open((folder / kLockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    for (long waited = 0; waited < kSettingsLockWaitMs; waited += kSettingsLockRetryMs) {
      if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
      if (errno != EWOULDBLOCK && errno != EINTR) return;
      SleepMs(kSettingsLockRetryMs);
    }
  }
  ~SectionLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  SectionLock(const SectionLock&) = delete;
  SectionLock& operator=(const SectionLock&) = delete;

 private:
  int fd_ = -1;
};

// Writes a private temporary file beside the target, flushes it to disk and renames it over
// the target, so a reader sees the old file or the new one and never a part of either.
bool ReplaceFile(const fs::path& folder, const fs::path& file, std::string_view bytes,
                 bool keepOldAsDamaged) {
  static unsigned counter = 0;
  fs::path temp;
  int fd = -1;
  WriteStep("create temp");
  for (int attempt = 0; attempt < kTempNameAttempts && fd < 0; ++attempt) {
    temp = folder / ("." + file.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-" +
                     std::to_string(++counter));
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  WriteStep("write temp");
  bool written = ::fchmod(fd, 0600) == 0 && WriteAll(fd, bytes);
  if (written) {
    WriteStep("flush temp");
    written = ::fsync(fd) == 0;
  }
  if (::close(fd) != 0 || !written) {
    ::unlink(temp.c_str());
    return false;
  }
  if (keepOldAsDamaged) {
    // Copied, not moved: moving it would leave no section file at all until the rename below.
    WriteStep("keep damaged aside");
    fs::path aside = file;
    aside += kDamagedSuffix;
    std::error_code error;
    fs::copy_file(file, aside, fs::copy_options::overwrite_existing, error);
    if (error) {
      ::unlink(temp.c_str());
      return false;
    }
  }
  WriteStep("rename");
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself must reach the disk too; if this fails the value is still in place.
  WriteStep("flush folder");
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

std::string EscapeFileName(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : name) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
      out.push_back(static_cast<char>(c));
    } else {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 0xF]);
    }
  }
  return out;
}

fs::path HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return home;
  const passwd* entry = ::getpwuid(::getuid());
  if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] != '\0') {
    return entry->pw_dir;
  }
  return {};
}

}  // namespace

fs::path FileRegistry::DefaultFolder() {
  // A relative XDG_CONFIG_HOME is invalid and must be ignored.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return fs::path(config) / "drelm";
  const fs::path home = HomeFolder();
  if (home.empty()) return {};
  return home / ".config" / "drelm";
}

fs::path FileRegistry::SectionFile(const std::string& section) const {
  return folder_ / (EscapeFileName(LowerAnsi(section)) + std::string(kSectionSuffix));
}

bool FileRegistry::SetValue(const std::string& section, const std::string& name,
                            const RegistryValue& value) {
  constexpr std::size_t kMaxLength = std::numeric_limits<std::uint32_t>::max();
  if (folder_.empty() || name.size() > kMaxLength || value.data.size() > kMaxLength) return false;
  if (!MakePrivateFolder(folder_)) return false;

  const SectionLock lock(folder_);
  const fs::path file = SectionFile(section);
  Section loaded = LoadSection(file);
  // A file that exists but cannot be read would be lost by a rewrite.
  if (loaded.status == LoadStatus::kFailed) return false;

  // One record per name; of names a hand-edited file holds twice, the later value wins.
  std::vector<Record> records;
  records.reserve(loaded.records.size() + 1);
  auto put = [&records](Record record) {
    for (Record& kept : records) {
      if (EqualsIgnoreCase(kept.name, record.name)) {
        kept.value = std::move(record.value);  // the name keeps the spelling it was created with
        return;
      }
    }
    records.push_back(std::move(record));
  };
  for (Record& record : loaded.records) put(std::move(record));
  put(Record{name, value});
  return ReplaceFile(folder_, file, Serialize(records), loaded.status == LoadStatus::kDamaged);
}

bool FileRegistry::DeleteValue(const std::string& section, const std::string& name) {
  if (folder_.empty()) return true;
  const SectionLock lock(folder_);
  const fs::path file = SectionFile(section);
  Section loaded = LoadSection(file);
  if (loaded.status == LoadStatus::kFailed) return false;
  std::vector<Record> records;
  for (Record& record : loaded.records) {
    if (!EqualsIgnoreCase(record.name, name)) records.push_back(std::move(record));
  }
  if (records.size() == loaded.records.size()) return true;
  return ReplaceFile(folder_, file, Serialize(records), loaded.status == LoadStatus::kDamaged);
}

std::optional<RegistryValue> FileRegistry::QueryValue(const std::string& section,
                                                      const std::string& name) {
  if (folder_.empty()) return std::nullopt;
  const Section loaded = LoadSection(SectionFile(section));
  const Record* record = FindRecord(loaded.records, name);
  if (record == nullptr) return std::nullopt;
  return record->value;
}

}  // namespace drelm::posix
