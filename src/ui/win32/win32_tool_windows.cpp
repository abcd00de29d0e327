#include "ui/win32/win32_tool_windows.h"

#include "tools/auto_download_later.h"
#include "tools/frm_buster.h"
#include "tools/frm_runner.h"

namespace drelm::win32::view {

namespace {

using Kind = PanelControl::Kind;

// A label at the given place; onClick empty for text only.
PanelControl At(Kind kind, int id, RECT place, const Label& label,
                std::function<void()> onClick = nullptr) {
  return {kind, id, place, &label, {}, nullptr, nullptr, std::move(onClick)};
}

// Title, "-" and "x" at the right edge of width.
template <typename F>
std::vector<PanelControl> TitleStrip(int width, int titleId, F& form, std::function<void()> drag) {
  return {At(Kind::kTitle, titleId, {8, 3, width - 48, 19}, form.lblDragMe, std::move(drag)),
          At(Kind::kLink, titleId + 1, {width - 44, 3, width - 26, 19}, form.Label4,
             [&form] { form.Label4_Click(); }),
          At(Kind::kLink, titleId + 2, {width - 24, 3, width - 6, 19}, form.Label5,
             [&form] { form.Label5_Click(); })};
}

PanelControl RoomBox(int id, RECT place, TextBox& text) {
  return {Kind::kLine, id, place, nullptr, {}, nullptr, &text, nullptr};
}

}  // namespace

std::unique_ptr<PanelFormView> MakeBusterView(FrmBuster& form, ViewEvents& events) {
  constexpr int kWidth = 200;
  std::vector<PanelControl> controls =
      TitleStrip(kWidth, kBusterTitleId, form, [&form] { form.lblDragMe_MouseDown(); });
  controls.push_back(RoomBox(kBusterRoomId, {8, 28, kWidth - 8, 48}, form.txtBuster));
  // "start bust" and "stop bust" share one place: one of them shows at a time.
  controls.push_back(At(Kind::kLink, kBusterStartId, {8, 54, 90, 70}, form.Label1,
                        [&form] { form.Label1_Click(); }));
  controls.push_back(At(Kind::kLink, kBusterStopId, {8, 54, 90, 70}, form.Label3,
                        [&form] { form.Label3_Click(); }));
  controls.push_back(At(Kind::kNote, kBusterAttsId, {110, 54, 140, 70}, form.Label2));
  controls.push_back(
      At(Kind::kNote, kBusterAttemptsId, {142, 54, kWidth - 8, 70}, form.lblAttempts));
  controls.push_back(At(Kind::kNote, kBusterStatusId, {8, 74, kWidth - 8, 90}, form.lblStatus));
  return std::make_unique<PanelFormView>(form, kBusterWindowClass, SIZE{kWidth, 96},
                                         std::move(controls), events,
                                         [&form] { form.Label5_Click(); });
}

std::unique_ptr<PanelFormView> MakeRunnerView(FrmRunner& form, ViewEvents& events) {
  constexpr int kWidth = 200;
  std::vector<PanelControl> controls =
      TitleStrip(kWidth, kRunnerTitleId, form, [&form] { form.lblDragMe_MouseDown(); });
  controls.push_back(RoomBox(kRunnerRoomId, {8, 28, kWidth - 8, 48}, form.txtBuster));
  controls.push_back(At(Kind::kLink, kRunnerStartId, {8, 54, 90, 70}, form.Label1,
                        [&form] { form.Label1_Click(); }));
  controls.push_back(At(Kind::kLink, kRunnerStopId, {110, 54, kWidth - 8, 70}, form.Label3,
                        [&form] { form.Label3_Click(); }));
  return std::make_unique<PanelFormView>(form, kRunnerWindowClass, SIZE{kWidth, 76},
                                         std::move(controls), events,
                                         [&form] { form.Label5_Click(); });
}

std::unique_ptr<PanelFormView> MakeAutoDLView(FrmAutoDL& form, AutoDownloadLater& tool,
                                              ViewEvents& events) {
  constexpr int kWidth = 260;
  std::vector<PanelControl> controls = {
      At(Kind::kTitle, kAutoDLTitleId, {8, 3, kWidth - 48, 19}, form.lblDragMe,
         [&tool] { tool.lblDragMe_MouseDown(); }),
      At(Kind::kLink, kAutoDLMinimizeId, {kWidth - 44, 3, kWidth - 26, 19}, form.Label4,
         [&tool] { tool.Label4_Click(); }),
      At(Kind::kLink, kAutoDLCloseId, {kWidth - 24, 3, kWidth - 6, 19}, form.Label5,
         [&tool] { tool.Label5_Click(); })};
  controls.push_back({Kind::kList,
                      kAutoDLListId,
                      {8, 28, kWidth - 8, 148},
                      nullptr,
                      {},
                      &form.lstMails,
                      nullptr,
                      nullptr});
  controls.push_back(At(Kind::kLink, kAutoDLStartId, {8, 154, 100, 170}, form.Label1,
                        [&tool] { tool.Label1_Click(); }));
  controls.push_back(At(Kind::kNote, kAutoDLStatusId, {104, 154, kWidth - 8, 170}, form.lblStatus));
  return std::make_unique<PanelFormView>(form, kAutoDLWindowClass, SIZE{kWidth, 176},
                                         std::move(controls), events,
                                         [&tool] { tool.Label5_Click(); });
}

}  // namespace drelm::win32::view
