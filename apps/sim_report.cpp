#include "sim_report.h"

#include <cctype>
#include <cstdio>

#include "text/ansi.h"

namespace drelm::simapp {

namespace {

constexpr std::string_view kColourTag = "<font color=";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "#336699" and "##336699" (stored colours carry their own "#") both name the same colour.
std::string TerminalColour(std::string_view value) {
  while (!value.empty() && (value.front() == '#' || value.front() == '"')) value.remove_prefix(1);
  if (value.size() < 6) return {};
  int rgb[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexValue(value[2 * i]);
    const int low = HexValue(value[2 * i + 1]);
    if (high < 0 || low < 0) return {};
    rgb[i] = high * 16 + low;
  }
  char code[32];
  std::snprintf(code, sizeof code, "\x1b[38;2;%d;%d;%dm", rgb[0], rgb[1], rgb[2]);
  return code;
}

}  // namespace

std::string RenderChatHtml(std::string_view html, bool colour) {
  std::string text;
  std::string out;
  bool coloured = false;
  std::size_t at = 0;
  while (at < html.size()) {
    if (html[at] != '<') {
      text += html[at++];
      continue;
    }
    const std::size_t end = html.find('>', at);
    if (end == std::string_view::npos) {
      text += html.substr(at);
      break;
    }
    const std::string_view tag = html.substr(at, end - at + 1);
    if (colour && LowerAnsi(tag).rfind(kColourTag, 0) == 0) {
      const std::string code =
          TerminalColour(tag.substr(kColourTag.size(), tag.size() - kColourTag.size() - 1));
      if (!code.empty()) {
        out += Cp1252ToUtf8(text) + code;
        text.clear();
        coloured = true;
      }
    }
    at = end + 1;
  }
  out += Cp1252ToUtf8(text);
  if (coloured) out += "\x1b[0m";
  return out;
}

std::string EscapeBytes(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    }
  }
  return out;
}

}  // namespace drelm::simapp
