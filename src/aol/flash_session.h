// AOL's flash session ("Automatic AOL"): set up to send the waiting mail and download the
// Download Manager's files, then run. AOL 6 and 7 reach it through the toolbar's mail menu by
// its accelerators; AOL 4 and 5 through the "Mail Center" menu by key counts that differ per
// version. Every wait is bounded; a step that does not come logs why and the session is left.
#pragma once

#include "aol/dcp_context.h"

namespace drelm {

// Opens "Automatic AOL", sets box 1 (send mail) to ulQueued and box 5 (download files) to
// dlQueued with boxes 2 to 4 cleared, then (AOL 6 and 7) asks for "Run Automatic AOL Now" or
// (AOL 4 and 5) closes the window. False when a step gave up.
bool SetupFlashSession(DcpContext& dcp, bool dlQueued, bool ulQueued);

// Asks for "Run Automatic AOL Now" (AOL 4 and 5 through the menu), closes a status window left
// from an earlier session, and presses Begin until the session's status window shows.
bool RunFlashSession(DcpContext& dcp);

}  // namespace drelm
