#include "utf8.h"

#include <unicode/utf8.h>

#include <algorithm>

namespace talvora::utf8 {

void append(std::string& out, char32_t codePoint) {
    char buf[U8_MAX_LENGTH];
    int32_t len = 0;
    UBool error = false;
    U8_APPEND(reinterpret_cast<uint8_t*>(buf), len, U8_MAX_LENGTH, static_cast<UChar32>(codePoint),
              error);
    if (error) {
        len = 0;
        U8_APPEND_UNSAFE(reinterpret_cast<uint8_t*>(buf), len, 0xFFFD);
    }
    out.append(buf, static_cast<size_t>(len));
}

namespace {

// ICU indexes with 32 bits: it is given the text from pos on, and no more than one code
// point can need, so its index stays small however long the text is.
UChar32 decodeAt(std::string_view text, size_t& pos) {
    const auto* base = reinterpret_cast<const uint8_t*>(text.data()) + pos;
    const auto length = static_cast<int32_t>(std::min<size_t>(text.size() - pos, U8_MAX_LENGTH));
    int32_t i = 0;
    UChar32 c = 0;
    U8_NEXT(base, i, length, c);
    pos += static_cast<size_t>(i);
    return c;
}

} // namespace

char32_t next(std::string_view text, size_t& pos) {
    UChar32 c = decodeAt(text, pos);
    return c < 0 ? U'\uFFFD' : static_cast<char32_t>(c);
}

bool isValid(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size())
        if (decodeAt(text, pos) < 0)
            return false;
    return true;
}

} // namespace talvora::utf8

namespace talvora {

std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace talvora
