// Texts read out of the client's windows and files, one input for all: the sender of an incoming
// IM and the screen name of the welcome window (each a piece of the caption, never more), a
// mailbox line's subject (what follows its second tab, without NULs), the version of a help-menu
// item and of a program file's version text, and the program path disconnect protection uses.
#include "aol/client_windows.h"
#include "aol/instant_messages.h"
#include "aol/mail_reader.h"
#include "aol/process_path.h"
#include "aol/window_lookup.h"
#include "fuzz_input.h"
#include "text/ansi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drelm;
  const std::string text(reinterpret_cast<const char*>(data), size);

  const std::string sender = ImSenderOfCaption(text);
  FUZZ_CHECK(LowerAnsi(text).ends_with(sender));
  FUZZ_CHECK(sender.empty() || LowerAnsi(text).find("from:") != std::string::npos);
  const std::string name = ScreenNameOfWelcomeCaption(text);
  FUZZ_CHECK(name.find('!') == std::string::npos);
  FUZZ_CHECK(name.empty() || text.compare(9, name.size(), name) == 0);

  const std::string subject = MailboxSubject(text);
  std::string withoutNuls = text;
  std::erase(withoutNuls, '\0');
  FUZZ_CHECK(subject.find('\0') == std::string::npos && withoutNuls.ends_with(subject));

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
