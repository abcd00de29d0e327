// The handle command, "clear stats" and "set pw" on real windows beside the stand-in AOL client,
// sent by their documented command ids as automation would: the real input box proposes the
// stored handle and takes a new one, the real Yes/No box clears the statistics, and the password
// typed into the real input box is kept sealed for the user, with no plain copy left.
#include "platform/win32/win32_data_protection.h"
#include "scenario.h"

namespace drelm::e2e {

int StyleStatsScenario(const E2eSetup& setup) {
  constexpr const char* kPromptTitle = "drelm idle by quoSt n' vrin";
  constexpr const char* kPassword = "open sesame";
  // A handle with a byte above 0x7F, which the real input box must hand over as typed.
  const std::string handle =
      "B\xB7"
      "b";
  Scenario s(setup, "style-stats", {{"stats", "mb", "12"}, {"aolpw", "password", "old secret"}});
  if (!s.Start(6) || !s.StartUpEnds()) return s.Finish();
  // A box exists, hidden, before its dialog procedure has filled it in; it is shown after.
  const auto asks = [&](const char* title, const char* question) {
    return [&s, title, question] {
      return s.Shown("#32770", title)() &&
             InputBoxTexts(s.window).find(question) != std::string::npos;
    };
  };
  const auto answer = [&](const std::string& text) {
    return Do([&s, text] { AnswerInputBox(s.window, text); });
  };
  s.Run(
      {{CommandNo(1013), asks(kPromptTitle, "enter your handle below"),
        "the handle command (1013) asks in an input box titled \"drelm idle by quoSt n' vrin\""},
       {{},
        [&] { return ControlText(FindWindowExA(s.window, nullptr, "Edit", nullptr)) == "user"; },
        "it proposes the stored handle"},
       {answer(handle), s.StoredIs("settings", "handle", handle),
        "\"" + Visible(handle) + "\" typed and OK clicked becomes settings/handle, byte for byte"},
       {{},
        s.NewLines({Styled("handle set to: " + Lit(handle))}),
        "the room sees the preview line, byte for byte"},
       {CommandNo(1130), asks(kPromptTitle, "are you sure you want to clear your stats?"),
        "clear stats (1130) asks in a message box"},
       {{},
        [&] {
          return GetDlgItem(s.window, IDYES) && GetDlgItem(s.window, IDNO) &&
                 !GetDlgItem(s.window, IDOK);
        },
        "with Yes and No"},
       {Do([&] { Click(GetDlgItem(s.window, IDYES)); }),
        [&] { return StoredText("stats", "mb") == "0" && StoredText("stats", "loads") == "0"; },
        "Yes zeroes the statistics"},
       {{},
        s.NewLines({Styled("stats sucessfully cleared")}),
        "the room is told \"stats sucessfully cleared\""},
       {CommandNo(1072), asks("drelm idle quoSt n' vrin", "enter the password you wish to use"),
        "set pw (1072) asks for the password"},
       {answer(kPassword), s.StoredIs("settings", "dcpaolstyle", "set"), "and takes it"}});
  const std::optional<RegistryValue> sealed = ReadStored("aolpw", "protected password");
  s.Check(sealed && sealed->type == REG_BINARY &&
              sealed->data.find(kPassword) == std::string::npos &&
              win32::Win32DataProtection().Unprotect(sealed->data) == kPassword &&
              !ReadStored("aolpw", "password"),
          "the password is kept sealed for the user and the plain one is gone");
  s.ExitByX();
  return s.Finish();
}

}  // namespace drelm::e2e
