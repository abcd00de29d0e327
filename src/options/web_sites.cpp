#include "options/web_sites.h"

#include <string>

#include "platform/winuser_constants.h"

namespace drelm {

void OpenWebSite(Shell& shell, StatusLog& log, std::string_view address,
                 std::string_view logMessage) {
  // A browser that cannot start is not reported: the entry says what the user asked for.
  shell.StartProgram(std::string(kWebSiteLauncher), std::string(address), SW_SHOWMINIMIZED);
  log.WriteLog(logMessage);
}

}  // namespace drelm
