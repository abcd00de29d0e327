#include "sim_away_story.h"

namespace drelm::simapp {

AwayStory::AwayStory(sim::Simulator& sim, standin::SimStandIn& aol, Program& program,
                     int awayMinutes)
    : sim_(sim), aol_(aol), program_(program), awayMinutes_(awayMinutes) {}

void AwayStory::At(double seconds, std::string what, std::function<void()> action) {
  sim_.loop.ScheduleOnce(static_cast<std::uint32_t>(seconds * 1000), [this, what, action] {
    steps_.push_back({(sim_.clock.MonotonicMs() - beganMs_) / 1000.0, what});
    action();
  });
}

void AwayStory::Choose(const std::string& item) {
  program_.entry.Run([&] { program_.frmOptions.Click(item); });
}

int AwayStory::Schedule() {
  beganMs_ = sim_.clock.MonotonicMs();
  sim::ScriptedUser& user = sim_.user;
  aol_.SetMembers({"BuddyZed", "quietgirl77", "Tommy K"});

  At(2, "handle: \"drelm\"", [this, &user] {
    user.ExpectInputBox("handle", "drelm");
    Choose("cmdHandle");
  });
  At(5, "idler type: afk bot", [this] { Choose("cmdAFKBot"); });
  At(7, "afk reason: \"walking the dog\", at most 2 messages a member", [this, &user] {
    user.ExpectInputBox("[afk]", "walking the dog");
    user.ExpectInputBox("max amount", "2");
    Choose("cmdAfkReason");
  });
  At(9, "interval: custom, 600 seconds", [this, &user] {
    user.ExpectInputBox("in seconds", "600");
    Choose("mnuCustom");
  });
  At(12, "start idle, and away from the keyboard", [this] { Choose("cmdStartIdle"); });

  const double away = 12;
  struct Visit {
    double minute;
    const char* member;
    const char* text;
    bool im;
  };
  const Visit visits[] = {
      {3, "BuddyZed", "drelm, you around?", false},
      {8, "quietgirl77", "anyone seen drelm today?", false},
      {11, "BuddyZed", "hey, are you there?", true},
      {17, "Tommy K", "DRELM call me when you're back", false},
      {26, "BuddyZed", "drelm: movie tonight at 8?", false},
      {33, "quietgirl77", "lol the dog walks you", true},
      {41, "BuddyZed", "drelm drelm drelm", false},
      {52, "Tommy K", "drelmish weather today", false},
  };
  const double minuteScale = awayMinutes_ / 60.0;
  for (const Visit& v : visits) {
    const double at = away + v.minute * 60 * minuteScale;
    const std::string who = v.member;
    const std::string text = v.text;
    if (v.im) {
      At(at, who + " sends an IM: \"" + text + "\"",
         [this, who, text] { aol_.ReceiveIm(who, text); });
    } else {
      At(at, who + " says: \"" + text + "\"", [this, who, text] { aol_.Say(who, text); });
    }
  }
  const double back = away + awayMinutes_ * 60.0;
  At(back, "back at the keyboard: stop idle", [this] { Choose("cmdStopIdle"); });
  return static_cast<int>(back);
}

}  // namespace drelm::simapp
