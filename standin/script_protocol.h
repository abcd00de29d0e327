// The line protocol that scripts a stand-in AOL client from another process (aol-standin.exe
// reads it on stdin and answers on stdout). One command a line: a verb and its arguments
// separated by tab characters; inside an argument "\t", "\r", "\n", "\\" and "\xHH" stand for
// the bytes. Every command is answered by "ok", by "ok <n>" followed by n lines of tab-separated
// escaped fields, or by "error <reason>". docs/standin.md lists the verbs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "standin/standin.h"

namespace drelm::standin {

std::string EscapeField(std::string_view bytes);
std::string UnescapeField(std::string_view field);
// Splits a command line at its tabs and unescapes each field.
std::vector<std::string> SplitCommand(std::string_view line);

class ScriptProtocol {
 public:
  explicit ScriptProtocol(StandIn& standIn) : standIn_(standIn) {}
  // The reply lines for one command line.
  std::vector<std::string> Handle(std::string_view line);

 private:
  StandIn& standIn_;
};

}  // namespace drelm::standin
