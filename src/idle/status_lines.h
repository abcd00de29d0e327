// The texts the idle engine posts into the chat room, before the chat sender dresses them in
// the user's style. Colours go in as held, directly after "<font color=#".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/drelm_globals.h"

namespace drelm {

inline constexpr std::string_view kGoingIdleSuffix = "> is going idle";
inline constexpr std::string_view kBackSuffix = "> is back";
inline constexpr std::string_view kAutoIdleStartedLine = "drelm idle, auto idle started";
inline constexpr std::string_view kAutoUpchatLine = "drelm idle - auto upchat";

// "drelm idle · " + the handle in the decoration colour + the main colour tag + suffix, whose
// leading ">" closes that tag.
std::string AnnouncementLine(const DrelmGlobals& g, std::string_view suffix);
// handle + " recieved " + count in the decoration colour + "> messages".
std::string RecordedCountLine(const DrelmGlobals& g, std::size_t count);

// The idle clock as posted; days, hours and minutes are the labels' captions ("2/d").
std::string TimeLine(const DrelmGlobals& g, std::string_view days, std::string_view hours,
                     std::string_view minutes, bool scrollAim, std::string_view aim);
std::string ReasonLine(const DrelmGlobals& g, std::string_view reason);
std::string AwayLine(const DrelmGlobals& g, std::string_view afkReason, std::string_view afkMax);
std::string LinkLine(const DrelmGlobals& g, std::string_view address, std::string_view message);
// kind is "dl" or "ul".
std::string TransferLine(std::string_view kind, std::string_view fileName, std::string_view percent,
                         std::string_view timeLeft);

}  // namespace drelm
