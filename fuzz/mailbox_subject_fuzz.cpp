// A mailbox line's subject: what follows its second tab (or the whole line), without NULs.
#include "aol/mail_reader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drelm;
  const std::string line(reinterpret_cast<const char*>(data), size);
  const std::string subject = MailboxSubject(line);
  FUZZ_CHECK(subject.find('\0') == std::string::npos);
  FUZZ_CHECK(subject.size() <= line.size());
  std::string withoutNuls = line;
  std::erase(withoutNuls, '\0');
  FUZZ_CHECK(withoutNuls.ends_with(subject));
  return 0;
}
