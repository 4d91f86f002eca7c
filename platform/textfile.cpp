#include "textfile.h"

#include "codepage.h"
#include "files.h"
#include "textlines.h"
#include "utf8.h"

#include <algorithm>

namespace talvora {

std::string withCrLfLines(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    forEachLine(text, [&](std::string_view line) {
        out += line;
        out += "\r\n";
    });
    return out;
}

bool isUtf8Text(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; }) &&
           utf8::isValid(bytes);
}

std::string readTextFile(const std::filesystem::path& path, const CodePage& codePage) {
    std::string bytes = files::read(path, files::MaxTextBytes);
    if (!isUtf8Text(bytes))
        return withCrLfLines(codePage.decode(bytes));
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return withCrLfLines(text);
}

void saveTextFile(const std::filesystem::path& path, std::string_view text, const CodePage& codePage) {
    std::string bytes = codePage.encode(text);
    bytes += "\r\n";
    files::replace(path, bytes);
}

bool looksLikeText(std::string_view text) {
    size_t total = 0, odd = 0;
    for (size_t pos = 0; pos < text.size(); ++total) {
        const char32_t c = utf8::next(text, pos);
        if (c == 0)
            return false;
        const bool control = (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') ||
                             (c >= 0x7F && c <= 0x9F);
        // Bytes a code page leaves unassigned read as C1 controls or private-use characters.
        odd += control || (c >= 0xE000 && c <= 0xF8FF) || c == 0xFFFD;
    }
    return odd * 10 <= total;
}

} // namespace talvora
