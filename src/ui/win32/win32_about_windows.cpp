#include "ui/win32/win32_about_windows.h"

#include "core/about_windows.h"

namespace drelm::win32::view {

namespace {

using Kind = PlainControl::Kind;

PlainControl Text(const Label& label, RECT at, int points = 8, bool bold = false) {
  PlainControl control;
  control.kind = Kind::kLabel;
  control.label = &label;
  control.design = at;
  control.face = label.font.empty() ? "Tahoma" : label.font;
  control.points = points;
  control.bold = bold;
  return control;
}

PlainControl Push(const Button& button, RECT at, std::function<void()> onClick) {
  PlainControl control;
  control.kind = Kind::kButton;
  control.button = &button;
  control.design = at;
  control.onClick = std::move(onClick);
  return control;
}

PlainControl Plain(Kind kind, RECT at) {
  PlainControl control;
  control.kind = kind;
  control.design = at;
  return control;
}

}  // namespace

std::unique_ptr<PlainFormView> MakeAboutView(FrmAbout& about, ViewEvents& events) {
  PlainControl warning = Text(about.Label5, {12, 128, 348, 176});
  warning.kind = Kind::kWrappedLabel;
  std::vector<PlainControl> controls = {
      Plain(Kind::kIcon, {12, 12, 60, 60}),
      Text(about.Label1, {72, 12, 348, 34}, 14, true),
      Text(about.Label2, {72, 38, 348, 54}),
      Text(about.Label4, {72, 56, 348, 72}),
      Text(about.Label7, {72, 74, 348, 90}),
      Plain(Kind::kRule, {12, 100, 348, 102}),
      Text(about.Label6, {12, 110, 348, 126}),
      warning,
      Push(about.cmdSysInfo, {150, 196, 250, 219}, [&about] { about.cmdSysInfo_Click(); }),
      Push(about.cmdOK, {262, 196, 348, 219}, [&about] { about.cmdOK_Click(); }),
  };
  return std::make_unique<PlainFormView>(about, kAboutWindowClass, SIZE{360, 232},
                                         std::move(controls), events,
                                         [&about] { about.Form_Unload(); });
}

std::unique_ptr<PlainFormView> MakeGreetzView(FrmGreetz& greetz, ViewEvents& events) {
  PlainControl greeting = Text(greetz.Label1, {12, 12, 288, 84});
  greeting.kind = Kind::kWrappedLabel;
  std::vector<PlainControl> controls = {greeting};
  return std::make_unique<PlainFormView>(greetz, kGreetzWindowClass, SIZE{300, 96},
                                         std::move(controls), events,
                                         [&greetz] { greetz.Form_Unload(); });
}

}  // namespace drelm::win32::view
