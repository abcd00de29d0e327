// The authors' web sites, opened through the desktop's explorer in a minimised window that gets
// the focus, so the user's chat window stays in front until they look.
#pragma once

#include <string_view>

#include "core/status_log.h"
#include "platform/shell.h"

namespace drelm {

inline constexpr std::string_view kWebSiteLauncher = "explorer";
inline constexpr std::string_view kQuostSiteAddress = "http://quost.drelm-idle.example/";
inline constexpr std::string_view kVrinSiteAddress = "http://vrin.drelm-idle.example/";
inline constexpr std::string_view kQuostSiteMessage = "viewing quoSt's site";
inline constexpr std::string_view kVrinSiteMessage = "viewing vrin's site";

void OpenWebSite(Shell& shell, StatusLog& log, std::string_view address,
                 std::string_view logMessage);

}  // namespace drelm
