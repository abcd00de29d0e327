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

Hwnd TransferReader::FindModal(bool record) {
  for (Hwnd modal = c_.windows.FindWindowEx(0, 0, std::string("_AOL_Modal"), std::nullopt);
       modal != 0;
       modal = c_.windows.FindWindowEx(0, modal, std::string("_AOL_Modal"), std::nullopt)) {
    if (GetControlText(c_.windows, modal).find(kUploadTitle) == std::string::npos) continue;
    if (record) c_.values.TransferKind = "ul";
    return modal;
  }
  return 0;
}

Hwnd TransferReader::FindTransferModal() {
  return FindModal(true);
}

Hwnd TransferReader::FindTransferModalQuiet() {
  return FindModal(false);
}

std::string TransferReader::ReadDlTimeLeft() {
  const Hwnd window = FindDownloadWindow();
  return window == 0 ? kNoDownload : DownloadTimeLeftOf(StaticText(window, 2));
}

std::string TransferReader::ReadDlPercent() {
  const Hwnd window = FindDownloadWindow();
  return window == 0 ? kNoDownload : DownloadPercentOf(GetCaption(c_.windows, window));
}

std::string TransferReader::ReadDlFileName() {
  const Hwnd window = FindDownloadWindow();
  return window == 0 ? kNoDownload : Shortened(DownloadFileNameOf(StaticText(window, 1)));
}

std::string TransferReader::ReadUlTimeLeft7() {
  const Hwnd window = FindUploadChild();
  return window == 0 ? kNoUpload7 : Upload7TimeLeftOf(StaticText(window, 2));
}

std::string TransferReader::ReadUlPercent7() {
  const Hwnd window = FindUploadChild();
  return window == 0 ? kNoUpload7 : Upload7PercentOf(GetCaption(c_.windows, window));
}

std::string TransferReader::ReadUlFileName7() {
  const Hwnd window = FindUploadChild();
  return window == 0 ? kNoUpload7 : Shortened(Upload7FileNameOf(StaticText(window, 1)));
}

std::string TransferReader::ReadUlTimeLeftModal() {
  const Hwnd modal = FindTransferModal();
  return modal == 0 ? std::string() : ModalTimeLeftOf(StaticText(modal, 1), StaticText(modal, 2));
}

std::string TransferReader::ReadUlPercentModal() {
  const Hwnd modal = FindTransferModal();
  return modal == 0 ? std::string()
                    : ModalPercentOf(GetControlText(c_.windows, modal), kUploadNotANumber);
}

std::string TransferReader::ReadUlPercentModalDash() {
  const Hwnd modal = FindTransferModalQuiet();
  return modal == 0 ? std::string()
                    : ModalPercentOf(GetControlText(c_.windows, modal), kUploadNotANumberDash);
}

std::string TransferReader::ReadUlFileNameModal() {
  const Hwnd modal = FindTransferModal();
  return modal == 0 ? std::string() : Shortened(ModalFileNameOf(StaticText(modal, 1)));
}

void TransferReader::Refresh() {
  DrelmGlobals& v = c_.values;
  v.DlTimeLeft = ReadDlTimeLeft();
  v.DlFileName = ReadDlFileName();
  v.DlPercent = ReadDlPercent();
  if (AolVersionNumber(c_.windows) == 7) {
    v.UlTimeLeft = ReadUlTimeLeft7();
    v.UlFileName = ReadUlFileName7();
    v.UlPercent = ReadUlPercent7();
  } else {
    v.UlTimeLeft = ReadUlTimeLeftModal();
    v.UlFileName = ReadUlFileNameModal();
    v.UlPercent = ReadUlPercentModal();
  }
}

}  // namespace drelm
