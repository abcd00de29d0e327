// The client's version as read from a help-menu item and from a program file's version text, and
// the program path disconnect protection would start the client from.
#include "aol/process_path.h"
#include "aol/window_lookup.h"
#include "fuzz_input.h"
#include "text/ansi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drelm;
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::optional<std::string> menu = VersionOfMenuItem(text);
  FUZZ_CHECK(!menu || menu->size() <= 1);

  // A major number is plain digits without a leading zero, and one the version number agrees on.
  const std::string major = MajorOfFileVersion(text);
  FUZZ_CHECK(major.empty() || (major[0] >= '1' && major[0] <= '9'));
  FUZZ_CHECK(major.find_first_not_of("0123456789") == std::string::npos);
  FUZZ_CHECK(major.empty() || std::to_string(LeadingNumber(major)) == major);

  if (IsFullProgramPath(text)) FUZZ_CHECK(text.size() > 4);
  return 0;
}
