// Code-page conversion both ways: any bytes decode to valid UTF-8 that encodes back to
// the same bytes; any UTF-8 (valid or not) either is refused naming its first character
// that the code page lacks, or encodes to bytes that decode back to it.

#include "codepage.h"
#include "error.h"
#include "fuzzsupport.h"
#include "utf8.h"

#include <string>

namespace {

const char* const Names[] = {"windows-1250", "windows-1251", "windows-1252", "windows-1253",
                             "windows-1254", "windows-1255", "windows-1256", "windows-1257",
                             "windows-1258", "ISO-8859-1",   "ISO-8859-2",   "ISO-8859-5",
                             "ISO-8859-7",   "ISO-8859-15",  "KOI8-R",       "ibm-866"};

// Once per code page: every byte has one character, and that character writes the byte.
void checkTable(const talvora::CodePage& cp) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        std::string one;
        talvora::utf8::append(one, cp.codePointOf(byte));
        FUZZ_CHECK(cp.charOf(byte) == one, cp.name() + " byte " + std::to_string(b));
        FUZZ_CHECK(cp.byteOf(cp.codePointOf(byte)) == byte, cp.name() + " byte " + std::to_string(b));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096)
        return -1;
    const std::string name = Names[data[0] % std::size(Names)];
    const talvora::CodePage* cp = fuzz::codePage(name);
    FUZZ_CHECK(cp != nullptr, name + " was refused");
    static bool checked[std::size(Names)];
    if (!checked[data[0] % std::size(Names)]) {
        checked[data[0] % std::size(Names)] = true;
        checkTable(*cp);
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string text = cp->decode(bytes);
    FUZZ_CHECK(talvora::utf8::isValid(text), name + " " + fuzz::show(bytes));
    FUZZ_CHECK(!cp->firstUnencodable(text), name + " " + fuzz::show(bytes));
    try {
        FUZZ_CHECK(cp->encode(text) == bytes, name + " " + fuzz::show(bytes));
    } catch (const talvora::Error& e) {
        FUZZ_CHECK(false, name + " " + fuzz::show(bytes) + ": " + e.what());
    }

    // The same bytes taken as UTF-8.
    const auto bad = cp->firstUnencodable(bytes);
    std::string encoded;
    try {
        encoded = cp->encode(bytes);
    } catch (const talvora::Error& e) {
        FUZZ_CHECK(bad, name + " " + fuzz::show(bytes) + " refused: " + e.what());
        FUZZ_CHECK(e.what() == talvora::unencodableMessage(*bad, name), e.what());
        return 0;
    }
    FUZZ_CHECK(!bad, name + " " + fuzz::show(bytes) + " encoded with an unencodable character");
    FUZZ_CHECK(talvora::utf8::isValid(bytes), name + " invalid UTF-8 encoded: " + fuzz::show(bytes));
    FUZZ_CHECK(cp->decode(encoded) == bytes, name + " " + fuzz::show(bytes));
    return 0;
}
