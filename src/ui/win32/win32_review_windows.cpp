#include "ui/win32/win32_review_windows.h"

#include "idle/frm_afk_messages.h"
#include "idle/frm_msg.h"
#include "idle/frm_reasons.h"

namespace drelm::win32::view {

namespace {

using Kind = PanelControl::Kind;

// The title strip every panel shares: title, "-" and "x" at the right edge of width.
std::vector<PanelControl> TitleStrip(int width, int titleId, const Label& title,
                                     std::function<void()> drag, const Label& minimize,
                                     std::function<void()> onMinimize, const Label& close,
                                     std::function<void()> onClose) {
  return {
      {Kind::kTitle, titleId, {8, 3, width - 48, 19}, &title, {}, nullptr, nullptr, drag},
      {Kind::kLink,
       titleId + 1,
       {width - 44, 3, width - 26, 19},
       &minimize,
       {},
       nullptr,
       nullptr,
       onMinimize},
      {Kind::kLink,
       titleId + 2,
       {width - 24, 3, width - 6, 19},
       &close,
       {},
       nullptr,
       nullptr,
       onClose},
  };
}

}  // namespace

std::unique_ptr<PanelFormView> MakeMessagesView(FrmAFKMessages& form, ViewEvents& events) {
  constexpr int kWidth = 320;
  std::vector<PanelControl> controls = TitleStrip(
      kWidth, kMessagesTitleId, form.lblDragMe, [&form] { form.lblDragMe_MouseDown(); },
      form.Label4, [&form] { form.Label4_Click(); }, form.Label5, [&form] { form.Label5_Click(); });
  controls.push_back({Kind::kList,
                      kMessagesListId,
                      {8, 30, kWidth - 8, 190},
                      nullptr,
                      {},
                      &form.lstMsgs,
                      nullptr,
                      [&form] { form.lstMsgs_DblClick(); }});
  controls.push_back({Kind::kNote,
                      kMessagesNoteId,
                      {8, 194, kWidth - 8, 212},
                      &form.lblDouble,
                      {},
                      nullptr,
                      nullptr,
                      nullptr});
  return std::make_unique<PanelFormView>(form, kMessagesWindowClass, SIZE{kWidth, 218},
                                         std::move(controls), events,
                                         [&form] { form.Label5_Click(); });
}

std::unique_ptr<PanelFormView> MakeMessageView(FrmMsg& form, ViewEvents& events) {
  constexpr int kWidth = 320;
  std::vector<PanelControl> controls = TitleStrip(
      kWidth, kMessageTitleId, form.Label2, [&form] { form.Label2_MouseDown(); }, form.Label4,
      [&form] { form.Label4_Click(); }, form.Label5, [&form] { form.Label5_Click(); });
  controls.push_back({Kind::kReadOnlyText,
                      kMessageTextId,
                      {8, 30, kWidth - 8, 152},
                      nullptr,
                      {},
                      nullptr,
                      &form.txtReSizeMsg,
                      nullptr});
  return std::make_unique<PanelFormView>(form, kMessageWindowClass, SIZE{kWidth, 160},
                                         std::move(controls), events,
                                         [&form] { form.Label5_Click(); });
}

std::unique_ptr<PanelFormView> MakeReasonsView(FrmReasons& form, ViewEvents& events) {
  constexpr int kWidth = 280;
  std::vector<PanelControl> controls = TitleStrip(
      kWidth, kReasonsTitleId, form.Label2, [&form] { form.Label2_MouseDown(); }, form.Label4,
      [&form] { form.Label4_Click(); }, form.Label5, [&form] { form.Label5_Click(); });
  controls.push_back({Kind::kList,
                      kReasonsListId,
                      {8, 30, kWidth - 8, 164},
                      nullptr,
                      {},
                      &form.lstRe,
                      nullptr,
                      [&form] { form.lstRe_DblClick(); }});
  controls.push_back({Kind::kLine,
                      kReasonsTextId,
                      {8, 170, kWidth - 48, 192},
                      nullptr,
                      {},
                      nullptr,
                      &form.txtReasons,
                      [&form] { form.txtReasons_KeyPress(13); }});
  controls.push_back({Kind::kLink,
                      kReasonsTagsId,
                      {kWidth - 44, 170, kWidth - 8, 192},
                      nullptr,
                      "tags",
                      nullptr,
                      nullptr,
                      [&form] { form.Image2_Click(); }});
  return std::make_unique<PanelFormView>(form, kReasonsWindowClass, SIZE{kWidth, 200},
                                         std::move(controls), events,
                                         [&form] { form.Label5_Click(); });
}

}  // namespace drelm::win32::view
