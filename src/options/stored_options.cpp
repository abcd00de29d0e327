#include "options/stored_options.h"

#include <algorithm>
#include <limits>
#include <string>

#include "text/ansi.h"

namespace drelm {

namespace {

void SetChecked(MenuModel& options, std::string_view item, bool checked) {
  options.Item(item).checked = checked;
}

void SetCaption(MenuModel& options, std::string_view item, std::string caption) {
  options.Item(item).caption = std::move(caption);
}

std::string Bracketed(std::string_view label, std::string_view inside) {
  return std::string(label) + " -[" + std::string(inside) + "]-";
}

}  // namespace

void ApplySetting(MenuModel& options, const SettingKey& setting, std::string_view value) {
  switch (setting.shownAs) {
    case ShownAs::kOnRule:
    case ShownAs::kNotOffRule:
    case ShownAs::kTrueRule:
      SetChecked(options, setting.menuItem, CheckedByRule(setting.shownAs, value));
      break;
    case ShownAs::kValueCaption:
      SetCaption(options, setting.menuItem, ValueCaption(setting.captionLabel, value));
      break;
    case ShownAs::kNumberCaption:
      SetCaption(options, setting.menuItem,
                 ValueCaption(setting.captionLabel, std::to_string(LeadingNumber(value))));
      break;
    case ShownAs::kOnOffCheckAndCaption: {
      const bool on = value == kValueOn;
      SetChecked(options, setting.menuItem, on);
      SetCaption(options, setting.menuItem, ValueCaption(setting.captionLabel, on ? "on" : "off"));
      break;
    }
    case ShownAs::kSignOnStyleGroup: {
      const bool stored = value == kValueStored;
      SetChecked(options, setting.groupItems[0], stored);
      SetChecked(options, setting.groupItems[1], !stored);
      SetCaption(options, setting.menuItem,
                 Bracketed(setting.captionLabel, stored ? kValueStored : kValueSet));
      break;
    }
    case ShownAs::kIntervalGroup:
      ApplyIntervalGroup(options, value);
      break;
    case ShownAs::kIdleTypeGroup: {
      const int checked = value == kValueRegular ? 0 : value == kValueLinker ? 1 : 2;
      for (int i = 0; i < 3; ++i) SetChecked(options, setting.groupItems[i], i == checked);
      break;
    }
    case ShownAs::kNotShown:
    case ShownAs::kIdleTimeCaption:
    case ShownAs::kWin2kMode:
    case ShownAs::kAdvertRecord:
      break;
  }
}

void ApplyStyleCaptions(MenuModel& options, const StyleCaptions& style) {
  ApplySetting(options, setting::kHandle, style.handle);
  ApplySetting(options, setting::kLeftAscii, style.leftAscii);
  ApplySetting(options, setting::kRightAscii, style.rightAscii);
  ApplySetting(options, setting::kAsciiFont, style.asciiFont);
  ApplySetting(options, setting::kMainFont, style.mainFont);
  ApplySetting(options, setting::kAsciiColor, style.asciiColor);
  ApplySetting(options, setting::kMainColor, style.mainColor);
  ApplySetting(options, setting::kAim, style.aim);
}

void ApplyIdleTimeCaption(MenuModel& options, std::string_view days, std::string_view hours,
                          std::string_view min) {
  const SettingKey& key = setting::kIdleDays;
  SetCaption(options, key.menuItem,
             ValueCaption(key.captionLabel, std::string(days) + "d " + std::string(hours) + "h " +
                                                std::string(min) + "m"));
}

std::int64_t ApplyIntervalGroup(MenuModel& options, std::string_view interval) {
  const SettingKey& key = setting::kInterval;
  constexpr std::string_view kFixed[] = {"60", "120", "180"};
  std::int64_t seconds = 0;
  bool fixed = false;
  for (int i = 0; i < 3; ++i) {
    const bool match = interval == kFixed[i];
    SetChecked(options, key.groupItems[i], match);
    if (match) {
      fixed = true;
      seconds = (i + 1) * 60;
    }
  }
  if (fixed) {
    SetCaption(options, key.menuItem, std::string(key.captionLabel) + " -[ ]-");
  } else {
    SetCaption(options, key.menuItem, Bracketed(key.captionLabel, interval));
    // A stored number too long for any interval must not overflow the conversion.
    const double limit = std::numeric_limits<std::int32_t>::max();
    seconds = RoundHalfEven(std::clamp(LeadingDecimal(interval), -limit, limit));
  }
  return seconds;
}

std::int64_t ApplyStoredOptions(MenuModel& options, const SettingsStore& settings,
                                std::string_view loads) {
  using namespace setting;
  const auto apply = [&](const SettingKey& key) { ApplySetting(options, key, settings.Read(key)); };

  apply(kShortenUlDlLength);
  for (const SettingKey* key :
       {&kContDlAfterFileNotFound, &kContUlAfterFileNotFound, &kShowStatus, &kUploadProtection,
        &kHideStatus, &kShortenUlDl, &kScrollDlUlStatus, &kKillTltc, &kKill45, &kKillFnf,
        &kScrollAim, &kAutoUpchat, &kPrToEnter}) {
    apply(*key);
  }
  ApplyIdleTimeCaption(options, settings.Read(kIdleDays), settings.Read(kIdleHours),
                       settings.Read(kIdleMin));
  ApplySetting(options, kLoads, loads);
  for (const SettingKey* key : {&kMb, &kEnterPr, &kContinueDownloads, &kContinueUploads,
                                &kDcpAolStyle, &kAolDcp, &kMultipleReasons, &kAutoIdle}) {
    apply(*key);
  }
  const std::int64_t interval = ApplyIntervalGroup(options, settings.Read(kInterval));
  for (const SettingKey* key : {&kGhostOnStart, &kGhostOnStop, &kGhostOffStop, &kImsOffStart,
                                &kImsOffStop, &kImsOnStop, &kIdleType}) {
    apply(*key);
  }
  return interval;
}

}  // namespace drelm
