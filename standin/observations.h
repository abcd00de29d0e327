// What the stand-in AOL client saw and did, kept for the tests: the room transcript byte for
// byte, IMs, keywords, privacy changes, presses, sign-ons, launches, and every input it did not
// expect (a key sequence that reached a menu item nothing uses, a wrong button release...).
#pragma once

#include <string>
#include <vector>

namespace drelm::standin {

struct ChatLine {
  std::string room;
  std::string sender;
  std::string text;
  bool operator==(const ChatLine&) const = default;
};

struct InstantMessage {
  std::string peer;  // the recipient of a sent IM, the sender of a received one
  std::string text;
  bool operator==(const InstantMessage&) const = default;
};

struct ButtonPress {
  std::string window;  // caption of the window the button is in
  std::string label;   // what the button stands for in the stand-in
  bool operator==(const ButtonPress&) const = default;
};

struct FlashSessionRun {
  bool sendMail = false;       // Automatic AOL box 1
  bool downloadFiles = false;  // Automatic AOL box 5
  std::vector<std::string> mailsSent;
  std::vector<std::string> filesDownloaded;
};

struct Observations {
  std::vector<ChatLine> transcript;         // every line that reached a room, in order
  std::vector<std::string> keywords;        // as run, after the box's own handling
  std::vector<InstantMessage> imsSent;      // IMs that went out
  std::vector<InstantMessage> imsRefused;   // IMs the client answered with its box
  std::vector<InstantMessage> imSwitches;   // "$IM_OFF" / "$IM_ON" sends that took effect
  std::vector<InstantMessage> imsReceived;  // incoming IMs that were shown
  std::vector<InstantMessage> imsBlocked;   // incoming IMs kept away (IMs off, invisible)
  std::vector<std::string> roomRequests;    // private rooms asked for, as asked
  std::vector<std::string> roomsEntered;
  std::vector<std::string> roomsRefused;  // requests answered "room full"
  std::vector<std::string> menuPicks;     // pop-up menu items picked, without "&"
  std::vector<ButtonPress> presses;       // every press that acted
  std::vector<std::string> signOns;       // screen names, one per completed sign-on
  int failedSignOns = 0;                  // presses with a wrong password, connections failed
  int failedStarts = 0;                   // starts by program path that ended without a window
  std::vector<int> launches;              // show command of every start by program path
  int launchesWhileRunning = 0;           // of those, starts that found the client running
  int exits = 0;
  int disconnects = 0;
  std::vector<std::string> boxesShown;  // texts of the "America Online" boxes
  int boxesDismissed = 0;
  int escapes = 0;                         // Escape key-ups that reached the main window
  std::vector<std::string> privacySaves;   // "visible", "invisible" or "custom", per save
  std::vector<std::string> downloadLater;  // files the mail reader marked for later
  std::vector<FlashSessionRun> flashSessions;
  std::vector<std::string> strays;  // input the client did not expect
};

}  // namespace drelm::standin
