#include "tools/room_tool_form.h"

#include "core/own_windows.h"

namespace drelm {

void RoomToolForm::Label4_Click() {
  c_.click();
  state = WindowState::kMinimized;
}

void RoomToolForm::lblDragMe_MouseDown() {
  c_.click();
  DragForm(c_.aol.windows, window);
}

}  // namespace drelm
