// The product's own web site: the advertising link line and the reasons' "[drelm]" tag both point
// here, so the two can never send a user to different places.
#pragma once

#include <string_view>

namespace drelm {

inline constexpr std::string_view kProductSiteAddress = "http://www.drelm-idle.example/";

}  // namespace drelm
