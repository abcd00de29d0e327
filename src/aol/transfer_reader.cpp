#include "aol/transfer_reader.h"

#include "aol/control_text.h"
#include "aol/transfer_texts.h"
#include "aol/window_lookup.h"
#include "core/settings_catalogue.h"
#include "text/ansi.h"

namespace drelm {

namespace {

constexpr const char* kAolChild = "AOL Child";
constexpr const char* kUploadTitle = "File Transfer - ";

}  // namespace

std::string TransferReader::StaticText(Hwnd window, int n) {
  return GetControlText(c_.windows, FindNthChild(c_.windows, window, "_AOL_Static", n));
}

std::string TransferReader::Shortened(const std::string& name) {
  const bool on = c_.shortenChecked && c_.shortenChecked();
  return ShortenFileName(name, on, LeadingNumber(c_.store.Read(setting::kShortenUlDlLength)));
}

bool TransferReader::IsDownloadWindow(Hwnd child) {
  return FindNthChild(c_.windows, child, "_AOL_Gauge", 1) != 0 &&
         StaticText(child, 1).find("Download") != std::string::npos;
}

Hwnd TransferReader::FindDownloadWindow() {
  const Hwnd mdi = FindAolMdiClient(c_.windows);
  if (mdi == 0) return 0;
  for (Hwnd child = c_.windows.FindWindowEx(mdi, 0, std::string(kAolChild), std::nullopt);
       child != 0;
       child = c_.windows.FindWindowEx(mdi, child, std::string(kAolChild), std::nullopt)) {
    c_.loop.PumpPending();
    // The pump may have closed the child; a gone window has no children and ends the walk.
    if (!c_.windows.IsWindow(child)) return 0;
    if (!IsDownloadWindow(child)) continue;
    c_.values.TransferKind = "dl";
    return child;
  }
  return 0;
}

Hwnd TransferReader::FindUploadChild() {
  const Hwnd mdi = FindAolMdiClient(c_.windows);
  if (mdi == 0) return 0;
  for (Hwnd child = c_.windows.FindWindowEx(mdi, 0, std::string(kAolChild), std::nullopt);
       child != 0;
       child = c_.windows.FindWindowEx(mdi, child, std::string(kAolChild), std::nullopt)) {
    if (GetControlText(c_.windows, child).find(kUploadTitle) == std::string::npos) continue;
    // The download window has the same caption; it is not an upload.
    if (IsDownloadWindow(child)) continue;
    c_.values.TransferKind = "ul";
    return child;
  }
  return 0;
}

Hwnd FindUploadModal(WindowSystem& windows) {
  for (Hwnd modal = windows.FindWindowEx(0, 0, std::string("_AOL_Modal"), std::nullopt); modal != 0;
       modal = windows.FindWindowEx(0, modal, std::string("_AOL_Modal"), std::nullopt)) {
    if (GetControlText(windows, modal).find(kUploadTitle) != std::string::npos) return modal;
  }
  return 0;
}

Hwnd TransferReader::FindModal(bool record) {
  const Hwnd modal = FindUploadModal(c_.windows);
  if (modal != 0 && record) c_.values.TransferKind = "ul";
  return modal;
}

Hwnd TransferReader::FindTransferModal() {
  return FindModal(true);
}

Hwnd TransferReader::FindTransferModalQuiet() {
  return FindModal(false);
}

std::string TransferReader::DlTimeLeftOf(Hwnd window) {
  return window == 0 ? kNoDownload : DownloadTimeLeftOf(StaticText(window, 2));
}

std::string TransferReader::DlPercentOf(Hwnd window) {
  return window == 0 ? kNoDownload : DownloadPercentOf(GetCaption(c_.windows, window));
}

std::string TransferReader::DlFileNameOf(Hwnd window) {
  return window == 0 ? kNoDownload : Shortened(DownloadFileNameOf(StaticText(window, 1)));
}

std::string TransferReader::UlTimeLeft7Of(Hwnd window) {
  return window == 0 ? kNoUpload7 : Upload7TimeLeftOf(StaticText(window, 2));
}

std::string TransferReader::UlPercent7Of(Hwnd window) {
  return window == 0 ? kNoUpload7 : Upload7PercentOf(GetCaption(c_.windows, window));
}

std::string TransferReader::UlFileName7Of(Hwnd window) {
  return window == 0 ? kNoUpload7 : Shortened(Upload7FileNameOf(StaticText(window, 1)));
}

std::string TransferReader::UlTimeLeftModalOf(Hwnd modal) {
  return modal == 0 ? std::string() : ModalTimeLeftOf(StaticText(modal, 1), StaticText(modal, 2));
}

std::string TransferReader::UlPercentModalOf(Hwnd modal) {
  return modal == 0 ? std::string()
                    : ModalPercentOf(GetControlText(c_.windows, modal), kUploadNotANumber);
}

std::string TransferReader::UlFileNameModalOf(Hwnd modal) {
  return modal == 0 ? std::string() : Shortened(ModalFileNameOf(StaticText(modal, 1)));
}

std::string TransferReader::ReadDlTimeLeft() {
  return DlTimeLeftOf(FindDownloadWindow());
}

std::string TransferReader::ReadDlPercent() {
  return DlPercentOf(FindDownloadWindow());
}

std::string TransferReader::ReadDlFileName() {
  return DlFileNameOf(FindDownloadWindow());
}

std::string TransferReader::ReadUlTimeLeft7() {
  return UlTimeLeft7Of(FindUploadChild());
}

std::string TransferReader::ReadUlPercent7() {
  return UlPercent7Of(FindUploadChild());
}

std::string TransferReader::ReadUlFileName7() {
  return UlFileName7Of(FindUploadChild());
}

std::string TransferReader::ReadUlTimeLeftModal() {
  return UlTimeLeftModalOf(FindTransferModal());
}

std::string TransferReader::ReadUlPercentModal() {
  return UlPercentModalOf(FindTransferModal());
}

std::string TransferReader::ReadUlPercentModalDash() {
  const Hwnd modal = FindTransferModalQuiet();
  return modal == 0 ? std::string()
                    : ModalPercentOf(GetControlText(c_.windows, modal), kUploadNotANumberDash);
}

std::string TransferReader::ReadUlFileNameModal() {
  return UlFileNameModalOf(FindTransferModal());
}

void TransferReader::Refresh() {
  // Each window is looked for once a refresh and its three texts read from it: Timer2 refreshes
  // every 1.6 seconds, and a walk over a client with many windows open is the tick's main cost.
  DrelmGlobals& v = c_.values;
  const Hwnd download = FindDownloadWindow();
  v.DlTimeLeft = DlTimeLeftOf(download);
  v.DlFileName = DlFileNameOf(download);
  v.DlPercent = DlPercentOf(download);
  if (AolVersionNumber(c_.windows) == 7) {
    const Hwnd upload = FindUploadChild();
    v.UlTimeLeft = UlTimeLeft7Of(upload);
    v.UlFileName = UlFileName7Of(upload);
    v.UlPercent = UlPercent7Of(upload);
  } else {
    const Hwnd modal = FindTransferModal();
    v.UlTimeLeft = UlTimeLeftModalOf(modal);
    v.UlFileName = UlFileNameModalOf(modal);
    v.UlPercent = UlPercentModalOf(modal);
  }
}

}  // namespace drelm
