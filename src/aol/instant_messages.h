// Instant messages through the AOL client: sending one through the "Send Instant Message" window
// that the keyword "aol://9293:" + recipient opens, turning incoming IMs off and on through the
// reserved recipients, and finding an incoming IM window and its sender.
#pragma once

#include <string>

#include "aol/aol_context.h"

namespace drelm {

// Sends message (as given, unstyled) to recipient. A refusal is cleared away: the client's box
// confirmed and the unsent window closed. An empty recipient or no client sends nothing; a window
// or answer that does not come within its bound is logged and given up.
void SendIm(AolContext& aol, const std::string& recipient, const std::string& message);
void ImsOff(AolContext& aol);  // SendIm("$IM_OFF", "drelm idle")
void ImsOn(AolContext& aol);   // SendIm("$IM_ON", "drelm idle")

// The first MDI "AOL Child" whose caption, lower-cased, holds "instant message" and names a
// sender after "from:". Our own "Send Instant Message" window names none, so it never counts.
Hwnd FindIncomingIm(WindowSystem& windows);
// The lower-cased name after "from:" and one blank in that window's caption; empty without one.
std::string IncomingImSender(WindowSystem& windows);
// The same for a caption already read.
std::string ImSenderOfCaption(const std::string& caption);
// What an incoming IM window shows of the conversation (its first "RICHCNTL"), as the client
// writes it: one line per message, each opening with the writer's name and a colon.
std::string IncomingImText(WindowSystem& windows, Hwnd im);

}  // namespace drelm
