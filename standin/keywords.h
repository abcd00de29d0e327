// Running a keyword from the keyword box: "buddylist", "download manager", "aol://9293:" and a
// screen name (the IM window), "aol://2719:2-2-" and a room (a private room). Keywords need the
// connection; anything else is recorded as stray input.
#pragma once

#include <string>

namespace drelm::standin {

class AolClient;

class Keywords {
 public:
  explicit Keywords(AolClient& client) : client_(client) {}
  void Run(const std::string& keyword);

 private:
  AolClient& client_;
};

}  // namespace drelm::standin
