// The names read out of client captions: the sender of an incoming IM and the screen name of the
// welcome window. Each is a piece of the caption it came from, never more.
#include "aol/client_windows.h"
#include "aol/instant_messages.h"
#include "fuzz_input.h"
#include "text/ansi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drelm;
  const std::string caption(reinterpret_cast<const char*>(data), size);

  const std::string sender = ImSenderOfCaption(caption);
  const std::string lower = LowerAnsi(caption);
  FUZZ_CHECK(lower.ends_with(sender));
  FUZZ_CHECK(sender.empty() || lower.find("from:") != std::string::npos);

  const std::string name = ScreenNameOfWelcomeCaption(caption);
  FUZZ_CHECK(name.find('!') == std::string::npos);
  FUZZ_CHECK(name.empty() || caption.compare(9, name.size(), name) == 0);
  return 0;
}
