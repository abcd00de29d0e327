// A list box filled from its file (the reasons list kept between runs), whatever the file holds:
// one item a line, no item holding a line end, and saving the list and loading it again gives the
// same items.
#include <fstream>

#include "core/list_box_files.h"
#include "fuzz_input.h"
#include "platform/posix/posix_files.h"
#include "platform/sim/simulator.h"
#include "text/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace drelm;
  const std::string content(reinterpret_cast<const char*>(data), size);
  const std::filesystem::path file = fuzz::ScratchFolder() / "list.txt";
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << content;
    FUZZ_CHECK(out.good());
  }
  static sim::Simulator sim;  // only its loop, which the loader pumps between lines
  posix::PosixFiles files;
  ListBox list;
  LoadListFromFile(sim.loop, files, file, list);
  FUZZ_CHECK(list.items == SplitLines(content));
  for (const std::string& item : list.items) {
    FUZZ_CHECK(item.find_first_of("\r\n") == std::string::npos);
  }

  FUZZ_CHECK(SaveListToFile(files, file, list));
  ListBox again;
  LoadListFromFile(sim.loop, files, file, again);
  FUZZ_CHECK(again.items == list.items);
  return 0;
}
