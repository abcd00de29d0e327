// Helpers for ANSI (Windows-1252) byte strings, the encoding of every text the program handles.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace drelm {

// Lower-cases ASCII letters and the Windows-1252 letters that have a lower-case form
// (0x8A, 0x8C, 0x8E, 0x9F and 0xC0-0xDE except 0xD7), as the ANSI LCase does.
char LowerAnsiChar(char c);
std::string LowerAnsi(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The leading decimal number of a text, as the stored counters are read: optional blanks and
// sign, then digits; "5 messages" is 5, "abc" and "" are 0. Saturates instead of overflowing.
std::int64_t LeadingNumber(std::string_view text);
// Leading number with an optional fraction and exponent ("12.5 mb" is 12.5, "1e3" is 1000), so a
// text IsNumeric accepts reads as all of it; 0 when there is none. Saturates at the largest
// double instead of becoming infinite.
double LeadingDecimal(std::string_view text);
// A number as decimal text: whole values without a fraction ("5", not "5.0"), others with up to
// 15 significant digits ("2.5"). LeadingDecimal reads it back.
std::string NumberText(double value);

// True when the whole text (blanks around it allowed) is a number: optional sign, digits, an
// optional fraction and exponent. The prompts use this to accept an answer.
bool IsNumeric(std::string_view text);

// Decimal text of a number whose digits are zero-padded to at least width, the minus sign in
// front of them (7 -> "07", -7 -> "-07"): minutes and seconds without formatted printing.
std::string ZeroPadded(std::int64_t value, std::size_t width);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double value);

// Replaces every occurrence of search, searching again from the start after each replacement.
// A replacement that contains the search text would never finish, so such a call is refused
// and the text comes back unchanged; so does an empty search text. eachRound, when given, runs
// before every replacement (the window primitives pump events there).
std::string ReplaceAll(std::string_view text, std::string_view search, std::string_view replacement,
                       const std::function<void()>& eachRound = {});

// For a Linux console: Windows-1252 bytes to UTF-8 (the five unassigned bytes map to U+FFFD),
// and back (characters outside Windows-1252 become "?").
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

}  // namespace drelm
