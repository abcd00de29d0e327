// Showing the stored settings in the options menu when the program starts: value items get
// their captions and toggles their check marks, each the way the settings catalogue names for
// its key. Nothing here writes the store; a value that is missing reads as empty text.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/menu_model.h"
#include "core/settings_catalogue.h"
#include "core/settings_store.h"

namespace drelm {

// Shows one setting's value on its item(s) by the catalogue's rule for the key. Keys that the
// menu does not show (and the idle-time parts, which share one caption) change nothing.
void ApplySetting(MenuModel& options, const SettingKey& setting, std::string_view value);

// The captions of the style and identity items (handle, decorations, fonts, colours) from the
// values the program keeps in memory, and of the AIM item from its stored value.
struct StyleCaptions {
  std::string_view handle;
  std::string_view leftAscii;
  std::string_view rightAscii;
  std::string_view asciiFont;
  std::string_view mainFont;
  std::string_view asciiColor;
  std::string_view mainColor;
  std::string_view aim;
};
void ApplyStyleCaptions(MenuModel& options, const StyleCaptions& style);

// "idle time -[ <days>d <hours>h <min>m ]-" from the three stored parts, as stored.
void ApplyIdleTimeCaption(MenuModel& options, std::string_view days, std::string_view hours,
                          std::string_view min);

// The interval items from custom settings/interval; returns the interval in seconds: 60, 120
// or 180 for the three fixed items, otherwise the value rounded to a whole number (0 when it is
// empty or not a number).
std::int64_t ApplyIntervalGroup(MenuModel& options, std::string_view interval);

// Every stored option onto the menu, in the order the start-up applies them. loads is the start
// count the start-up has just written. Returns the idle interval in seconds (see above).
std::int64_t ApplyStoredOptions(MenuModel& options, const SettingsStore& settings,
                                std::string_view loads);

}  // namespace drelm
