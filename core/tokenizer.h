#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talvora {

// The 30 characters dropped from words.
inline constexpr std::string_view Separators = ",.?/;:'[{]}\\|<>=+-_)(*&^%$#@!\"";

bool isSeparator(char32_t c);

// Cuts a text (UTF-8, line breaks as CR LF) into token slots: lower-cased, each CR LF a
// blank, separators dropped, one slot per blank plus one. Slots may be empty.
std::vector<std::string> parseText(std::string_view text);

} // namespace talvora
