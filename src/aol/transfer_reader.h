// Finds AOL's transfer windows and keeps the transfer texts of the program's values current: the
// download window (an MDI child with a gauge), and the upload window, an MDI child in AOL 7 and a
// top-level "_AOL_Modal" before. Every finder that sees a transfer records which kind it saw;
// nothing here clears that, the parts that report a transfer do. Windows are found afresh at
// every call.
#pragma once

#include <functional>
#include <string>

#include "core/drelm_globals.h"
#include "core/settings_store.h"
#include "platform/event_loop.h"
#include "platform/window_system.h"

namespace drelm {

// The download texts without a download window; the AOL 7 upload texts without an upload window
// (the older clients' upload texts are empty then).
inline constexpr const char* kNoDownload = "n/a";
inline constexpr const char* kNoUpload7 = "n/a ";

// The first top-level "_AOL_Modal" whose text holds "File Transfer - ": the upload window before
// AOL 7. The client's other modal windows ("File not found.", "Run Automatic AOL Now") are never
// taken for it, whichever lies above. 0 when there is none.
Hwnd FindUploadModal(WindowSystem& windows);

struct TransferReaderContext {
  WindowSystem& windows;
  EventLoop& loop;
  const SettingsStore& store;
  DrelmGlobals& values;
  // The check mark of "shorten dl/ul file name", read at every name.
  std::function<bool()> shortenChecked;
};

class TransferReader {
 public:
  explicit TransferReader(TransferReaderContext context) : c_(std::move(context)) {}

  // The first MDI child with a gauge whose first static holds "Download"; events are pumped
  // before each child is looked at.
  Hwnd FindDownloadWindow();
  // The first MDI child whose text holds "File Transfer - " (AOL 7's upload window), the download
  // window, which has the same caption, excepted.
  Hwnd FindUploadChild();
  // FindUploadModal, recording the kind when it finds one.
  Hwnd FindTransferModal();
  // The same without recording the kind.
  Hwnd FindTransferModalQuiet();

  std::string ReadDlTimeLeft();
  std::string ReadDlPercent();
  std::string ReadDlFileName();
  std::string ReadUlTimeLeft7();
  std::string ReadUlPercent7();
  std::string ReadUlFileName7();
  std::string ReadUlTimeLeftModal();
  std::string ReadUlPercentModal();
  // As ReadUlPercentModal with "-" for a text that is no number, and without recording the kind.
  std::string ReadUlPercentModalDash();
  std::string ReadUlFileNameModal();

  // Reads every transfer text into the program's values, each window looked for once.
  void Refresh();

 private:
  std::string Shortened(const std::string& name);
  Hwnd FindModal(bool record);
  bool IsDownloadWindow(Hwnd child);
  std::string StaticText(Hwnd window, int n);
  // The texts of a window already found (0: none open).
  std::string DlTimeLeftOf(Hwnd window);
  std::string DlPercentOf(Hwnd window);
  std::string DlFileNameOf(Hwnd window);
  std::string UlTimeLeft7Of(Hwnd window);
  std::string UlPercent7Of(Hwnd window);
  std::string UlFileName7Of(Hwnd window);
  std::string UlTimeLeftModalOf(Hwnd modal);
  std::string UlPercentModalOf(Hwnd modal);
  std::string UlFileNameModalOf(Hwnd modal);

  TransferReaderContext c_;
};

}  // namespace drelm
