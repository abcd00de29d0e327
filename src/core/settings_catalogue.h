// Every stored setting in one table: its section and key, the values it takes, what a first
// start writes, and how the options menu shows it. Code names a setting through the constants
// below instead of spelling section and key again; the table is data only, no store access.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace drelm {

inline constexpr std::string_view kSectionSettings = "settings";
inline constexpr std::string_view kSectionCustomSettings = "custom settings";
inline constexpr std::string_view kSectionIdler = "idler";
inline constexpr std::string_view kSectionStats = "stats";
inline constexpr std::string_view kSectionAolPw = "aolpw";

// Flag vocabularies; comparisons are exact and case-sensitive.
inline constexpr std::string_view kValueOn = "on";
inline constexpr std::string_view kValueOff = "off";
inline constexpr std::string_view kValueTrue = "True";
inline constexpr std::string_view kValueFalse = "False";
inline constexpr std::string_view kValueLowerTrue = "true";  // settings/oss only
inline constexpr std::string_view kValueLowerFalse = "false";
inline constexpr std::string_view kValueStored = "stored";
inline constexpr std::string_view kValueSet = "set";
inline constexpr std::string_view kValueRegular = "regular";
inline constexpr std::string_view kValueLinker = "linker";
inline constexpr std::string_view kValueAfk = "afk";

// The decoration a new user gets on both sides of every chat line, in Windows-1252 bytes.
// clang-format off
inline constexpr std::string_view kDefaultDecoration = "\x8B" "d" "\x9B";
// clang-format on

enum class SettingValues {
  kText,              // free text: names, fonts, colours, reasons, paths
  kWholeNumber,       // decimal text, read by its leading number
  kNumber,            // decimal text that may carry a fraction (megabytes)
  kOnOff,             // "on" / "off"
  kCapitalTrueFalse,  // "True" / "False"
  kLowerTrueFalse,    // "true" / "false"
  kStoredOrSet,       // "stored" / "set"
  kRegularLinkerAfk,  // "regular" / "linker" / "afk"
};

enum class ShownAs {
  kNotShown,
  kOnRule,        // menuItem checked exactly when the value is "on"
  kNotOffRule,    // menuItem checked unless the value is exactly "off"
  kTrueRule,      // menuItem checked exactly when the value is "True"
  kValueCaption,  // caption of menuItem: ValueCaption(captionLabel, value)
  // Caption of menuItem: ValueCaption(captionLabel, the value's leading number).
  kNumberCaption,
  // menuItem checked and captioned captionLabel + " -[ on ]-" when "on"; otherwise unchecked
  // and captionLabel + " -[ off ]-".
  kOnOffCheckAndCaption,
  // "stored": groupItems[0] checked, groupItems[1] unchecked, caption of menuItem
  // captionLabel + " -[stored]-"; anything else the reverse and captionLabel + " -[set]-".
  kSignOnStyleGroup,
  // "60", "120", "180" check groupItems[0], [1], [2] and caption menuItem captionLabel + " -[ ]-";
  // anything else checks none and captions captionLabel + " -[" + value + "]-".
  kIntervalGroup,
  // "regular" checks groupItems[0], "linker" groupItems[1], anything else groupItems[2].
  kIdleTypeGroup,
  // One of days/hours/min in the caption of menuItem:
  // captionLabel + " -[ " + days + "d " + hours + "h " + min + "m ]-".
  kIdleTimeCaption,
  kWin2kMode,     // selects the sending path: "two" when the value is "true", else "one"
  kAdvertRecord,  // the uptime record shown as "rec" in the start-up advertising
};

struct SettingKey {
  std::string_view section;
  std::string_view key;
  SettingValues values;
  std::optional<std::string_view> firstStart;  // none: a first start writes nothing
  ShownAs shownAs;
  std::string_view menuItem;
  std::string_view captionLabel;
  std::array<std::string_view, 3> groupItems;
};

inline constexpr std::optional<std::string_view> kNoDefault = std::nullopt;

