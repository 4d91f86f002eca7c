#include "dress.h"

#include "random.h"
#include "text.h"
#include "utf8.h"

#include <algorithm>
#include <unicode/uchar.h>
#include <vector>

namespace talvora {

std::optional<char32_t> capitalFor(char32_t c) {
    const auto t = static_cast<char32_t>(u_totitle(static_cast<UChar32>(c)));
    if (t == c || lowerChar(t) != c)
        return std::nullopt;
    return t;
}

namespace {

void appendCapitalised(std::string& out, std::string_view word, const CanWrite& canWrite) {
    size_t pos = 0;
    const char32_t c = utf8::next(word, pos);
    const auto capital = c == U'\uFFFD' ? std::nullopt : capitalFor(c);
    if (capital && (!canWrite || canWrite(*capital))) {
        utf8::append(out, *capital);
        out.append(word.substr(pos));
    } else {
        out.append(word);
    }
}

char endMark(const Draw& draw) {
    const uint32_t r = draw(20);
    return r == 0 ? '!' : r < 3 ? '?' : '.';
}

} // namespace

std::string dressText(std::string_view encoded, const CanWrite& canWrite, const Draw& draw) {
    // The words as the encoder wrote them, each once followed by a blank. Empty pieces
    // (from empty entries or doubled blanks) pass through so that no slot changes.
    std::vector<std::string_view> pieces;
    for (size_t start = 0;;) {
        size_t blank = encoded.find(' ', start);
        pieces.push_back(
            encoded.substr(start, blank == std::string_view::npos ? blank : blank - start));
        if (blank == std::string_view::npos)
            break;
        start = blank + 1;
    }
    size_t lastWord = pieces.size();
    uint32_t words = 0; // not yet written
    for (size_t i = 0; i < pieces.size(); ++i)
        if (!pieces[i].empty()) {
            lastWord = i;
            ++words;
        }

    std::string out;
    out.reserve(encoded.size() + encoded.size() / 16 + 8);
    uint32_t left = 0, position = 0, commaAfter = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::string_view piece = pieces[i];
        const bool more = i + 1 < pieces.size(); // a blank followed this piece
        if (piece.empty()) {
            if (more)
                out += ' ';
            continue;
        }
        if (left == 0) {
            // The rest in one sentence when it fits, and never fewer than five words left
            // over for the last one.
            left = words <= 14 ? words : 5 + draw(std::min<uint32_t>(10, words - 9));
            position = 0;
            // At most one comma, never after the first word nor close to the end.
            commaAfter = left >= 6 && draw(5) < 2 ? 2 + draw(left - 4) : 0;
            appendCapitalised(out, piece, canWrite);
        } else {
            out += piece;
        }
        ++position;
        --left;
        --words;
        if (i == lastWord) {
            // The final blank only opened an empty slot; the full stop takes its place.
            out += endMark(draw);
            break;
        }
        if (left == 0) {
            out += endMark(draw);
            if (draw(4) == 0) {
                out += "\r\n\r\n";
                continue;
            }
        } else if (position == commaAfter) {
            out += ',';
        }
        if (more)
            out += ' ';
    }
    return out;
}

std::string dressText(std::string_view encoded, const CanWrite& canWrite) {
    RandomSource source;
    return dressText(encoded, canWrite, [&source](uint32_t bound) { return source.below(bound); });
}

} // namespace talvora
