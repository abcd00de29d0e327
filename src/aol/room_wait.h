// Waiting for AOL's answer to a room request (room buster, room runner): either the chat room
// becomes the one asked for, or the client's "America Online" box says the room is full. Both
// waits are bounded; a client that never answers gets one log entry and the caller carries on.
#pragma once

#include <string>

#include "aol/aol_context.h"

namespace drelm {

enum class RoomAnswer { kEntered, kRefused, kNoAnswer };

// Without blanks, in lower case: "Lobby 12" -> "lobby12".
std::string NormaliseRoomName(const std::string& roomName);

// Normalises roomName in place and waits for the answer; a refusal's box is pressed until it
// goes.
void WaitRoomOrDismiss(AolContext& aol, std::string& roomName);
// The same wait, leaving the box open. True unless the room was entered: a client that did not
// answer in time did not let the user in either.
bool RoomEntryRefused(AolContext& aol, std::string& roomName);
// The wait alone, for callers that tell a refusal from no answer.
RoomAnswer AwaitRoomAnswer(AolContext& aol, std::string& roomName);

}  // namespace drelm
