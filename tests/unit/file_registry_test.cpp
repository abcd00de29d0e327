#include "platform/posix/file_registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/temp_folder.h"

namespace drelm::posix {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

unsigned Mode(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 0777;
}

std::string AllBytes() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  return bytes;
}

class FileRegistryTest : public ::testing::Test {
 protected:
  testing::TempFolder temp;
  fs::path folder = temp.path() / "config" / "drelm";
  FileRegistry registry{folder};
};

TEST_F(FileRegistryTest, ValuesRoundTripByteForByteNamesIgnoreCaseAndAnOverwriteKeepsOneValue) {
  const RegistryValue text{kRegSz, std::string("line one\r\nline two\n\0after nul\r", 30)};
  const RegistryValue binary{kRegBinary, AllBytes()};
  const RegistryValue dword{kRegDword, std::string("\x2A\0\0\0", 4)};
  ASSERT_TRUE(registry.SetValue("settings", "regrea", text));
  ASSERT_TRUE(registry.SetValue("Settings", "blob", binary));
  ASSERT_TRUE(registry.SetValue("stats", "count", dword));
  ASSERT_TRUE(registry.SetValue("settings", "handle", {kRegSz, ""}));
  ASSERT_TRUE(registry.SetValue("Custom Settings", "Auto Idle", {kRegSz, "True"}));
  ASSERT_TRUE(registry.SetValue("custom settings", "AUTO IDLE", {kRegSz, "False"}));
  ASSERT_TRUE(registry.SetValue("settings", "afk\xC9LAN", {kRegSz, "2"}));

  FileRegistry reopened(folder);
  EXPECT_EQ(reopened.QueryValue("settings", "regrea"), text);
  EXPECT_EQ(reopened.QueryValue("settings", "BLOB"), binary);
  EXPECT_EQ(reopened.QueryValue("stats", "count"), dword);
  EXPECT_EQ(reopened.QueryValue("settings", "handle"), (RegistryValue{kRegSz, ""}));
  EXPECT_EQ(reopened.QueryValue("settings", "count"), std::nullopt) << "sections are apart";
  EXPECT_EQ(reopened.QueryValue("CUSTOM SETTINGS", "auto idle"), (RegistryValue{kRegSz, "False"}));
  EXPECT_EQ(reopened.QueryValue("settings", "afk\xE9lan"), (RegistryValue{kRegSz, "2"}))
      << "Windows-1252 letters fold too";
  int sectionFiles = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    sectionFiles += entry.path().extension() == ".section" ? 1 : 0;
  }
  EXPECT_EQ(sectionFiles, 3);
}

TEST_F(FileRegistryTest, FilesArePrivateNoTemporaryFileIsLeftAndADeletedValueLeavesNoTrace) {
  ASSERT_TRUE(registry.SetValue("aolpw", "password", {kRegSz, "secret"}));
  ASSERT_TRUE(registry.SetValue("aolpw", "password", {kRegSz, "secret2"}));
  ASSERT_TRUE(registry.SetValue("aolpw", "other", {kRegSz, "kept"}));
  for (int twice = 0; twice < 2; ++twice) EXPECT_TRUE(registry.DeleteValue("AOLPW", "Password"));
  EXPECT_TRUE(registry.DeleteValue("no such section", "password"));
  EXPECT_EQ(registry.QueryValue("aolpw", "password"), std::nullopt);
  EXPECT_EQ(registry.QueryValue("aolpw", "other"), (RegistryValue{kRegSz, "kept"}));
  EXPECT_EQ(ReadBytes(registry.SectionFile("aolpw")).find("secret"), std::string::npos);
  EXPECT_EQ(Mode(folder), 0700u);
  EXPECT_EQ(Mode(registry.SectionFile("aolpw")), 0600u);
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    EXPECT_EQ(Mode(entry.path()), 0600u) << name;
  }
}

TEST_F(FileRegistryTest, SectionNamesCannotReachOutsideTheFolder) {
  ASSERT_TRUE(registry.SetValue("../escape", "k", {kRegSz, "v"}));
  ASSERT_TRUE(registry.SetValue("a/b", "k", {kRegSz, "w"}));
  EXPECT_EQ(registry.SectionFile("../escape").parent_path(), folder);
  EXPECT_EQ(registry.SectionFile("custom settings").filename(), "custom%20settings.section");
  EXPECT_FALSE(fs::exists(folder.parent_path() / "escape.section"));
  EXPECT_EQ(registry.QueryValue("../ESCAPE", "k"), (RegistryValue{kRegSz, "v"}));
  EXPECT_EQ(registry.QueryValue("a/b", "k"), (RegistryValue{kRegSz, "w"}));
}

