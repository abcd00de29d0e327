// What the room buster and the room runner share: their context, and the two buttons of their
// own title strip that behave alike in both (minimise, and the label that drags the window).
#pragma once

#include <string>
#include <utility>

#include "tools/room_tools_context.h"

namespace drelm {

class RoomToolForm : public Form {
 public:
  void Label4_Click();
  void lblDragMe_MouseDown();

 protected:
  RoomToolForm(std::string name, RoomToolsContext context)
      : Form(std::move(name), kRoomToolsCaption), c_(std::move(context)) {}

  RoomToolsContext c_;
};

}  // namespace drelm
