// The file readers and the text saver on any bytes in any code page, against literal models.
// Lines: CR LF or a lone CR ends one in bytes holding any CR, LF otherwise; the last may lack
// its end. A dictionary is one entry a line, lower-cased in the code page; the rows holding a
// byte the code page leaves unassigned are named. A text file that is UTF-8 with something
// beyond ASCII is read as UTF-8 (a byte order mark dropped), any other through the code page,
// each line followed by CR LF. Saving the bytes as a text is refused exactly when the code
// page lacks one of its characters, the file then as it was; otherwise the file holds their
// bytes in the code page and CR LF, which decode back exactly, and no scratch file is left.

#include "dictionaryfile.h"
#include "error.h"
#include "fuzzsupport.h"
#include "text.h"
#include "textfile.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> modelLines(std::string_view bytes) {
    std::vector<std::string> lines(1);
    const char end = bytes.find('\r') != std::string_view::npos ? '\r' : '\n';
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != end) {
            lines.back() += bytes[i];
            continue;
        }
        lines.emplace_back();
        i += end == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    }
    if (lines.back().empty()) // nothing after the last line's end
        lines.pop_back();
    return lines;
}

// Well-formed UTF-8 by the standard's table of byte sequences, holding something beyond ASCII.
bool utf8Text(std::string_view s) {
    bool beyondAscii = false;
    for (size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80)
            continue;
        // How many bytes follow the first, and the range of the second; later ones are 80..BF.
        const size_t n = b < 0xC2 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : b < 0xF5 ? 3 : 0;
        const int low = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
        const int high = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
        for (size_t k = 1; k <= n && i + k < s.size(); ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        if (n == 0 || i + n >= s.size())
            return false;
        i += n;
        beyondAscii = true;
    }
    return beyondAscii;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 4096)
        return -1;
    const talvora::CodePage& cp = fuzz::codePage(data[0], std::size(fuzz::CodePages));
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string context = cp.name() + " " + fuzz::show(bytes);
    const fuzz::fs::path folder = fuzz::emptyFolder("files"), file = folder / "text.txt";
    fuzz::writeFile(file, bytes);

    const std::vector<std::string> entries = modelLines(bytes);
    std::vector<uint32_t> unassigned, want;
    for (uint32_t r = 1; r <= entries.size(); ++r)
        if (std::any_of(entries[r - 1].begin(), entries[r - 1].end(),
                        [&](char c) { return !cp.isAssigned(static_cast<unsigned char>(c)); }))
            want.push_back(r);
    if (!bytes.empty()) { // an empty dictionary is refused
        const talvora::WordList words = talvora::readDictionary(file, cp, &unassigned);
        FUZZ_CHECK(words.size() == entries.size() && unassigned == want, context);
        for (uint32_t r = 1; r <= words.size(); ++r)
            FUZZ_CHECK(words[r] == talvora::toLower(cp.decode(entries[r - 1])),
                       context + " row " + std::to_string(r));
    }

    const std::string text = !utf8Text(bytes)                    ? cp.decode(bytes)
                             : bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3)
                                                                 : bytes;
    std::string lines;
    for (const std::string& line : modelLines(text))
        lines += line + "\r\n";
    FUZZ_CHECK(talvora::readTextFile(file, cp) == lines, context);

    // Saved over the file just read.
    try {
        talvora::saveTextFile(file, bytes, cp);
        const std::string saved = fuzz::readFile(file);
        FUZZ_CHECK(!cp.firstUnencodable(bytes) && cp.decode(saved) == bytes + "\r\n",
                   "saved " + context + " as " + fuzz::show(saved));
    } catch (const talvora::Error& e) {
        FUZZ_CHECK(cp.firstUnencodable(bytes) && fuzz::readFile(file) == bytes,
                   "refused " + context + ": " + e.what());
    }
    FUZZ_CHECK(std::distance(fuzz::fs::directory_iterator(folder), {}) == 1,
               "a scratch file was left");
    return 0;
}
