// The about window (class "DrelmIdleAbout") and the greetings window (class "DrelmIdleGreetz") as
// real framed windows over their models. "OK" and "System Info..." are "Button" controls; the
// frame's close box unloads the window, which brings the main window back.
#pragma once

#include <memory>

#include "ui/win32/win32_plain_form.h"

namespace drelm {
class FrmAbout;
class FrmGreetz;
}  // namespace drelm

namespace drelm::win32::view {

inline constexpr const char* kAboutWindowClass = "DrelmIdleAbout";
inline constexpr const char* kGreetzWindowClass = "DrelmIdleGreetz";

std::unique_ptr<PlainFormView> MakeAboutView(FrmAbout& about, ViewEvents& events);
std::unique_ptr<PlainFormView> MakeGreetzView(FrmGreetz& greetz, ViewEvents& events);

}  // namespace drelm::win32::view
