// "Upchat": chatting while an upload runs. AOL 4 to 6 show the upload in a top-level "_AOL_Modal"
// window over the main window; upchat hides and minimises it and brings the main window back,
// maximised. UpchatOff restores the upload window. Both act on the upload window the transfer
// reader recognises and on no other modal window of the client; without one they do nothing to
// the client's modal windows.
#pragma once

#include "aol/aol_context.h"

namespace drelm {

void UpchatOn(AolContext& aol);
void UpchatOff(WindowSystem& windows);

}  // namespace drelm
