// The text reader and writer. Reading: every line (CR LF or a lone CR ends it in a text
// holding any CR, LF otherwise) comes back followed by CR LF. Saving: a text the code page
// holds is written as its bytes and one CR LF and reads back line for line; any other is
// refused and the file keeps its old bytes. A new file is readable by its owner only, a
// rewritten one keeps its mode. Nothing else is left in the folder.

#include "codepage.h"
#include "error.h"
#include "fuzzsupport.h"
#include "textfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <sys/stat.h>

namespace {

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
        FUZZ_CHECK(got == modelCrLfLines(cp.decode(input)), cp.name() + " " + fuzz::show(input));
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
    FUZZ_CHECK(talvora::readTextFile(file, cp) == modelCrLfLines(input + "\r\n"), fuzz::show(input));
    FUZZ_CHECK(std::distance(fuzz::fs::directory_iterator(folder), {}) == 1, "a scratch file was left");
    return 0;
}
