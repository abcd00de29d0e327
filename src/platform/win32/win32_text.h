// Between the program's ANSI bytes and the UTF-16 that the W functions speak, in the process's
// ANSI code page. Characters the code page lacks become its default character.
#pragma once

#include <string>
#include <string_view>

namespace drelm::win32 {

std::string WideToAnsi(std::wstring_view text);
std::wstring AnsiToWide(std::string_view text);

}  // namespace drelm::win32
