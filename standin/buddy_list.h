// "Buddy Lists" (its fifth icon opens "Privacy Preferences") and the privacy preferences: seven
// "_AOL_Checkbox" in two groups of choices (boxes 1 to 5: who may see the user, from "allow all"
// to "block all"; boxes 6 and 7: whether that applies to IMs as well or to the Buddy List only)
// and four icons, the fourth of which saves, hides the window and brings the "America Online" box.
#pragma once

#include <string>
#include <vector>

#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

class BuddyList {
 public:
  static constexpr int kAllowAll = 1;
  static constexpr int kBlockAll = 5;
  static constexpr int kAppliesToIms = 6;
  static constexpr int kBuddyListOnly = 7;

  explicit BuddyList(AolClient& client) : client_(client) {}

  void Open();
  void SetBuddies(const std::vector<std::string>& buddies);

  // The saved choices: who (1..5) and scope (6 or 7).
  int SavedWho() const { return savedWho_; }
  int SavedScope() const { return savedScope_; }
  // "visible" (allow all), "invisible" (block all) or "custom".
  std::string PrivacyState() const;
  bool BlocksIms() const { return savedWho_ == kBlockAll && savedScope_ == kAppliesToIms; }

  WindowId Window() const { return window_; }
  WindowId Privacy() const { return privacy_; }

 private:
  void OpenPrivacy();
  void Click(int box);
  void ShowChoices();
  void Save();

  AolClient& client_;
  std::vector<std::string> buddies_;
  WindowId window_ = 0;
  WindowId list_ = 0;
  WindowId privacy_ = 0;
  std::vector<WindowId> boxes_;
  int who_ = kAllowAll;
  int scope_ = kAppliesToIms;
  int savedWho_ = kAllowAll;
  int savedScope_ = kAppliesToIms;
};

}  // namespace drelm::standin
