#include "options/not_available.h"

#include <algorithm>
#include <string>

#include "platform/winuser_constants.h"

namespace drelm {

namespace {

constexpr std::string_view kNextBeta =
    "this option is not completely working yet, it will be in next beta release";
constexpr std::string_view kFinalRelease = "this option will be available in the final release";

// "auto download later" is not among them: it opens its tool's window.
constexpr NotAvailableRow kNotAvailable[] = {
    {"cmdAutoUpdater", kNextBeta},          {"cmdFileReNamer", kFinalRelease},
    {"cmdFlashMailSorter", kFinalRelease},  {"cmdLogULstats", kFinalRelease},
    {"cmdUploadProtection", kFinalRelease},
};

}  // namespace

std::span<const NotAvailableRow> NotAvailableTable() {
  return kNotAvailable;
}

const NotAvailableRow* FindNotAvailable(std::string_view itemName) {
  const auto* it = std::find_if(std::begin(kNotAvailable), std::end(kNotAvailable),
                                [&](const NotAvailableRow& row) { return row.item == itemName; });
  return it == std::end(kNotAvailable) ? nullptr : it;
}

void ShowNotAvailable(User& user, const NotAvailableRow& row) {
  user.MessageBox(std::string(row.message), std::string(kNoticeTitle), MB_OK | MB_ICONINFORMATION);
}

}  // namespace drelm
