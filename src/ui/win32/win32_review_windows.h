// The away recorder's review windows and the reasons window as real panels: the recorded
// messages ("DrelmIdleMessages"), one message ("DrelmIdleMessage") and the reasons
// ("DrelmIdleReasons"). Control ids are fixed below and listed in docs/windows.md.
#pragma once

#include <memory>

#include "ui/win32/win32_panel_form.h"

namespace drelm {
class FrmAFKMessages;
class FrmMsg;
class FrmReasons;
}  // namespace drelm

namespace drelm::win32::view {

inline constexpr const char* kMessagesWindowClass = "DrelmIdleMessages";
inline constexpr const char* kMessageWindowClass = "DrelmIdleMessage";
inline constexpr const char* kReasonsWindowClass = "DrelmIdleReasons";

// frmAFKMessages
inline constexpr int kMessagesTitleId = 401;     // lblDragMe: drag
inline constexpr int kMessagesMinimizeId = 402;  // Label4 "-"
inline constexpr int kMessagesCloseId = 403;     // Label5 "x"
inline constexpr int kMessagesNoteId = 404;      // lblDouble
inline constexpr int kMessagesListId = 410;      // lstMsgs: double click opens the entry
// frmMsg
inline constexpr int kMessageTitleId = 421;     // Label2: drag
inline constexpr int kMessageMinimizeId = 422;  // Label4 "-"
inline constexpr int kMessageCloseId = 423;     // Label5 "x"
inline constexpr int kMessageTextId = 430;      // txtReSizeMsg
// frmReasons
inline constexpr int kReasonsTitleId = 441;     // Label2: drag
inline constexpr int kReasonsMinimizeId = 442;  // Label4 "-"
inline constexpr int kReasonsCloseId = 443;     // Label5 "x"
inline constexpr int kReasonsTagsId = 444;      // Image2: the "addons" menu of tags
inline constexpr int kReasonsListId = 450;      // lstRe: double click removes the reason
inline constexpr int kReasonsTextId = 451;      // txtReasons: Enter adds the reason

std::unique_ptr<PanelFormView> MakeMessagesView(FrmAFKMessages& form, ViewEvents& events);
std::unique_ptr<PanelFormView> MakeMessageView(FrmMsg& form, ViewEvents& events);
std::unique_ptr<PanelFormView> MakeReasonsView(FrmReasons& form, ViewEvents& events);

}  // namespace drelm::win32::view
