#include "lowercase.h"

#include "utf8.h"

#include <unicode/uchar.h>

namespace talvora {

char32_t lowerChar(char32_t c) { return static_cast<char32_t>(u_tolower(static_cast<UChar32>(c))); }

void appendLower(std::string& out, std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        auto ch = static_cast<unsigned char>(text[pos]);
        if (ch < 0x80) {
            out += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch);
            ++pos;
            continue;
        }
        utf8::append(out, lowerChar(utf8::next(text, pos)));
    }
}

std::string toLower(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendLower(out, text);
    return out;
}

} // namespace talvora
