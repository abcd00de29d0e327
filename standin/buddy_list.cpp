#include "standin/buddy_list.h"

#include <memory>

#include "platform/winuser_constants.h"
#include "standin/client.h"

namespace drelm::standin {

namespace {

constexpr const char* kChoiceLabels[] = {"Allow all AOL members and AIM users",
                                         "Allow only AOL members",
                                         "Allow only people on my Buddy List",
                                         "Allow only the people listed below",
                                         "Block all AOL members and AIM users",
                                         "Apply to Buddy List and Instant Messages",
                                         "Apply to Buddy List only"};

}  // namespace

void BuddyList::Open() {
  if (window_ != 0) {
    client_.Host().Activate(window_);
    return;
  }
  auto self = std::make_shared<WindowId>(0);
  window_ = client_.AddMdiChild("Buddy Lists", true, [this, self] {
    if (window_ == *self) window_ = list_ = 0;
  });
  *self = window_;
  list_ = client_.AddControl(window_, "_AOL_Listbox", "", WindowKind::kListBox);
  client_.Host().SetListItems(list_, buddies_);
  const char* labels[] = {"Setup",       "Send IM",    "Buddy Chat",  "Locate",
                          "Preferences", "Buddy Info", "Away Message"};
  for (const char* label : labels) {
    const std::string name = label;
    std::function<void()> action;
    if (name == "Preferences") {
      action = [this] { client_.Later(client_.Delay().windowMs, [this] { OpenPrivacy(); }); };
    }
    client_.AddIcon(window_, name, action);
  }
}

void BuddyList::SetBuddies(const std::vector<std::string>& buddies) {
  buddies_ = buddies;
  if (list_ != 0) client_.Host().SetListItems(list_, buddies_);
}

std::string BuddyList::PrivacyState() const {
  if (savedWho_ == kAllowAll) return "visible";
  if (savedWho_ == kBlockAll) return "invisible";
  return "custom";
}

void BuddyList::OpenPrivacy() {
  who_ = savedWho_;
  scope_ = savedScope_;
  if (privacy_ != 0) {
    ShowChoices();
    client_.Host().Show(privacy_, SW_SHOW);
    client_.Host().Activate(privacy_);
    return;
  }
  auto self = std::make_shared<WindowId>(0);
  privacy_ = client_.AddMdiChild("Privacy Preferences", true, [this, self] {
    if (privacy_ == *self) {
      privacy_ = 0;
      boxes_.clear();
    }
  });
  *self = privacy_;
  boxes_.clear();
  for (int box = 1; box <= 7; ++box) {
    boxes_.push_back(client_.AddCheckBox(privacy_, "_AOL_Checkbox", kChoiceLabels[box - 1],
                                         [this, box] { Click(box); }));
  }
  client_.AddIcon(privacy_, "Add", {});
  client_.AddIcon(privacy_, "Remove", {});
  client_.AddIcon(privacy_, "Cancel", [this] {
    const WindowId window = privacy_;
    client_.Later(client_.Delay().windowMs, [this, window] { client_.Host().Destroy(window); });
  });
  client_.AddIcon(privacy_, "Save", [this] { Save(); });
  ShowChoices();
}

void BuddyList::Click(int box) {
  // Each group is a set of choices: a click picks one and clears the others.
  if (box <= kBlockAll) {
    who_ = box;
  } else {
    scope_ = box;
  }
  ShowChoices();
}

void BuddyList::ShowChoices() {
  for (int box = 1; box <= static_cast<int>(boxes_.size()); ++box) {
    const bool on = box == who_ || box == scope_;
    client_.Host().SetCheckState(boxes_[box - 1], on ? BST_CHECKED : BST_UNCHECKED);
  }
}

void BuddyList::Save() {
  savedWho_ = who_;
  savedScope_ = scope_;
  client_.Seen().privacySaves.push_back(PrivacyState());
  const WindowId window = privacy_;
  client_.Host().Show(window, SW_HIDE);
  client_.Later(client_.Delay().boxMs, [this, window] {
    client_.ShowBox("Your preferences have been saved.",
                    [this, window] { client_.Host().Destroy(window); });
  });
}

}  // namespace drelm::standin
