// The settings store's reading of a section file as it may be found on disk: cut short, damaged,
// hand-edited or written by anything else. Whatever it holds, a value that reads keeps reading the
// same after another value of its section was written, and the written value reads back.
#include <fstream>

#include "fuzz_input.h"
#include "platform/posix/file_registry.h"
#include "text/ansi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drelm;
  static const std::string kSection = "Settings";
  static const char* const kNames[] = {"a", "B", "name", "Sound", "new"};
  posix::FileRegistry registry(fuzz::ScratchFolder());
  const std::filesystem::path file = registry.SectionFile(kSection);
  std::filesystem::remove(file.string() + ".bad");  // where a damaged section file is set aside
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    FUZZ_CHECK(out.good());
  }

  std::optional<RegistryValue> before[std::size(kNames)];
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    before[i] = registry.QueryValue(kSection, kNames[i]);
  }
  const RegistryValue written{kRegSz, "written"};
  FUZZ_CHECK(registry.SetValue(kSection, "NEW", written));
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    const std::optional<RegistryValue> after = registry.QueryValue(kSection, kNames[i]);
    FUZZ_CHECK(EqualsIgnoreCase(kNames[i], "new") ? after == written : after == before[i]);
  }
  return 0;
}
