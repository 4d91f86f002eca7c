#include "textfile.h"

#include "codepage.h"
#include "files.h"
#include "textlines.h"

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

std::string readTextFile(const std::filesystem::path& path, const CodePage& codePage) {
    return withCrLfLines(codePage.decode(files::read(path, files::MaxTextBytes)));
}

void saveTextFile(const std::filesystem::path& path, std::string_view text, const CodePage& codePage) {
    std::string bytes = codePage.encode(text);
    bytes += "\r\n";
    files::replace(path, bytes);
}

} // namespace talvora