namespace setting {

using enum SettingValues;
using enum ShownAs;

// clang-format off
// Chat style and identity.
inline constexpr SettingKey kHandle{kSectionSettings, "handle", kText, "user", kValueCaption, "cmdHandle", "handle", {}};
inline constexpr SettingKey kLeftAscii{kSectionSettings, "left ascii", kText, kDefaultDecoration, kValueCaption, "cmdLeftAscii", "left ascii", {}};
inline constexpr SettingKey kRightAscii{kSectionSettings, "right ascii", kText, kDefaultDecoration, kValueCaption, "cmdRightAscii", "right ascii", {}};
inline constexpr SettingKey kAsciiFont{kSectionSettings, "ascii font", kText, "arial narrow", kValueCaption, "cmdAsciiFont", "ascii font", {}};
inline constexpr SettingKey kMainFont{kSectionSettings, "main font", kText, "arial narrow", kValueCaption, "cmdMainFont", "main font", {}};
inline constexpr SettingKey kAsciiColor{kSectionSettings, "ascii color", kText, "#336699", kValueCaption, "cmdAsciiColor", "ascii color", {}};
inline constexpr SettingKey kMainColor{kSectionSettings, "main color", kText, "#999999", kValueCaption, "cmdMainColor", "main color", {}};
inline constexpr SettingKey kAim{kSectionSettings, "aim", kText, "drelm me", kValueCaption, "cmdAim", "aim", {}};
inline constexpr SettingKey kOss{kSectionSettings, "oss", kLowerTrueFalse, kNoDefault, kWin2kMode, {}, {}, {}};

// Idle and away options.
inline constexpr SettingKey kRegRea{kSectionSettings, "regrea", kText, "no reason", kNotShown, {}, {}, {}};
inline constexpr SettingKey kAfkRea{kSectionSettings, "afkrea", kText, "no reason", kNotShown, {}, {}, {}};
inline constexpr SettingKey kLinkerRea{kSectionSettings, "linkerrea", kText, "no reason", kNotShown, {}, {}, {}};
inline constexpr SettingKey kLinkerMsg{kSectionSettings, "linkermsg", kText, kNoDefault, kNotShown, {}, {}, {}};
inline constexpr SettingKey kAfkMax{kSectionSettings, "afkmax", kWholeNumber, "10", kNotShown, {}, {}, {}};
inline constexpr SettingKey kCountInAfk{kSectionSettings, "countinafk", kWholeNumber, kNoDefault, kNotShown, {}, {}, {}};
inline constexpr SettingKey kScrollAim{kSectionSettings, "scrollaim", kOnOff, "on", kOnRule, "mnuScrollAIm", {}, {}};

// AOL and transfer options.
inline constexpr SettingKey kAolDcp{kSectionSettings, "aoldcp", kOnOff, "off", kOnOffCheckAndCaption, "cmdDcpAolOpts", "&dcp aol", {}};
inline constexpr SettingKey kDcpAolStyle{kSectionSettings, "dcpaolstyle", kStoredOrSet, "stored", kSignOnStyleGroup, "mnuAolSTyle", "dcp aol &style", {"cmdStoredPW", "cmdSetPW"}};
inline constexpr SettingKey kLastAolPath{kSectionSettings, "last aol path", kText, kNoDefault, kNotShown, {}, {}, {}};
inline constexpr SettingKey kPrToEnter{kSectionSettings, "prtoenter", kText, "twk", kValueCaption, "mnuSetPr", "&set pr", {}};
inline constexpr SettingKey kEnterPr{kSectionSettings, "enterpr", kOnOff, "on", kNotOffRule, "mnuEnterpr", {}, {}};
inline constexpr SettingKey kContinueDownloads{kSectionSettings, "continuedownloads", kOnOff, "on", kNotOffRule, "cmdContDown", {}, {}};
inline constexpr SettingKey kContinueUploads{kSectionSettings, "continueuploads", kOnOff, "on", kNotOffRule, "cmdContUp", {}, {}};
inline constexpr SettingKey kAutoUpchat{kSectionSettings, "autoupchat", kOnOff, "on", kNotOffRule, "cmdEnableAutoUpchat", {}, {}};
inline constexpr SettingKey kKillFnf{kSectionSettings, "killfnf", kOnOff, "on", kOnRule, "cmdKillFileNotFound", {}, {}};
inline constexpr SettingKey kKill45{kSectionSettings, "kill45", kOnOff, "on", kOnRule, "cmdKill45Min", {}, {}};
inline constexpr SettingKey kKillTltc{kSectionSettings, "killtltc", kOnOff, "on", kOnRule, "cmdMessageTLTC", {}, {}};
inline constexpr SettingKey kContUlAfterFileNotFound{kSectionSettings, "contulafterfilenotfound", kOnOff, "on", kOnRule, "mnuContinueUpAffFnFK", {}, {}};
inline constexpr SettingKey kContDlAfterFileNotFound{kSectionSettings, "contdlafterfilenotfound", kOnOff, "on", kOnRule, "mnucontinueUpAfterFileNotFOundKill", {}, {}};
inline constexpr SettingKey kUploadProtection{kSectionSettings, "upload protection", kOnOff, "on", kOnRule, "cmdUploadProtection", {}, {}};
inline constexpr SettingKey kScrollDlUlStatus{kSectionSettings, "scrolldlulstatus", kOnOff, "on", kOnRule, "cmdScrollDlulstatus", {}, {}};
inline constexpr SettingKey kShortenUlDl{kSectionSettings, "shortenuldl", kOnOff, "on", kOnRule, "mnushort", {}, {}};
inline constexpr SettingKey kShortenUlDlLength{kSectionSettings, "shortenuldllength", kWholeNumber, "35", kNumberCaption, "mnushort", "shorten dl/ul file name", {}};
inline constexpr SettingKey kHideStatus{kSectionSettings, "hidestatus", kOnOff, "on", kOnRule, "mnuhidestatus", {}, {}};
inline constexpr SettingKey kShowStatus{kSectionSettings, "showstatus", kOnOff, "on", kOnRule, "mnushowstatus", {}, {}};

// Idle behaviour.
inline constexpr SettingKey kMultipleReasons{kSectionCustomSettings, "multiple reasons", kCapitalTrueFalse, "True", kTrueRule, "cmdMultipleReasons", {}, {}};
inline constexpr SettingKey kAutoIdle{kSectionCustomSettings, "auto idle", kCapitalTrueFalse, "True", kTrueRule, "cmdAutoIdle", {}, {}};
inline constexpr SettingKey kInterval{kSectionCustomSettings, "interval", kWholeNumber, "60", kIntervalGroup, "mnuCustom", "custom", {"cmdOneMin", "cmdTwoMin", "cmdThreeMin"}};
inline constexpr SettingKey kIdleType{kSectionCustomSettings, "idletype", kRegularLinkerAfk, "regular", kIdleTypeGroup, {}, {}, {"cmdRegularIdle", "cmdLinker", "cmdAFKBot"}};
inline constexpr SettingKey kGhostOnStart{kSectionCustomSettings, "ghost on start", kCapitalTrueFalse, kNoDefault, kTrueRule, "cmdONStartGhost", {}, {}};
inline constexpr SettingKey kGhostOnStop{kSectionCustomSettings, "ghost on stop", kCapitalTrueFalse, kNoDefault, kTrueRule, "cmdONStopGhost", {}, {}};
inline constexpr SettingKey kGhostOffStop{kSectionCustomSettings, "ghost off stop", kCapitalTrueFalse, kNoDefault, kTrueRule, "cmdOFFStopGhost", {}, {}};
inline constexpr SettingKey kImsOffStart{kSectionCustomSettings, "ims off start", kCapitalTrueFalse, kNoDefault, kTrueRule, "cmdIMSoffStart", {}, {}};
inline constexpr SettingKey kImsOffStop{kSectionCustomSettings, "ims off stop", kCapitalTrueFalse, kNoDefault, kTrueRule, "cmdIMSoffStop", {}, {}};
inline constexpr SettingKey kImsOnStop{kSectionCustomSettings, "ims on stop", kCapitalTrueFalse, kNoDefault, kTrueRule, "cmdIMSonAfterStop", {}, {}};

// Accumulated idle time.
inline constexpr SettingKey kIdleMin{kSectionIdler, "min", kWholeNumber, "0", kIdleTimeCaption, "cmdIdleTime", "idle time", {}};
inline constexpr SettingKey kIdleHours{kSectionIdler, "hours", kWholeNumber, "0", kIdleTimeCaption, "cmdIdleTime", "idle time", {}};
inline constexpr SettingKey kIdleDays{kSectionIdler, "days", kWholeNumber, "0", kIdleTimeCaption, "cmdIdleTime", "idle time", {}};

// Statistics.
inline constexpr SettingKey kLoads{kSectionStats, "loads", kWholeNumber, "0", kValueCaption, "cmdLoads", "loads", {}};
inline constexpr SettingKey kMb{kSectionStats, "mb", kNumber, "0", kValueCaption, "cmdMBUploaded", "mb u/led", {}};
inline constexpr SettingKey kCount{kSectionStats, "count", kWholeNumber, kNoDefault, kAdvertRecord, {}, {}, {}};

// Sign-on secret; never logged. Kept as plain text only where the system cannot seal it
// (core/aol_password.h).
inline constexpr SettingKey kPassword{kSectionAolPw, "password", kText, kNoDefault, kNotShown, {}, {}, {}};
// clang-format on

// The same secret sealed by the user's data protection: binary, so outside the table of texts.
inline constexpr std::string_view kProtectedPasswordName = "protected password";

// Per-sender counters of recorded messages live in "settings" under "afk" + the sender's screen
// name; they are not part of the fixed table.
inline constexpr std::string_view kAfkSenderKeyPrefix = "afk";

}  // namespace setting

// Every fixed key of the table, grouped by section as above.
std::span<const SettingKey* const> SettingsCatalogue();

// The keys a first start writes, in the order it writes them. The entry announcing the first
// start goes into the log after the first kDefaultsBeforeFirstStartLog of them.
std::span<const SettingKey* const> FirstStartDefaults();
inline constexpr std::size_t kDefaultsBeforeFirstStartLog = 35;

// The table entry for section/key, compared without regard to case; null when not in the table.
const SettingKey* FindSetting(std::string_view section, std::string_view key);

// The key of one sender's counter of recorded messages.
std::string AfkSenderKey(std::string_view screenName);

bool CheckedByOnRule(std::string_view value);
bool CheckedByNotOffRule(std::string_view value);
bool CheckedByTrueRule(std::string_view value);
// The check mark for one of the three check rules; false for any other way of showing.
bool CheckedByRule(ShownAs rule, std::string_view value);

// The caption of a value item of the options menu: label + " -[ " + value + " ]-".
std::string ValueCaption(std::string_view label, std::string_view value);

}  // namespace drelm
