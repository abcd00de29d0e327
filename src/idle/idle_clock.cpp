#include "idle/idle_clock.h"

#include <cstdint>
#include <string>

#include "core/settings_catalogue.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr std::int64_t kMinutesPerHour = 60;
constexpr std::int64_t kHoursPerDay = 24;

struct DaysHoursMinutes {
  std::int64_t days;
  std::int64_t hours;
  std::int64_t minutes;
};

void AddMinute(DaysHoursMinutes& t) {
  if (++t.minutes == kMinutesPerHour) {
    t.minutes = 0;
    ++t.hours;
  }
  if (t.hours == kHoursPerDay) {
    t.hours = 0;
    ++t.days;
  }
}

// The number a label shows: its caption without the unit ("/m").
std::int64_t LabelNumber(const Label& label) {
  const std::string& caption = label.caption;
  return LeadingNumber(caption.size() < 2 ? std::string() : caption.substr(0, caption.size() - 2));
}

}  // namespace

void AdvanceIdleClock(IdleClockLabels labels, SettingsStore& store) {
  DaysHoursMinutes shown{LabelNumber(labels.lblDays), LabelNumber(labels.lblHours),
                         LabelNumber(labels.lblMins)};
  AddMinute(shown);
  labels.lblMins.caption = std::to_string(shown.minutes) + "/m";
  labels.lblHours.caption = std::to_string(shown.hours) + "/h";
  labels.lblDays.caption = std::to_string(shown.days) + "/d";

  DaysHoursMinutes total{LeadingNumber(store.Read(setting::kIdleDays)),
                         LeadingNumber(store.Read(setting::kIdleHours)),
                         LeadingNumber(store.Read(setting::kIdleMin))};
  AddMinute(total);
  store.Write(setting::kIdleMin, std::to_string(total.minutes));
  store.Write(setting::kIdleHours, std::to_string(total.hours));
  store.Write(setting::kIdleDays, std::to_string(total.days));
}

void ResetIdleClockLabels(IdleClockLabels labels) {
  labels.lblMins.caption = "0/m";
  labels.lblHours.caption = "0/h";
  labels.lblDays.caption = "0/d";
}

}  // namespace drelm
