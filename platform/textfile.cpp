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

} // namespace talvora
