#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace talvora {

// A number in [0, bound), bound >= 1.
using Draw = std::function<uint32_t(uint32_t)>;
// Whether a character may be written (the code page of the file the text goes to).
using CanWrite = std::function<bool(char32_t)>;

// The capital a word may start with: one code point that the tokenizer's lower-casing turns
// back into c exactly. None for letters without one (ß, ı, the ﬁ ligature, digits).
std::optional<char32_t> capitalFor(char32_t c);

// Dresses encoded words as prose: sentences of 5 to 14 words (a shorter text makes one) with
// a capital at the start and a full stop (now and then "?" or "!") at the end, an occasional
// comma, now and then a paragraph break (CR LF CR LF). Only separators, line breaks and
// capitals are added, and the final blank becomes the last full stop, so the text decodes
// exactly as before.
std::string dressText(std::string_view encoded, const CanWrite& canWrite, const Draw& draw);
// The same with the choices taken from the operating system's random source.
std::string dressText(std::string_view encoded, const CanWrite& canWrite = {});

} // namespace talvora
