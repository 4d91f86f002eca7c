#include "utf8.h"

#include <unicode/utf8.h>

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

char32_t next(std::string_view text, size_t& pos) {
    auto i = static_cast<int32_t>(pos);
    UChar32 c = 0;
    U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), i, static_cast<int32_t>(text.size()), c);
    pos = static_cast<size_t>(i);
    return c < 0 ? U'\uFFFD' : static_cast<char32_t>(c);
}

bool isValid(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size()) {
        auto i = static_cast<int32_t>(pos);
        UChar32 c = 0;
        U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), i, static_cast<int32_t>(text.size()),
                c);
        if (c < 0)
            return false;
        pos = static_cast<size_t>(i);
    }
    return true;
}

} // namespace talvora::utf8
