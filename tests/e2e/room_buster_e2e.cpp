// The room buster on real windows beside the stand-in AOL client, driven through its own panel
// as a user would: the room typed into its Edit, "start bust" clicked; the stand-in refuses the
// room twice, and the third request lets the user in. Then a bust stopped at once posts no
// busted line.
#include "scenario.h"

namespace drelm::e2e {

int RoomBusterScenario(const E2eSetup& setup) {
  // Three requests a second or more apart, each answered after the stand-in's room delay.
  constexpr DWORD kBustMs = 40000;
  Scenario s(setup, "room-buster");
  if (!s.Start(6) || !s.StartUpEnds()) return s.Finish();
  HWND buster = nullptr;
  const auto click = [&](int control) {
    return Do([&, control] { Click(GetDlgItem(buster, control)); });
  };
  const auto lineHolds = [&](std::size_t index, const std::string& part) {
    const std::vector<std::string> lines = LinesFromUser(s.aol);
    return lines.size() > index && lines[index].find(part) != std::string::npos;
  };
  const auto idleText = [&] { return ControlText(GetDlgItem(buster, 508)) == "idle"; };
  const auto idle = [&] {
    return idleText() && IsWindowVisible(GetDlgItem(buster, 504)) &&
           IsWindowEnabled(GetDlgItem(buster, 510));
  };
  const std::string attempt = "drelm attempting to bust: ";
  s.Run({{Aol("fill-room\tDrelm Den\t2"), {}, "the room is full for two requests"},
         {Menu("cmdRoomBuster"), s.Shown("DrelmIdleBuster"), "room buster shows its panel"},
         {Do([&] {
            buster = s.window;
            SendMessageA(GetDlgItem(buster, 510), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>("Drelm Den"));
            Click(GetDlgItem(buster, 504));
          }),
          [&] { return lineHolds(4, "drelm busted: "); }, "the bust ends with the busted line",
          kBustMs},
         {{},
          [&] {
            return LinesFromUser(s.aol).size() == 5 && lineHolds(3, attempt) &&
                   lineHolds(4, ">Drelm Den<") && lineHolds(4, ">3<");
          },
          "the room heard the attempt and the arrival in 3 tries"},
         {{},
          [&] { return s.aol.Command("room-requests").size() == 4; },  // "ok 3" and 3 rows
          "the room was asked for three times"},
         {{}, idleText, "the panel is back to idle"},
         // A stop during the opening pause, then a bust that arrives: the stopped one posts its
         // attempting line and no busted line. The room is full once, so a stop that comes late,
         // in the first attempt, is no arrival either.
         {Aol("fill-room\tDrelm Den\t1"), {}, "the room is full for one request"},
         {click(504), [&] { return IsWindowVisible(GetDlgItem(buster, 505)) != FALSE; },
          "start bust shows stop bust"},
         {click(505), idle, "stop bust brings the panel back to idle"},
         {click(504), [&] { return lineHolds(7, "drelm busted: "); },
          "the next bust ends with the busted line", kBustMs},
         {{},
          [&] {
            return LinesFromUser(s.aol).size() == 8 && lineHolds(5, attempt) &&
                   lineHolds(6, attempt);
          },
          "the stopped bust posted its attempting line and no busted line"},
         {click(503),
          [&] { return !IsWindowVisible(buster) && IsWindowVisible(FindMainWindow(s.id)); },
          "the panel's \"x\" brings the main window back"}});
  s.ExitByX();
  return s.Finish();
}

}  // namespace drelm::e2e
