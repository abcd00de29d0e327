#include "standin/toolbar.h"

#include <memory>

#include "platform/winuser_constants.h"
#include "standin/automatic_aol.h"
#include "standin/client.h"
#include "standin/keywords.h"
#include "standin/mail.h"

namespace drelm::standin {

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

Toolbar::Toolbar(AolClient& client) : client_(client) {}

void Toolbar::Build(WindowId frame) {
  layout_ = ToolbarLayout(client_.Version());
  iconHandlers_.clear();
  openMenu_ = -1;
  typed_ = false;
  const WindowId outer = client_.AddControl(frame, "AOL Toolbar");
  toolbar_ = client_.AddControl(outer, "_AOL_Toolbar");
  for (std::size_t i = 0; i < layout_.size(); ++i) {
    iconHandlers_.push_back(IconHandler(client_, toolbar_, layout_[i].label, IconRelease::kEither,
                                        [this, i] { IconPressed(i); }));
    client_.AddControl(toolbar_, "_AOL_Icon", "", WindowKind::kControl,
                       [this, i](const Message& m) { return IconMessage(i, m); });
  }
  const WindowId combo = client_.AddControl(toolbar_, "_AOL_Combobox");
  keywordBox_ = client_.AddControl(combo, "Edit", "", WindowKind::kControl,
                                   [this](const Message& m) { return KeywordMessage(m); });
  // WM_CLOSE takes the glyph away, as AOL lets it.
  glyph_ = client_.AddControl(toolbar_, "_AOL_Glyph");
}

void Toolbar::ProcessEnded() {
  openMenu_ = -1;
  toolbar_ = keywordBox_ = glyph_ = 0;
}

std::optional<LResult> Toolbar::IconMessage(std::size_t index, const Message& m) {
  if (openMenu_ >= 0 && (m.msg == WM_LBUTTONDOWN || m.msg == WM_RBUTTONDOWN)) {
    // The open menu's loop takes the click: it only closes the menu.
    client_.Host().ClosePopupMenu();
    openMenu_ = -1;
    return 0;
  }
  return iconHandlers_[index](m);
}

void Toolbar::IconPressed(std::size_t index) {
  const ToolbarIcon& icon = layout_[index];
  if (icon.menu.empty()) {
    client_.Stray("toolbar icon \"" + icon.label +
                  "\" pressed; the stand-in has nothing behind it");
    return;
  }
  client_.Later(client_.Delay().menuMs, [this, index] {
    if (toolbar_ == 0) return;
    openMenu_ = static_cast<int>(index);
    client_.Host().OpenPopupMenu(
        client_.Frame(), layout_[index].menu,
        PopupCallbacks{[this, index](std::uint32_t picked) { MenuClosed(index, picked); },
                       [this, index](char letter) {
                         client_.Stray(std::string("accelerator '") + letter +
                                       "' matches nothing in the menu of \"" +
                                       layout_[index].label + "\"");
                       }});
  });
}

void Toolbar::MenuClosed(std::size_t index, std::uint32_t picked) {
  if (openMenu_ == static_cast<int>(index)) openMenu_ = -1;
  const ToolbarIcon& icon = layout_[index];
  if (picked == 0) {
    client_.Stray("the menu of \"" + icon.label + "\" closed without a pick");
    return;
  }
  const std::string label = ItemLabel(icon.menu, picked);
  client_.Seen().menuPicks.push_back(label);
  switch (TargetOf(picked)) {
    case MenuTarget::kOutbox:
      client_.Later(client_.Delay().windowMs, [this] { client_.MailWindows().OpenOutbox(); });
      break;
    case MenuTarget::kIncomingMail:
      client_.Later(client_.Delay().windowMs, [this] { client_.MailWindows().OpenMailbox(); });
      break;
    case MenuTarget::kAutomaticAol:
      client_.Later(client_.Delay().windowMs, [this] { client_.Flash().OpenSetup(); });
      break;
    case MenuTarget::kRunAutomaticAol:
      client_.Later(client_.Delay().windowMs, [this] { client_.Flash().OpenRunNow(); });
      break;
    case MenuTarget::kNone:
      client_.Stray("menu item \"" + label + "\" of \"" + icon.label +
                    "\" picked; the stand-in has nothing behind it");
      break;
  }
}

std::optional<LResult> Toolbar::KeywordMessage(const Message& m) {
  WindowHost& host = client_.Host();
  if (m.msg == WM_SETTEXT) {
    if (client_.Version() >= 5) typed_ = false;
    return std::nullopt;
  }
  if (m.msg != WM_CHAR) return std::nullopt;
  const auto character = static_cast<unsigned char>(m.wParam);
  if (character == '\r') {
    const std::string text = host.Text(keywordBox_);
    if (!typed_) {
      client_.Stray("Enter in the keyword box holding \"" + text +
                    "\" with nothing typed since the text was set; AOL " +
                    std::to_string(client_.Version()) + " does not run it");
      return 0;
    }
    typed_ = false;
    client_.Keys().Run(client_.Version() >= 5 ? Trimmed(text) : text);
  } else if (character == '\b') {
    std::string text = host.Text(keywordBox_);
    if (!text.empty()) text.pop_back();
    host.SetText(keywordBox_, text);
    typed_ = true;
  } else if (character >= 32) {
    host.SetText(keywordBox_, host.Text(keywordBox_) + static_cast<char>(character));
    typed_ = true;
  }
  return 0;
}

}  // namespace drelm::standin
