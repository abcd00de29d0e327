#include "aol/transfer_texts.h"

#include <algorithm>
#include <string_view>

#include "text/ansi.h"

namespace drelm {

namespace {

bool Holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string Without(std::string text, std::initializer_list<std::string_view> words) {
  for (std::string_view word : words) text = ReplaceAll(text, word, "");
  return text;
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// What follows the first " - " of a caption, without its "%" signs.
std::string AfterDash(const std::string& caption) {
  const std::size_t dash = caption.find(" - ");
  return ReplaceAll(caption.substr(dash + 3), "%", "");
}

}  // namespace

std::string DownloadTimeLeftOf(const std::string& remaining) {
  if (Holds(remaining, "Less than") || Holds(remaining, "Calc")) return "0";
  // " minute" after " minutes": the last minute reads as a bare number too.
  return Without(remaining, {"About ", " remaining.", " minutes", " minute"});
}

std::string DownloadPercentOf(const std::string& caption) {
  if (!Holds(caption, " - ")) return "0";
  return AfterDash(caption);
}

std::string DownloadFileNameOf(const std::string& firstStatic) {
  return Without(LowerAnsi(firstStatic), {"aol is now downloading "});
}

std::string Upload7TimeLeftOf(const std::string& remaining) {
  if (Holds(remaining, "Less")) return "<b>na</b>";
  if (Holds(remaining, "Calc")) return "calculat'ing";
  return TrimBlanks(Without(remaining, {"About ", " remaining.", " minutes", "minute"}));
}

std::string Upload7PercentOf(const std::string& caption) {
  return Holds(caption, " - ") ? AfterDash(caption) : std::string();
}

std::string Upload7FileNameOf(const std::string& firstStatic) {
  return Without(firstStatic, {"Now Uploading "});
}

std::string ModalTimeLeftOf(const std::string& firstStatic, const std::string& secondStatic) {
  const std::size_t ing = firstStatic.find("ing");
  const std::string name = ing == std::string::npos ? std::string() : firstStatic.substr(ing + 3);
  const std::size_t blank = name.find(' ');
  if (blank == std::string::npos || secondStatic.size() < 6) return kUploadNotANumber;
  std::string minutes = secondStatic.substr(6);  // after "About "
  minutes = blank < minutes.size() ? minutes.substr(blank) : std::string();
  minutes = minutes.substr(0, minutes.find(' '));
  return AllDigits(minutes) ? minutes : kUploadNotANumber;
}

std::string ModalPercentOf(const std::string& title, const std::string& notANumber) {
  if (!Holds(title, " - ")) return {};
  const std::size_t end = title.find("r - ");
  if (end == std::string::npos) return notANumber;
  std::string percent = title.substr(end + 4);
  if (!percent.empty()) percent.pop_back();  // the "%"
  return AllDigits(percent) ? percent : notANumber;
}

std::string ModalFileNameOf(const std::string& firstStatic) {
  const std::size_t at = firstStatic.find("Uploading");
  if (at == std::string::npos) return {};
  return at + 10 <= firstStatic.size() ? firstStatic.substr(at + 10) : std::string();
}

std::string ShortenFileName(const std::string& name, bool shortenOn, std::int64_t maxLength) {
  const std::size_t keep = static_cast<std::size_t>(std::max<std::int64_t>(maxLength, 0));
  if (!shortenOn || keep >= name.size()) return name;
  return "\"" + name.substr(0, keep) + "...\"";
}

}  // namespace drelm
