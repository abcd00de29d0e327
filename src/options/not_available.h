// Entries of the menu that only tell the user they are not available yet: an information box
// with one OK button, and nothing else.
#pragma once

#include <span>
#include <string_view>

#include "platform/user.h"

namespace drelm {

inline constexpr std::string_view kNoticeTitle = "drelm idle by quoSt n' vrin";

struct NotAvailableRow {
  std::string_view item;
  std::string_view message;
};

std::span<const NotAvailableRow> NotAvailableTable();
// The row for an item name; null when the item is not one of them.
const NotAvailableRow* FindNotAvailable(std::string_view itemName);

void ShowNotAvailable(User& user, const NotAvailableRow& row);

}  // namespace drelm
