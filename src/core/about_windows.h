// The about and greetings windows and the "edit skins" notice. While the about or greetings
// window is open the main window is hidden; closing it (by "OK" or by the frame) brings the main
// window back. Each window is loaded at its first use and shown without blocking the program.
#pragma once

#include <functional>
#include <string>

#include "core/form_model.h"
#include "core/status_log.h"
#include "core/wiring.h"
#include "platform/user.h"

namespace drelm {

// What the two windows and their menu commands reach.
struct AboutContext {
  Form& mainForm;
  User& user;
  StatusLog& log;
  // Plays the click sound.
  std::function<void()> click;
};

inline constexpr const char* kEditSkinsTitle = "drelm idle -by- quoSt n' vrin";
inline constexpr const char* kEditSkinsMessage =
    "no more skins, cuz of the maker copying the skins from something else. they will be "
    "available in another version";

class FrmAbout : public Form {
 public:
  explicit FrmAbout(AboutContext context);

  Button cmdSysInfo{"cmdSysInfo", "System Info..."};
  Button cmdOK{"cmdOK", "OK"};
  Label Label7{"Label7", "coded for win98 , win2k , and winxp !"};
  Label Label6;
  Label Label5;
  Decoration Line1{"Line1"};
  Label Label4{"Label4", "coded for AOL 4.0, 5.0, 6.0, 7.0"};
  Label Label2;
  Label Label1{"Label1", "drelm idle"};
  Decoration Image1{"Image1"};

  void cmdSysInfo_Click() {}  // the button has no action
  void cmdOK_Click();
  // Closed by its frame's close box.
  void Form_Unload();

 private:
  AboutContext context_;
};

class FrmGreetz : public Form {
 public:
  FrmGreetz(AboutContext context, const FrmAbout& about);

  Label Label1;

  void Form_Load();
  void Form_Unload();

 private:
  AboutContext context_;
  const FrmAbout& about_;
};

// The three entries of the options menu that show information about the program.
class AboutCommands {
 public:
  // Wires "about", "greets" and "edit skins"; the two windows close when the program ends.
  AboutCommands(AboutContext context, FrmAbout& about, FrmGreetz& greetz, Wiring& wiring);

  void cmdAbout_Click();
  void cmdGreets_Click();
  void cmdEditSkins_Click();

 private:
  AboutContext context_;
  FrmAbout& about_;
  FrmGreetz& greetz_;
};

}  // namespace drelm
