#include "core/settings_catalogue.h"

#include <iterator>

#include "text/ansi.h"

namespace drelm {

namespace {

using namespace setting;

constexpr const SettingKey* kCatalogue[] = {
    &kHandle,
    &kLeftAscii,
    &kRightAscii,
    &kAsciiFont,
    &kMainFont,
    &kAsciiColor,
    &kMainColor,
    &kAim,
    &kOss,
    &kRegRea,
    &kAfkRea,
    &kLinkerRea,
    &kLinkerMsg,
    &kAfkMax,
    &kCountInAfk,
    &kScrollAim,
    &kAolDcp,
    &kDcpAolStyle,
    &kLastAolPath,
    &kPrToEnter,
    &kEnterPr,
    &kContinueDownloads,
    &kContinueUploads,
    &kAutoUpchat,
    &kKillFnf,
    &kKill45,
    &kKillTltc,
    &kContUlAfterFileNotFound,
    &kContDlAfterFileNotFound,
    &kUploadProtection,
    &kScrollDlUlStatus,
    &kShortenUlDl,
    &kShortenUlDlLength,
    &kHideStatus,
    &kShowStatus,
    &kMultipleReasons,
    &kAutoIdle,
    &kInterval,
    &kIdleType,
    &kGhostOnStart,
    &kGhostOnStop,
    &kGhostOffStop,
    &kImsOffStart,
    &kImsOffStop,
    &kImsOnStop,
    &kIdleMin,
    &kIdleHours,
    &kIdleDays,
    &kLoads,
    &kMb,
    &kCount,
    &kPassword,
};

// Existing users' stores were filled in this order; keeping it keeps a start that is cut short
// leaving the same partial set of defaults behind.
constexpr const SettingKey* kFirstStartOrder[] = {
    &kHandle,
    &kLeftAscii,
    &kRightAscii,
    &kAsciiFont,
    &kMainFont,
    &kAsciiColor,
    &kMainColor,
    &kMultipleReasons,
    &kAutoIdle,
    &kInterval,
    &kIdleType,
    &kAolDcp,
    &kDcpAolStyle,
    &kContinueDownloads,
    &kContinueUploads,
    &kPrToEnter,
    &kEnterPr,
    &kAutoUpchat,
    &kIdleMin,
    &kIdleHours,
    &kIdleDays,
    &kLoads,
    &kMb,
    &kScrollAim,
    &kAim,
    &kKillFnf,
    &kKill45,
    &kRegRea,
    &kAfkRea,
    &kLinkerRea,
    &kKillTltc,
    &kScrollDlUlStatus,
    &kShortenUlDl,
    &kShowStatus,
    &kAfkMax,
    // the first-start log entry goes here
    &kHideStatus,
    &kShortenUlDlLength,
    &kContUlAfterFileNotFound,
    &kContDlAfterFileNotFound,
    &kUploadProtection,
};

static_assert(kDefaultsBeforeFirstStartLog <= std::size(kFirstStartOrder));

}  // namespace

std::span<const SettingKey* const> SettingsCatalogue() {
  return kCatalogue;
}

std::span<const SettingKey* const> FirstStartDefaults() {
  return kFirstStartOrder;
}

const SettingKey* FindSetting(std::string_view section, std::string_view key) {
  for (const SettingKey* entry : kCatalogue) {
    if (EqualsIgnoreCase(entry->section, section) && EqualsIgnoreCase(entry->key, key)) {
      return entry;
    }
  }
  return nullptr;
}

std::string AfkSenderKey(std::string_view screenName) {
  std::string key(kAfkSenderKeyPrefix);
  key += screenName;
  return key;
}

bool CheckedByOnRule(std::string_view value) {
  return value == kValueOn;
}

bool CheckedByNotOffRule(std::string_view value) {
  return value != kValueOff;
}

bool CheckedByTrueRule(std::string_view value) {
  return value == kValueTrue;
}

bool CheckedByRule(ShownAs rule, std::string_view value) {
  switch (rule) {
    case ShownAs::kOnRule:
      return CheckedByOnRule(value);
    case ShownAs::kNotOffRule:
      return CheckedByNotOffRule(value);
    case ShownAs::kTrueRule:
      return CheckedByTrueRule(value);
    default:
      return false;
  }
}

std::string ValueCaption(std::string_view label, std::string_view value) {
  std::string caption(label);
  caption += " -[ ";
  caption += value;
  caption += " ]-";
  return caption;
}

}  // namespace drelm
