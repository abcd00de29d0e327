// The on/off options of the menu: each one's item, the setting that carries it across runs, the
// two stored values and the log entry for each direction. Choosing such an item flips its check
// mark, stores the matching value and logs the matching message; nothing else happens.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/menu_item.h"
#include "core/settings_catalogue.h"
#include "core/settings_store.h"
#include "core/status_log.h"

namespace drelm {

struct ToggleRow {
  std::string_view item;
  const SettingKey* setting;
  std::string_view onValue;
  std::string_view offValue;
  std::optional<std::string_view> onMessage;  // none: switching logs nothing
  std::optional<std::string_view> offMessage;
};

// Every toggle the options panel handles itself, in menu order.
std::span<const ToggleRow> ToggleTable();
// The row for an item name; null when the item is not one of them.
const ToggleRow* FindToggle(std::string_view itemName);

// Flips the item's check mark, stores the new state's value and logs its message.
void SwitchToggle(MenuItem& item, const ToggleRow& row, SettingsStore& settings, StatusLog& log);

}  // namespace drelm
