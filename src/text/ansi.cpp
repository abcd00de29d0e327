#include "text/ansi.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace drelm {

namespace {

// Unicode code points of Windows-1252 bytes 0x80-0x9F; 0 marks the five unassigned bytes.
constexpr char32_t kHighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

char LowerAnsiChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 0x10);
  if (u == 0x9F) return static_cast<char>(0xFF);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 0x20);
  return c;
}

std::string LowerAnsi(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAnsiChar(c);
  return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    // Class names are mostly compared with themselves: equal bytes need no lowering.
    if (a[i] != b[i] && LowerAnsiChar(a[i]) != LowerAnsiChar(b[i])) return false;
  }
  return true;
}

std::int64_t LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const int digit = text[i] - '0';
    value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
  }
  return negative ? -value : value;
}

double LeadingDecimal(std::string_view text) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // The digits as one whole number and a power of ten, so that "0.15" reads as the double nearest
  // 0.15; digits past what a double holds only move the power.
  constexpr double kMantissaDigitsLimit = 1e17;
  constexpr int kExponentLimit = 100000;
  double mantissa = 0;
  int power = 0;
  bool digits = false;
  for (; i < n && IsDigit(text[i]); ++i, digits = true) {
    if (mantissa < kMantissaDigitsLimit) {
      mantissa = mantissa * 10 + (text[i] - '0');
    } else {
      ++power;
    }
  }
  if (i < n && text[i] == '.') {
    for (++i; i < n && IsDigit(text[i]); ++i, digits = true) {
      if (mantissa >= kMantissaDigitsLimit) continue;
      mantissa = mantissa * 10 + (text[i] - '0');
      --power;
    }
  }
  if (digits && i + 1 < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (text[j] == '+' || text[j] == '-') negativeExponent = text[j++] == '-';
    int exponent = 0;
    for (; j < n && IsDigit(text[j]); ++j)
      exponent = std::min(exponent * 10 + (text[j] - '0'), kExponentLimit);
    power += negativeExponent ? -exponent : exponent;
  }
  double value = 0;
  if (mantissa != 0) {
    value = power >= 0 ? mantissa * std::pow(10.0, power) : mantissa / std::pow(10.0, -power);
  }
  // Too large for a double: the largest one, as LeadingNumber saturates.
  if (std::isinf(value)) value = std::numeric_limits<double>::max();
  return negative ? -value : value;
}

bool IsNumeric(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < n && IsDigit(text[i]); ++i) ++digits;
  if (i < n && text[i] == '.') {
    for (++i; i < n && IsDigit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t expDigits = 0;
    for (; i < n && IsDigit(text[i]); ++i) ++expDigits;
    if (expDigits == 0) return false;
  }
  while (i < n && IsBlank(text[i])) ++i;
  return i == n;
}

std::string NumberText(double value) {
  constexpr double kWholeDigitsLimit = 1e15;
  if (value == std::trunc(value) && std::fabs(value) < kWholeDigitsLimit) {
    return std::to_string(static_cast<std::int64_t>(value));
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

std::string ZeroPadded(std::int64_t value, std::size_t width) {
  const bool negative = value < 0;
  // Unsigned, so the most negative number has a magnitude too.
  std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

std::int64_t RoundHalfEven(double value) {
  // Outside the 64-bit range the conversion would be undefined; such values saturate.
  constexpr double kLimit = 9.2233720368547748e18;  // 2^63
  if (std::isnan(value)) return 0;
  if (value >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (value <= -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(std::nearbyint(value));  // default rounding mode: to even
}

std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement,
                       const std::function<void()>& eachRound) {
  if (text.empty() || search.empty() || text.find(search) == std::string_view::npos ||
      replacement.find(search) != std::string_view::npos) {
    return std::string(text);
  }
  // Searching from the start after each replacement can meet occurrences formed across a
  // boundary ("aabb" without "ab" gives "ab", then ""), so the loop runs until none is left. A pair
  // that keeps re-forming the search text is cut off by the round bound and refused whole.
  const std::size_t maxRounds = 16 * (text.size() + 16);
  std::string copy(text);
  std::size_t rounds = 0;
  for (std::size_t at = copy.find(search); at != std::string::npos; at = copy.find(search)) {
    if (++rounds > maxRounds) return std::string(text);
    if (eachRound) eachRound();
    copy.replace(at, search.size(), replacement);
  }
  return copy;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else if (u < 0xA0) {
      const char32_t cp = kHighTable[u - 0x80];
      AppendUtf8(out, cp ? cp : 0xFFFD);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto u = static_cast<unsigned char>(text[i]);
    char32_t cp = 0;
    std::size_t len = 1;
    if (u < 0x80) {
      cp = u;
    } else if ((u & 0xE0) == 0xC0) {
      len = 2;
      cp = u & 0x1F;
    } else if ((u & 0xF0) == 0xE0) {
      len = 3;
      cp = u & 0x0F;
    } else if ((u & 0xF8) == 0xF0) {
      len = 4;
      cp = u & 0x07;
    } else {
      out += '?';
      ++i;
      continue;
    }
    if (i + len > text.size()) {
      out += '?';
      break;
    }
    for (std::size_t k = 1; k < len; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    char mapped = '?';
    for (int k = 0; k < 32; ++k) {
      if (kHighTable[k] == cp) mapped = static_cast<char>(0x80 + k);
    }
    out += mapped;
  }
  return out;
}

}  // namespace drelm
