// Code pages, lines, UTF-8 and text files as Get Text and Save read and write them. The
// command-line tests check the whole code-page messages.
#include "codepage.h"
#include "error.h"
#include "lowercase.h"
#include "systemcalls.h"
#include "tempfolder.h"
#include "textfile.h"
#include "utf8.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/mman.h>
#endif

using namespace talvora;
using V = std::vector<std::string>;

namespace {

// Sets or clears one environment variable, cleared again with the object: each test runs
// in a process of its own.
struct ScopedEnv {
    const char* name;
    ScopedEnv(const char* n, const char* value) : name(n) { test::setEnv(n, value); }
    ~ScopedEnv() { test::setEnv(name, nullptr); }
};

} // namespace

TEST(CodePage, EveryOfferedOneReadsBackAllBytesAndRefusalsNameWhatFailed) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    for (const std::string& name : CodePage::commonNames()) {
        CodePage cp = CodePage::fromName(name);
        EXPECT_EQ(cp.encode(cp.decode(all)), all) << name;
    }
    CodePage w1252 = CodePage::fromName("windows-1252");
    // windows-1250 both ways: cli_test's Czech dictionary.
    EXPECT_EQ(w1252.decode("\x80\xE9\x9F\x81"), "\u20AC\u00E9\u0178\u0081"); // 81 unassigned
    EXPECT_EQ(errorOf([&] { w1252.encode("abc\u0142d"); }),
              "The character \"\u0142\" (U+0142) cannot be written in the code page windows-1252.");
    // ICU's cp874 reads 0xA0 and 0xE8 (and four more pairs) as the same Thai mark, refused as
    // cli_test checks with an unknown name; the Windows table of the same script holds every
    // byte apart.
    EXPECT_NO_THROW(CodePage::fromName("windows-874"));
}

TEST(CodePage, ChosenByVariableOrLocaleAndAnUnusableVariableIsOneLine) {
    ScopedEnv lang("LC_ALL", "cs_CZ.UTF-8"), unset("TALVORA_CODEPAGE", nullptr);
#ifdef _WIN32
    const std::string localeCodePage = CodePage::localeName(); // the system's, not LC_ALL's
#else
    const std::string localeCodePage = "windows-1250";
#endif
    EXPECT_EQ(CodePage::fromEnvironment().name(), localeCodePage);
    const std::pair<const char*, const char*> values[] = {
        {"windows-1251", "no error"},
        {"cp874\nx", "TALVORA_CODEPAGE cannot be used: The code page \"cp874?x\""},
        {"UTF-8", "not a single-byte"}};
    for (const auto& [value, message] : values) {
        ScopedEnv var("TALVORA_CODEPAGE", value);
        const std::string line =
            errorOf([&] { EXPECT_EQ(CodePage::fromEnvironment().name(), value); });
        EXPECT_NE(line.find(message), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_EQ(CodePage::fromLocale().name(), localeCodePage); // whatever the variable says
    }
}

// Examples of the rules, which fuzz_files checks on any bytes against its model.
TEST(TextFile, GetTextReadsUtf8OrTheCodePageInLinesAndSaveEndsWithCrLf) {
    TempFolder dir;
    const CodePage cp = CodePage::fromName("windows-1252"), cz = CodePage::fromName("windows-1250");
    const struct {
        const char* name;
        std::string bytes;
        const CodePage& cp;
        const char* expected;
    } cases[] = {
        {"LF", "one\n\ntwo\n", cp, "one\r\n\r\ntwo\r\n"},
        {"any CR: LF stays inside", "a\nb\r\nc", cp, "a\nb\r\nc\r\n"},
        {"lone CR", "a\rb\r\nc", cp, "a\r\nb\r\nc\r\n"},
        {"byte order mark", "\xEF\xBB\xBFn\u00E9", cp, "n\u00E9\r\n"},
        {"one byte no UTF-8", "caf\u00E9 thr\xE9", cp, "caf\u00C3\u00A9 thr\u00E9\r\n"},
        {"windows-1250", "ma\xE8ka \xFDs \x9Akoda", cz, "ma\u010Dka \u00FDs \u0161koda\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readTextFile(dir.write("in.txt", c.bytes), c.cp), c.expected) << c.name;

    saveTextFile(dir / "out.txt", "caf\u00E9 ", cp);
    EXPECT_EQ(TempFolder::read(dir / "out.txt"), "caf\xE9 \r\n");
    EXPECT_EQ(test::modeOf(dir / "out.txt"), test::asStored(0600)); // plain text: the owner's
    // An empty text, and one the code page cannot hold (refused, the file as it was): fuzz_files.
}

// Get Text's question before loading a file that is not text.
TEST(TextFile, LooksLikeTextWithNoNulAndAtMostOneOddCharacterInTen) {
    using namespace std::string_literals;
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"text", "Meet him\r\n\tat noon.\f\r\n", true},
        {"empty", "", true},
        {"beyond ASCII", "P\u0159\u00edli\u0161 k\u016f\u0148", true},
        {"one NUL", "a text with one \0 in it"s, false},
        {"two escapes in 40", "text \x1b[1m bold \x1b[0m and more words here", true},
        {"mostly controls", "\x01\x02\x03\x04 ab", false},
        {"unassigned bytes", "ab\u0081\u008d\u008f\u0090", false},
        {"private use", "x\uf001\uf002", false},
    };
    for (const auto& [name, text, expected] : cases)
        EXPECT_EQ(looksLikeText(text), expected) << name;
}

// Positions past 32 bits: 2.25 GB of untouched zero pages where the system lends them.
TEST(Utf8, DecodesPastTwoGigabytesAndLowerCases) {
    std::string s = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xC3";
    size_t pos = 1;
    for (char32_t c : {U'\u00E9', U'\u20AC', U'\U0001F600', U'\uFFFD'}) // cut short at the end
        EXPECT_EQ(utf8::next(s, pos), c);
    EXPECT_EQ(pos, s.size()); // what is valid UTF-8: fuzz_files' model
    EXPECT_EQ(toLower("\xC3\x89MILE AZ \xCE\xA9"), "\xC3\xA9mile az \xCF\x89");
#ifndef _WIN32
    const size_t size = (size_t{9} << 30) / 4;
    void* p = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED)
        GTEST_SKIP() << "cannot map 2.25 GB of address space here";
    std::string_view text(static_cast<const char*>(p), size);
    pos = size - 3;
    EXPECT_EQ(utf8::next(text, pos), U'\0');
    EXPECT_EQ(pos, size - 2);
    pos = size - 1;
    utf8::next(text, pos);
    EXPECT_EQ(pos, size);
    ::munmap(p, size);
#endif
}
