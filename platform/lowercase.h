#pragma once

#include <string>
#include <string_view>

namespace talvora {

// Simple (one code point to one code point) lower-case mapping, as every word and every
// saved key name is compared.
char32_t lowerChar(char32_t c);
std::string toLower(std::string_view utf8);
void appendLower(std::string& out, std::string_view utf8);

} // namespace talvora
