// The two tags of AOL chat HTML that style our lines. Every styled line is built from these, so
// a colour or face is written the one way the chat room expects ("<font color=#" + colour as
// stored, which may carry its own "#").
#pragma once

#include <string>
#include <string_view>

namespace drelm {

std::string FontColor(std::string_view colour);
std::string FontFace(std::string_view face);

}  // namespace drelm
