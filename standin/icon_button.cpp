#include "standin/icon_button.h"

#include <memory>

#include "platform/winuser_constants.h"
#include "standin/client.h"

namespace drelm::standin {

MessageHandler IconHandler(AolClient& client, WindowId parent, std::string label,
                           IconRelease release, std::function<void()> action) {
  auto armed = std::make_shared<bool>(false);
  return [&client, parent, label = std::move(label), release, action = std::move(action),
          armed](const Message& m) -> std::optional<LResult> {
    bool releasedByButton = false;
    switch (m.msg) {
      case WM_LBUTTONDOWN:
        *armed = true;
        return 0;
      case WM_LBUTTONUP:
        releasedByButton = true;
        break;
      case WM_KEYUP:
        if (m.wParam != VK_SPACE) return 0;
        break;
      case WM_KEYDOWN:
      case WM_CHAR:
        return 0;
      default:
        return std::nullopt;
    }
    if (!*armed) return 0;
    *armed = false;
    const bool accepted =
        release == IconRelease::kEither || (release == IconRelease::kButtonUp) == releasedByButton;
    const std::string caption = client.Host().Text(parent);
    if (!accepted) {
      client.Stray("\"" + label + "\" in \"" + caption + "\" released by " +
                   (releasedByButton ? "WM_LBUTTONUP" : "WM_KEYUP VK_SPACE") + ", which AOL " +
                   std::to_string(client.Version()) + " does not act on");
      return 0;
    }
    client.Seen().presses.push_back(ButtonPress{caption, label});
    if (action) {
      action();
    } else {
      client.Stray("\"" + label + "\" in \"" + caption +
                   "\" pressed; the stand-in has nothing behind it");
    }
    return 0;
  };
}

}  // namespace drelm::standin
