// How one stand-in AOL client is set up: its major version, the account it signs on with, where
// its program file lives, and how long its windows take to appear.
#pragma once

#include <cstdint>
#include <string>

namespace drelm::standin {

// Delays in milliseconds. The defaults are the order of what a real client on a dial-up line
// takes, so that the program's waits are exercised; tests that do not care use Immediate().
struct Delays {
  std::uint32_t frameMs = 800;          // program start -> main window
  std::uint32_t signOnWindowMs = 1500;  // main window (or a disconnect) -> "Sign On"
  std::uint32_t connectMs = 4000;       // sign-on press -> "Welcome, <name>!"
  std::uint32_t windowMs = 300;         // a button -> the window it opens
  std::uint32_t keywordMs = 700;        // a keyword -> its window
  std::uint32_t roomMs = 1000;          // a room request -> the room or the refusal
  std::uint32_t imSendMs = 400;         // an IM send -> sent (window closes) or refused
  std::uint32_t menuMs = 100;           // a toolbar click -> its pop-up menu
  std::uint32_t boxMs = 200;            // an action -> its "America Online" box
  std::uint32_t exitMs = 300;           // a close request -> the process is gone
  std::uint32_t sessionMs = 5000;       // an Automatic AOL session, start to end

  static Delays Immediate() {
    Delays d;
    d.frameMs = d.signOnWindowMs = d.connectMs = d.windowMs = d.keywordMs = d.roomMs = 0;
    d.imSendMs = d.menuMs = d.boxMs = d.exitMs = d.sessionMs = 0;
    return d;
  }
};

struct StandInOptions {
  int version = 6;  // 4, 5, 6 or 7
  std::string screenName = "Drelm User";
  // With a stored password the sign-on works whatever the password box holds; otherwise the box
  // must hold exactly password.
  bool storedPassword = true;
  std::string password = "secret";
  // Empty: "C:\Program Files\America Online <version>.0\aol.exe".
  std::string exePath;
  Delays delays;

  std::string ExePath() const {
    if (!exePath.empty()) return exePath;
    return "C:\\Program Files\\America Online " + std::to_string(version) + ".0\\aol.exe";
  }
};

}  // namespace drelm::standin
