#pragma once

#include <string_view>

namespace talvora {

// Calls f(line) for every line of 8-bit text. A text holding any CR ends lines at
// CR LF or a lone CR (a lone LF stays inside the line); a text without CR ends lines at LF.
// The last line may lack its end; a final line end adds no empty line; empty text has no lines.
template <class F> void forEachLine(std::string_view text, F&& f) {
    const bool crLines = text.find('\r') != std::string_view::npos;
    const char end = crLines ? '\r' : '\n';
    size_t start = 0;
    while (start < text.size()) {
        size_t stop = text.find(end, start);
        if (stop == std::string_view::npos) {
            f(text.substr(start));
            return;
        }
        f(text.substr(start, stop - start));
        start = stop + 1;
        if (crLines && start < text.size() && text[start] == '\n')
            ++start;
    }
}

} // namespace talvora
