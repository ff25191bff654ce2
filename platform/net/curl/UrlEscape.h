// Makes a URL from the program's Windows-1251 text fit to send.
#pragma once

#include <string>
#include <string_view>

namespace net {

// Spaces, control bytes and 8-bit bytes become %XX of their byte value (the
// program's texts are Windows-1251, so that is their code in that page).
// Everything else, existing %XX escapes included, stays as it is.
std::string EscapeUrl(std::string_view url);

}  // namespace net
