// The tools as real panels: the room buster ("DrelmIdleBuster"), the room runner
// ("DrelmIdleRunner") and auto download later ("DrelmIdleAutoDL"). Control ids are fixed below
// and listed in docs/windows.md.
#pragma once

#include <memory>

#include "ui/win32/win32_panel_form.h"

namespace drelm {
class FrmBuster;
class FrmRunner;
struct FrmAutoDL;
class AutoDownloadLater;
}  // namespace drelm

namespace drelm::win32::view {

inline constexpr const char* kBusterWindowClass = "DrelmIdleBuster";
inline constexpr const char* kRunnerWindowClass = "DrelmIdleRunner";
inline constexpr const char* kAutoDLWindowClass = "DrelmIdleAutoDL";

// frmBuster
inline constexpr int kBusterTitleId = 501;     // lblDragMe: drag
inline constexpr int kBusterMinimizeId = 502;  // Label4 "-"
inline constexpr int kBusterCloseId = 503;     // Label5 "x"
inline constexpr int kBusterStartId = 504;     // Label1 "start bust"
inline constexpr int kBusterStopId = 505;      // Label3 "stop bust"
inline constexpr int kBusterAttsId = 506;      // Label2 "atts"
inline constexpr int kBusterAttemptsId = 507;  // lblAttempts
inline constexpr int kBusterStatusId = 508;    // lblStatus
inline constexpr int kBusterRoomId = 510;      // txtBuster
// frmRunner
inline constexpr int kRunnerTitleId = 521;     // lblDragMe: drag
inline constexpr int kRunnerMinimizeId = 522;  // Label4 "-"
inline constexpr int kRunnerCloseId = 523;     // Label5 "x"
inline constexpr int kRunnerStartId = 524;     // Label1 "start run"
inline constexpr int kRunnerStopId = 525;      // Label3 "stop run"
inline constexpr int kRunnerRoomId = 530;      // txtBuster
// frmAutoDL
inline constexpr int kAutoDLTitleId = 541;     // lblDragMe: drag
inline constexpr int kAutoDLMinimizeId = 542;  // Label4 "-"
inline constexpr int kAutoDLCloseId = 543;     // Label5 "x"
inline constexpr int kAutoDLStartId = 544;     // Label1 "start process": the "autodl" menu
inline constexpr int kAutoDLStatusId = 545;    // lblStatus
inline constexpr int kAutoDLListId = 550;      // lstMails

std::unique_ptr<PanelFormView> MakeBusterView(FrmBuster& form, ViewEvents& events);
std::unique_ptr<PanelFormView> MakeRunnerView(FrmRunner& form, ViewEvents& events);
std::unique_ptr<PanelFormView> MakeAutoDLView(FrmAutoDL& form, AutoDownloadLater& tool,
                                              ViewEvents& events);

}  // namespace drelm::win32::view
