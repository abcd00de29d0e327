#include "platform/sim/sim_data_protection.h"

namespace drelm::sim {

namespace {

constexpr std::string_view kSealMark = "sim seal\x01";

std::string Flipped(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) c = static_cast<char>(c ^ 0x5A);
  return out;
}

}  // namespace

std::optional<std::string> SimDataProtection::Protect(std::string_view secret) {
  if (!available_) return std::nullopt;
  return std::string(kSealMark) + Flipped(secret);
}

std::optional<std::string> SimDataProtection::Unprotect(std::string_view sealed) {
  if (!available_ || !sealed.starts_with(kSealMark)) return std::nullopt;
  return Flipped(sealed.substr(kSealMark.size()));
}

}  // namespace drelm::sim
