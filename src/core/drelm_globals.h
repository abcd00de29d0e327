// The values one running program keeps in memory for every part to read: the chat style and
// mode copied from the store at start-up, the idle counters, and the transfer texts. One set per
// Program; nothing here is process-wide in fact.
#pragma once

#include <cstdint>
#include <string>

namespace drelm {

struct DrelmGlobals {
  // The chat style, as the start-up copied it from the store.
  std::string UserHandle;
  std::string LeftAscii;
  std::string RightAscii;
  std::string AsciiFont;
  std::string MainFont;
  std::string AsciiColor;
  std::string MainColor;
  // "two" when the user said Windows 2000, "one" otherwise: it picks the chat sending path.
  std::string Win2kMode = "one";
  // Seconds between status lines while idling.
  std::int64_t IdleInterval = 0;
  // Ticks of the automatic idle start, as decimal text.
  std::string AutoIdleCount = "0";

  // The status scroller's tick counters.
  std::int64_t SecondCount = 0;
  std::int64_t IntervalCount = 0;
  std::int64_t ReconnectCount = 0;

  // Transfer progress as last read from AOL's transfer windows (aol/transfer_reader.h gives
  // what each holds without a transfer).
  std::string DlFileName;
  std::string DlPercent;
  std::string DlTimeLeft;
  std::string UlFileName;
  std::string UlPercent;
  std::string UlTimeLeft;
  // "dl" or "ul": the transfer window the reader saw last; the status line and the transfer
  // command report that transfer and set it back to "none".
  std::string TransferKind = "none";
};

}  // namespace drelm
