// "Upchat": chatting while an upload runs. AOL 4 to 6 show the upload in a top-level "_AOL_Modal"
// window over the main window; upchat hides and minimises it and brings the main window back,
// maximised. UpchatOff restores the upload window.
#pragma once

#include "aol/aol_context.h"

namespace drelm {

void UpchatOn(AolContext& aol);
void UpchatOff(WindowSystem& windows);

}  // namespace drelm
