#include "platform/win32/win32_clock.h"

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_tick.h"

namespace drelm::win32 {

namespace {

std::string LocaleText(LCTYPE what) {
  char buffer[80] = {};
  const int copied = GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buffer, sizeof buffer);
  return copied > 1 ? std::string(buffer, static_cast<std::size_t>(copied - 1)) : std::string();
}

// Now through GetTimeFormatA or GetDateFormatA with the user's own format (a null time means
// now). The size is asked first, since month and day names can outgrow any fixed buffer; the
// margin covers a text that grows by a digit between the two calls.
template <typename Format>
std::string NowFormatted(Format format, DWORD flags) {
  constexpr int kMargin = 16;
  const int size = format(LOCALE_USER_DEFAULT, flags, nullptr, nullptr, nullptr, 0);
  if (size <= 1) return {};
  std::string text(static_cast<std::size_t>(size + kMargin), '\0');
  const int copied =
      format(LOCALE_USER_DEFAULT, flags, nullptr, nullptr, text.data(), size + kMargin);
  text.resize(copied > 1 ? static_cast<std::size_t>(copied - 1) : 0);
  return text;
}

}  // namespace

std::uint64_t Win32Clock::MonotonicMs() {
  return TickCount64();
}

double Win32Clock::SecondsSinceMidnight() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

std::uint64_t Win32Clock::UptimeMs() {
  return TickCount64();
}

LocalDateTime Win32Clock::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalDateTime{now.wYear,   now.wMonth,  now.wDay,         now.wHour,
                       now.wMinute, now.wSecond, now.wMilliseconds};
}

std::string Win32Clock::AmDesignator() {
  return LocaleText(LOCALE_S1159);
}
std::string Win32Clock::PmDesignator() {
  return LocaleText(LOCALE_S2359);
}

std::string Win32Clock::LongTimeText() {
  return NowFormatted(GetTimeFormatA, 0);
}
std::string Win32Clock::ShortDateText() {
  return NowFormatted(GetDateFormatA, DATE_SHORTDATE);
}

}  // namespace drelm::win32
