#include "standin/keywords.h"

#include "standin/buddy_list.h"
#include "standin/chat_room.h"
#include "standin/client.h"
#include "standin/download_manager.h"
#include "standin/instant_messages.h"
#include "text/ansi.h"

namespace drelm::standin {

namespace {

constexpr std::string_view kImPrefix = "aol://9293:";
constexpr std::string_view kPrivateRoomPrefix = "aol://2719:2-2-";

}  // namespace

void Keywords::Run(const std::string& keyword) {
  client_.Seen().keywords.push_back(keyword);
  if (!client_.SignedOn()) {
    client_.Stray("keyword \"" + keyword + "\" while signed off");
    return;
  }
  const std::string lower = LowerAnsi(keyword);
  const std::uint32_t delay = client_.Delay().keywordMs;
  if (lower == "buddylist") {
    client_.Later(delay, [this] { client_.Buddies().Open(); });
  } else if (lower == "download manager") {
    client_.Later(delay, [this] { client_.Downloads().Open(); });
  } else if (lower.starts_with(kImPrefix)) {
    const std::string recipient = keyword.substr(kImPrefix.size());
    client_.Later(delay, [this, recipient] { client_.Ims().OpenSend(recipient); });
  } else if (lower.starts_with(kPrivateRoomPrefix)) {
    const std::string room = keyword.substr(kPrivateRoomPrefix.size());
    client_.Later(delay, [this, room] { client_.Chat().RequestPrivateRoom(room); });
  } else {
    client_.Stray("keyword \"" + keyword + "\" is not one the stand-in knows");
  }
}

}  // namespace drelm::standin
