#include "core/own_windows.h"

#include <fstream>

#include "core/files.h"
#include "platform/winuser_constants.h"
#include "text/lines.h"

namespace drelm {

namespace {
constexpr WParam kDragByCaption = 0xF012;  // SC_MOVE | HTCAPTION
}

void DragForm(WindowSystem& windows, Hwnd form) {
  windows.ReleaseCapture();
  windows.SendMessage(form, WM_SYSCOMMAND, kDragByCaption, 0);
}

void StayOnTop(WindowSystem& windows, Hwnd form) {
  windows.SetTopmost(form, true);
}

bool SaveListToFile(WindowSystem& windows, const std::filesystem::path& file, Hwnd listBox) {
  std::string content;
  const LResult count = windows.SendMessage(listBox, LB_GETCOUNT, 0, 0);
  for (LResult i = 0; i < count; ++i) {
    const LResult length = windows.SendMessage(listBox, LB_GETTEXTLEN, static_cast<WParam>(i), 0);
    if (length > 0) {
      content += windows.SendBufferMessage(listBox, LB_GETTEXT, static_cast<WParam>(i),
                                           static_cast<std::size_t>(length) + 1);
    }
    content += "\r\n";
  }
  // Replaced whole, so a crash or a full disk mid-write leaves the previous list as it was.
  return ReplaceFileContents(file, content);
}

void LoadListFromFile(WindowSystem& windows, EventLoop& loop, const std::filesystem::path& file,
                      Hwnd listBox) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return;
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const std::string& line : SplitLines(content)) {
    loop.PumpPending();
    windows.SendTextMessage(listBox, LB_ADDSTRING, 0, line);
  }
}

}  // namespace drelm
