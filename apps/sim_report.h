// How drelm-sim shows a run to a person: chat HTML as readable text with its colours as terminal
// colours, and exact bytes with everything outside printable ASCII escaped.
#pragma once

#include <string>
#include <string_view>

namespace drelm::simapp {

// The text a member reads: tags dropped, "<font color=#RRGGBB>" turned into a 24-bit terminal
// colour when colour is true, Windows-1252 turned into UTF-8.
std::string RenderChatHtml(std::string_view html, bool colour);

// Printable ASCII as it is; a backslash as "\\"; every other byte as "\xNN".
std::string EscapeBytes(std::string_view bytes);

}  // namespace drelm::simapp
