#include "aol/chat_markup.h"

namespace drelm {

std::string FontColor(std::string_view colour) {
  return "<font color=#" + std::string(colour) + ">";
}

std::string FontFace(std::string_view face) {
  return "<font face=\"" + std::string(face) + "\">";
}

}  // namespace drelm
