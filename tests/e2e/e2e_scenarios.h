// The end-to-end scenarios of drelm-idle.exe; each returns the driver's exit code (0 when every
// check passed) after printing one line per check and the closing count.
#pragma once

#include <string>

#include "program_run.h"

namespace drelm::e2e {

// The very first start without the AOL client, answered through the real input box.
int FirstStartScenario(const E2eSetup& setup);
// A start with the stand-in AOL client of that version signed on in a room, the Windows 2000
// answer stored as oss, then the exit by the "x" label; screenshots of the main window on request.
int ClientScenario(const E2eSetup& setup, int aolVersion, const std::string& oss, bool screenshots);
// The tray: "-" hides the main window to the tray, the icon's right-click menu brings it back
// and ends the program; screenshots of the main window and its open options menu.
int TrayScenario(const E2eSetup& setup);
// The handle answered through the real input box, clear stats answered Yes in the real
// message box, beside the stand-in AOL client.
int StyleStatsScenario(const E2eSetup& setup);
// The setup program in a prefix of its own: silent install, the installed program's start,
// upgrade and uninstall; writes its sizes and times to the figures file.
int InstallerScenario(const E2eSetup& setup);
// The AOL commands (IMs off and on, ghost on and off, aol wait) by command id beside the stand-in
// AOL client of that version.
int AolOpsScenario(const E2eSetup& setup, int aolVersion);
int RoomBusterScenario(const E2eSetup& setup);
// Disconnect protection: the stand-in drops its connection, the program restarts it by the
// recorded path, signs on, re-enters the private room and posts the restored line.
int DcpScenario(const E2eSetup& setup);
// The second timer beside the stand-in AOL client closes its "File not found." notice within two
// ticks and logs it; the client's "America Online" box stays while the message-box kill is off
// and is pressed within two ticks once "message to long to complex" switches it on.
int KillersScenario(const E2eSetup& setup);
// An away session: the away bot beside the stand-in AOL client records a chat line and an IM and
// stops with both shown.
int AwayScenario(const E2eSetup& setup);
// The floor build stopped dead at each step of a reasons list save; the next start finds the old
// list or the new one, whole.
int KillSaveScenario(const E2eSetup& setup);
// Measurements for the report: idle CPU time, start-to-window time, executable sizes.
int FiguresRun(const E2eSetup& setup);

}  // namespace drelm::e2e
