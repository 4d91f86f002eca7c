#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace talvora::utf8 {

void append(std::string& out, char32_t codePoint);
// Decodes the code point at pos and advances pos; invalid bytes read as U+FFFD.
char32_t next(std::string_view text, size_t& pos);
bool isValid(std::string_view text);

} // namespace talvora::utf8

namespace talvora {

// Paths from and to the program's UTF-8 text. A plain std::string would be read in the
// system's narrow code page on Windows.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8Path(const std::filesystem::path& path);

} // namespace talvora
