#include "tokenizer.h"

#include "text.h"

#include <array>

namespace talvora {

bool isSeparator(char32_t c) { return c < 0x80 && Separators.find(static_cast<char>(c)) != std::string_view::npos; }

std::vector<std::string> parseText(std::string_view text) {
    // Blanks, CR LF and the separators are all ASCII, so the UTF-8 bytes can be cut directly.
    static const auto separatorTable = [] {
        std::array<bool, 256> t{};
        for (char c : Separators)
            t[static_cast<unsigned char>(c)] = true;
        return t;
    }();
    std::string lowered = toLower(text);
    std::vector<std::string> tokens(1);
    const size_t size = lowered.size();
    for (size_t i = 0; i < size; ++i) {
        char c = lowered[i];
        if (c == ' ' || (c == '\r' && i + 1 < size && lowered[i + 1] == '\n')) {
            if (c == '\r')
                ++i;
            tokens.emplace_back();
        } else if (!separatorTable[static_cast<unsigned char>(c)]) {
            tokens.back() += c;
        }
    }
    return tokens;
}

} // namespace talvora
