// Disconnect protection's restart of the AOL client after the connection dropped: start AOL
// again, sign the user back on and continue the transfers. Not built yet: it does nothing, so a
// lost connection is only noticed.
#pragma once

namespace drelm {

// useSetPassword: 1 to sign on with the password the user set, 0 with the one AOL stored.
void RestoreAol(int useSetPassword);

}  // namespace drelm