TEST_F(FileRegistryTest, DamagedFilesReadAsMissingWithoutCrashingAndAWriteKeepsThemAside) {
  ASSERT_TRUE(registry.SetValue("settings", "handle", {kRegSz, "quoSt"}));
  ASSERT_TRUE(registry.SetValue("settings", "aim", {kRegSz, "drelm me"}));
  const fs::path file = registry.SectionFile("settings");
  const std::string good = ReadBytes(file);

  // A flipped byte in the last record costs that record only.
  std::string flipped = good;
  flipped[flipped.size() - 6] ^= 0x20;
  WriteBytes(file, flipped);
  EXPECT_EQ(registry.QueryValue("settings", "handle"), (RegistryValue{kRegSz, "quoSt"}));
  EXPECT_EQ(registry.QueryValue("settings", "aim"), std::nullopt);
  // Writing keeps a damaged file aside for whoever wants to rescue it.
  ASSERT_TRUE(registry.SetValue("settings", "min", {kRegSz, "1"}));
  EXPECT_EQ(ReadBytes(fs::path(file) += ".bad"), flipped);

  // Every cut of the file reads without crashing and never invents a value.
  for (std::size_t length = 0; length < good.size(); ++length) {
    WriteBytes(file, good.substr(0, length));
    const auto aim = registry.QueryValue("settings", "aim");
    EXPECT_EQ(aim, std::nullopt) << "cut at " << length;
    const auto handle = registry.QueryValue("settings", "handle");
    if (handle) {
      EXPECT_EQ(*handle, (RegistryValue{kRegSz, "quoSt"})) << "cut at " << length;
    }
  }

  // Garbage, including lengths that claim more than the file holds.
  WriteBytes(file, "DRELMREG\x01\0\0\0\xFF\xFF\xFF\xFF" + std::string(10, 'x'));
  EXPECT_EQ(registry.QueryValue("settings", "handle"), std::nullopt);
  WriteBytes(file, "not a settings file at all");
  EXPECT_EQ(registry.QueryValue("settings", "handle"), std::nullopt);
  ASSERT_TRUE(registry.SetValue("settings", "handle", {kRegSz, "1"}));
  EXPECT_EQ(registry.QueryValue("settings", "handle"), (RegistryValue{kRegSz, "1"}));
  EXPECT_EQ(ReadBytes(fs::path(file) += ".bad"), "not a settings file at all");
}

TEST_F(FileRegistryTest, RefusedWritesReportFalseAndReadAsMissing) {
  fs::create_directories(temp.path());
  const fs::path plainFile = temp.path() / "plain";
  WriteBytes(plainFile, "x");
  FileRegistry blocked(plainFile / "drelm");
  EXPECT_FALSE(blocked.SetValue("settings", "handle", {kRegSz, "user"}));
  EXPECT_EQ(blocked.QueryValue("settings", "handle"), std::nullopt);

  // A section that is a folder instead of a file cannot be replaced.
  fs::create_directories(registry.SectionFile("idler"));
  EXPECT_FALSE(registry.SetValue("idler", "min", {kRegSz, "5"}));

  FileRegistry nowhere{fs::path()};
  EXPECT_FALSE(nowhere.SetValue("settings", "handle", {kRegSz, "user"}));
  EXPECT_EQ(nowhere.QueryValue("settings", "handle"), std::nullopt);
}

TEST(FileRegistryFolder, XdgConfigHomeWhenAbsoluteElseHomesDotConfig) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", "/home/u", 1);
  for (const auto& [xdg, expected] : {std::pair<std::string, std::string>{"/cfg", "/cfg/drelm"},
                                      {"", "/home/u/.config/drelm"},
                                      {"relative/path", "/home/u/.config/drelm"}}) {
    ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    EXPECT_EQ(FileRegistry::DefaultFolder(), fs::path(expected)) << xdg;
  }
  oldXdg ? ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
}  // namespace drelm::posix
