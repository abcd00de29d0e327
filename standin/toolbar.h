// The toolbar: "AOL Toolbar" > "_AOL_Toolbar" holding the version's "_AOL_Icon" buttons (some open
// a "#32768" pop-up menu), the keyword box "_AOL_Combobox" > "Edit" and the animated "_AOL_Glyph".
// The keyword box runs its text on Enter only after a character was typed into it: AOL 4 keeps
// that through a later WM_SETTEXT and runs the text as it stands; from AOL 5 on a WM_SETTEXT
// counts as no typing, so the character must follow the text, and blanks around it are dropped.
#pragma once

#include <string>
#include <vector>

#include "standin/toolbar_menus.h"
#include "standin/window_host.h"

namespace drelm::standin {

class AolClient;

class Toolbar {
 public:
  explicit Toolbar(AolClient& client);

  void Build(WindowId frame);
  void ProcessEnded();

  WindowId KeywordBox() const { return keywordBox_; }
  WindowId Glyph() const { return glyph_; }
  bool MenuOpen() const { return openMenu_ >= 0; }

 private:
  std::optional<LResult> IconMessage(std::size_t index, const Message& m);
  void IconPressed(std::size_t index);
  void MenuClosed(std::size_t index, std::uint32_t picked);
  std::optional<LResult> KeywordMessage(const Message& m);

  AolClient& client_;
  std::vector<ToolbarIcon> layout_;
  std::vector<MessageHandler> iconHandlers_;
  WindowId toolbar_ = 0;
  WindowId keywordBox_ = 0;
  WindowId glyph_ = 0;
  int openMenu_ = -1;
  bool typed_ = false;
};

}  // namespace drelm::standin
