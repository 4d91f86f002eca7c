// The text reader and writer. Reading: every line (CR LF or a lone CR ends it in a text
// holding any CR, LF otherwise) comes back followed by CR LF; bytes that are UTF-8 holding
// something beyond ASCII are taken as UTF-8 (a byte order mark dropped), any others through
// the code page. Saving: a text the code page holds is written as its bytes and one CR LF
// and reads back line for line unless those bytes look like UTF-8; any other is refused and
// the file keeps its old bytes. A new file is readable by its owner only, a
// rewritten one keeps its mode. Nothing else is left in the folder.

#include "codepage.h"
#include "error.h"
#include "fuzzsupport.h"
#include "textfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <sys/stat.h>

namespace {

// Well-formed UTF-8 as the standard defines it: shortest forms, no surrogates, at most U+10FFFF.
bool modelUtf8(std::string_view s) {
    bool beyondAscii = false;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        beyondAscii = true;
        const size_t n = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        uint32_t cp = b & (0xFF >> (n + 1));
        for (size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n;
    }
    return beyondAscii;
}

// Saving writes each line the reader would see, CR LF after each.
std::string modelCrLfLines(std::string_view text) {
    std::string out;
    for (const std::string& line : fuzz::modelLines(text))
        out += line + "\r\n";
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096)
        return -1;
    FuzzedDataProvider fdp(data, size);
    const talvora::CodePage& cp = fuzz::programCodePage(fdp.ConsumeIntegral<uint8_t>());
    const bool saving = fdp.ConsumeBool();
    const bool existing = fdp.ConsumeBool();
    const std::string old = fdp.ConsumeRandomLengthString(64);
    const std::string input = fdp.ConsumeRemainingBytesAsString();

    const fuzz::fs::path folder = fuzz::Scratch::path();
    fuzz::Scratch::empty(folder);
    const fuzz::fs::path file = folder / "text.txt";
    FUZZ_CHECK(talvora::withCrLfLines(input) == modelCrLfLines(input), fuzz::show(input));

    if (!saving) {
        fuzz::writeFile(file, input);
        const std::string got = talvora::readTextFile(file, cp);
        std::string expected = cp.decode(input);
        if (modelUtf8(input))
            expected = input.rfind("\xEF\xBB\xBF", 0) == 0 ? input.substr(3) : input;
        FUZZ_CHECK(got == modelCrLfLines(expected), cp.name() + " " + fuzz::show(input));
        return 0;
    }

    unsigned oldMode = 0600;
    if (existing) {
        fuzz::writeFile(file, old);
        oldMode = (old.size() % 2) ? 0640 : 0604;
        ::chmod(file.c_str(), oldMode);
    }
    const bool holdable = !cp.firstUnencodable(input);
    try {
        talvora::saveTextFile(file, input, cp);
    } catch (const talvora::Error& e) {
        FUZZ_CHECK(!holdable, cp.name() + " " + fuzz::show(input) + ": " + e.what());
        FUZZ_CHECK(fuzz::fs::exists(file) == existing && (!existing || fuzz::readFile(file) == old),
                   fuzz::show(input));
        FUZZ_CHECK(std::distance(fuzz::fs::directory_iterator(folder), {}) == (existing ? 1 : 0),
                   "a scratch file was left");
        return 0;
    }
    FUZZ_CHECK(holdable, cp.name() + " saved " + fuzz::show(input));
    FUZZ_CHECK(fuzz::readFile(file) == cp.encode(input) + "\r\n", fuzz::show(input));
    struct stat st {};
    FUZZ_CHECK(::stat(file.c_str(), &st) == 0 && (st.st_mode & 07777) == oldMode,
               "saved with mode " + std::to_string(st.st_mode & 07777));
    if (!modelUtf8(cp.encode(input)))
        FUZZ_CHECK(talvora::readTextFile(file, cp) == modelCrLfLines(input + "\r\n"), fuzz::show(input));
    FUZZ_CHECK(std::distance(fuzz::fs::directory_iterator(folder), {}) == 1, "a scratch file was left");
    return 0;
}
