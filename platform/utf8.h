#pragma once

#include <string>
#include <string_view>

namespace talvora::utf8 {

void append(std::string& out, char32_t codePoint);
// Decodes the code point at pos and advances pos; invalid bytes read as U+FFFD.
char32_t next(std::string_view text, size_t& pos);
bool isValid(std::string_view text);

} // namespace talvora::utf8
