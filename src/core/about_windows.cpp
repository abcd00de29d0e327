#include "core/about_windows.h"

#include "platform/winuser_constants.h"

namespace drelm {

namespace {

constexpr std::size_t kGreetzCaptionLength = 187;
// The warning's second label is narrow: each line is padded with blanks so it wraps where
// the line ends.
constexpr std::size_t kWarningLineWidth = 42;

std::string PadTo(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

void Click(const AboutContext& context) {
  if (context.click) context.click();
}

}  // namespace

AboutCommands::AboutCommands(AboutContext context, FrmAbout& about, FrmGreetz& greetz,
                             Wiring& wiring)
    : context_(std::move(context)), about_(about), greetz_(greetz) {
  wiring.Owns(about_);
  wiring.Owns(greetz_);
  wiring.OnMenu("cmdAbout", [this] { cmdAbout_Click(); });
  wiring.OnMenu("cmdGreets", [this] { cmdGreets_Click(); });
  wiring.OnMenu("cmdEditSkins", [this] { cmdEditSkins_Click(); });
}

FrmAbout::FrmAbout(AboutContext context)
    : Form("frmAbout", "about drelm idle"), context_(std::move(context)) {
  icon = "frmAbout";
  Label6 = {"Label6", "WARNING: I will not accept responsiblilty for your"};
  Label5 = {"Label5", PadTo("actions with this program. You requested", kWarningLineWidth) +
                          PadTo("it from me, if not then i suggest you", kWarningLineWidth) +
                          "change your password"};
  Label2 = {"Label2", "written in C++ for the AOL 4.0 to 7.0 clients"};
}

void FrmAbout::cmdOK_Click() {
  Click(context_);
  context_.mainForm.Show();
  Hide();
}

void FrmAbout::Form_Unload() {
  context_.mainForm.Show();
  Hide();
  loaded = false;
}

FrmGreetz::FrmGreetz(AboutContext context, const FrmAbout& about)
    : Form("frmGreetz", "greetz"), context_(std::move(context)), about_(about) {
  Label1 = {"Label1", PadTo("here come the greetz:", kGreetzCaptionLength), "Verdana"};
}

void FrmGreetz::Form_Load() {
  loaded = true;
  icon = about_.icon;
}

void FrmGreetz::Form_Unload() {
  Click(context_);
  context_.mainForm.Show();
  Hide();
  loaded = false;
}

void AboutCommands::cmdAbout_Click() {
  Click(context_);
  context_.mainForm.Hide();
  about_.loaded = true;
  about_.Show();
  context_.log.WriteLog("viewing about screen");
}

void AboutCommands::cmdGreets_Click() {
  context_.log.WriteLog("viewing greets screen");
  context_.mainForm.Hide();
  if (!greetz_.loaded) greetz_.Form_Load();
  greetz_.Show();
}

void AboutCommands::cmdEditSkins_Click() {
  context_.user.MessageBox(kEditSkinsMessage, kEditSkinsTitle, MB_ICONINFORMATION);
}

}  // namespace drelm
